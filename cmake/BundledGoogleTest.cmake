# GoogleTest from Debian's source package, built for whichever tree this is,
# so the same framework runs natively and under Wine.
set(VR_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${VR_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# Under the win32 thread model the framework's thread start signal comes from
# a header of ours; every user of the framework sees the same definition.
if(WIN32)
  foreach(framework gtest gmock)
    target_compile_options(${framework} PUBLIC
      "SHELL:-include ${PROJECT_SOURCE_DIR}/tests/support/GoogleTestNotification.h")
  endforeach()
endif()
