# The two commands of the project:
#   make test   install what is missing, build both trees, run every test
#   make demo   run a tool under Wine in the test bed and show what happened
# and for the parsers of outside text:
#   make fuzz   run every fuzz target for FUZZ_SECONDS seconds (default 60)
MAKEFLAGS += --no-print-directory

FUZZ_SECONDS ?= 60
# What make test gives each fuzz target: a short run on its seeds.
FUZZ_TEST_SECONDS ?= 3

.PHONY: all bootstrap host win32 fuzz-build test test-host test-win32 test-fuzz fuzz demo format clean

all: host win32

bootstrap:
	@scripts/bootstrap

host: bootstrap
	@cmake --preset host >/dev/null
	@cmake --build --preset host

win32: bootstrap
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32

fuzz-build: bootstrap
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz

test-host: host
	@ctest --preset host

test-win32: win32
	@scripts/test-windows

test-fuzz: fuzz-build
	@scripts/fuzz --seconds $(FUZZ_TEST_SECONDS)

test: test-host test-fuzz test-win32

fuzz: fuzz-build
	@scripts/fuzz --seconds $(FUZZ_SECONDS)

demo: win32
	@scripts/demo

# Twice: clang-format 14 does not always reach its fixed point in one pass.
format:
	@git ls-files -co --exclude-standard '*.cpp' '*.h' | xargs clang-format -i
	@git ls-files -co --exclude-standard '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
