# vr_add_program(name DESCRIPTION text SOURCES ... [CONSOLE] [PER_MONITOR_DPI])
# A Windows program of the set: GUI subsystem (or console for test helpers),
# a version resource and an embedded manifest (common controls v6, asInvoker).
# PER_MONITOR_DPI declares per-monitor (v2) DPI awareness: the program then
# reads window rectangles and sets the cursor in physical pixels on every
# monitor, as the tools must when they click into another program's window.
function(vr_add_program name)
  cmake_parse_arguments(ARG "CONSOLE;PER_MONITOR_DPI" "DESCRIPTION" "SOURCES" ${ARGN})
  set(VR_DPI_SETTINGS "")
  if(ARG_PER_MONITOR_DPI)
    string(CONCAT VR_DPI_SETTINGS
      "  <application xmlns=\"urn:schemas-microsoft-com:asm.v3\">\n"
      "    <windowsSettings>\n"
      "      <dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>\n"
      "      <dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, PerMonitor</dpiAwareness>\n"
      "    </windowsSettings>\n"
      "  </application>\n")
  endif()
  set(VR_PROGRAM_NAME ${name})
  set(VR_PROGRAM_DESCRIPTION ${ARG_DESCRIPTION})
  set(VR_VERSION_COMMAS
      "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${name}-resources)
  set(VR_MANIFEST_PATH ${generated}/${name}.manifest)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/Program.manifest.in ${VR_MANIFEST_PATH} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/Program.rc.in ${generated}/${name}.rc @ONLY)
  # The resource script only names the manifest: a changed manifest must
  # rebuild the resources too.
  set_source_files_properties(${generated}/${name}.rc PROPERTIES OBJECT_DEPENDS ${VR_MANIFEST_PATH})
  # Linked as objects of their own, ahead of the C++ library, so that the
  # library's verbose handler and its string-carrying throw helpers are never
  # pulled in.
  set(quiet_terminate ${PROJECT_SOURCE_DIR}/winsupport/win32/QuietTerminate.cpp
                      ${PROJECT_SOURCE_DIR}/winsupport/win32/LibraryThrows.cpp)
  if(ARG_CONSOLE)
    add_executable(${name} ${ARG_SOURCES} ${quiet_terminate} ${generated}/${name}.rc)
  else()
    add_executable(${name} WIN32 ${ARG_SOURCES} ${quiet_terminate} ${generated}/${name}.rc)
    target_link_options(${name} PRIVATE -municode)
  endif()
  vr_set_warnings(${name})
endfunction()
