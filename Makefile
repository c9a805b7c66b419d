# The two commands of the project:
#   make test   install what is missing, build both trees, run every test
#   make demo   run a tool under Wine in the test bed and show what happened
MAKEFLAGS += --no-print-directory

.PHONY: all bootstrap host win32 test test-host test-win32 demo format clean

all: host win32

bootstrap:
	@scripts/bootstrap

host: bootstrap
	@cmake --preset host >/dev/null
	@cmake --build --preset host

win32: bootstrap
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32

test-host: host
	@ctest --preset host

test-win32: win32
	@ctest --preset win32

test: test-host test-win32

demo: win32
	@scripts/demo

# Twice: clang-format 14 does not always reach its fixed point in one pass.
format:
	@git ls-files -co --exclude-standard '*.cpp' '*.h' | xargs clang-format -i
	@git ls-files -co --exclude-standard '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
