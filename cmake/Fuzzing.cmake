# The fuzz tree: the portable core and libFuzzer targets, built with clang,
# coverage-guided, with AddressSanitizer and UBSan. Every library of the core
# gets the coverage instrumentation; only the fuzz targets link libFuzzer's
# main.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "The fuzz tree needs clang (libFuzzer): use the preset 'fuzz'")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)

# vr_add_fuzz_target(name SOURCES ... LIBRARIES ...)
function(vr_add_fuzz_target name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
  # The in-memory files of the host tests' fakes.
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/host)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  vr_set_warnings(${name})
endfunction()
