# The same sources for 64-bit Windows, statically linked: only for running the
# Windows tests under 64-bit Wine where the machine cannot run 32-bit programs
# (scripts/test-windows). The product is the 32-bit build (mingw-i686.cmake).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
