# Fails when a file of src/engine, src/datafiles, src/solver or src/display/geometry
# includes a Qt header.
file(GLOB_RECURSE sources ${ROOT}/src/engine/* ${ROOT}/src/datafiles/* ${ROOT}/src/solver/* ${ROOT}/src/display/geometry/*)
set(offenders "")
foreach(f ${sources})
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q[A-Za-z]")
  if(lines)
    list(APPEND offenders "${f}: ${lines}")
  endif()
endforeach()
if(offenders)
  message(FATAL_ERROR "Qt headers in the Qt-free libraries:\n${offenders}")
endif()
message(STATUS "no Qt header in src/engine, src/datafiles, src/solver or src/display/geometry")
