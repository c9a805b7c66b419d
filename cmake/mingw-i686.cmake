# Cross-compiling the product: 32-bit Windows with mingw-w64, statically linked.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
