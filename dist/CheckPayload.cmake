# Lists the payload files that the installation folder does not hold yet.
# Run with -DDIST=<folder> -DPAYLOAD_HEADER=<setup/core/InstallPayload.h>: the
# list is read from the installer's own table, in the order it copies.
file(STRINGS "${PAYLOAD_HEADER}" entries ENCODING UTF-8 REGEX "^ *u\"[^\"]+\", *// [0-9]+$")
set(missing)
foreach(entry ${entries})
  string(REGEX REPLACE "^ *u\"([^\"]+)\".*" "\\1" name "${entry}")
  if(NOT EXISTS "${DIST}/${name}")
    list(APPEND missing ${name})
  endif()
endforeach()
list(LENGTH entries count)
if(NOT count EQUAL 19)
  message(FATAL_ERROR "Read ${count} payload entries from ${PAYLOAD_HEADER}, not 19")
endif()
if(missing)
  list(JOIN missing ", " text)
  message(STATUS "Installation folder ${DIST} still lacks: ${text}")
endif()
