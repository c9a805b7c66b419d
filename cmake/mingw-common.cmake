# Cross-compiling with mingw-w64, statically linked, for the processor that
# the including toolchain file sets (CMAKE_SYSTEM_PROCESSOR: i686 or x86_64).
set(CMAKE_SYSTEM_NAME Windows)
set(triple ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)

# The win32 thread model: its C++ library calls Windows directly, where the
# posix model links a pthread emulation (about 130 KB) into every program.
# Nothing of ours needs std::thread or std::mutex; the test framework gets
# its one use of them from tests/support/GoogleTestNotification.h.
set(CMAKE_C_COMPILER ${triple}-gcc-win32)
set(CMAKE_CXX_COMPILER ${triple}-g++-win32)
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# No mingw DLLs beside the programs. Each function and object in its own
# section, so that the linker drops what nothing calls; symbols stripped from
# release programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--gc-sections")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
# Release programs optimised for size: a tool run spends its time in the
# waits and in the CAD, not in our code, so -O3's larger code buys nothing
# a user could measure.
# (CMake appends its own -O3 to the _INIT flags, hence the cache entries.)
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "Release C flags")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "Release C++ flags")
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
