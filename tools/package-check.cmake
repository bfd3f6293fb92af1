# Makes the Debian package as tools/package does, in a release build of its own (BUILD), and
# has lintian check it as a distribution's reviewer would (--pedantic): every error, warning,
# note and pedantic remark fails, save those the package itself overrides with its reasons.
#   cmake -DSOURCE=<source> -DBUILD=<build folder for the package> -P package-check.cmake
find_program(LINTIAN lintian)
if(NOT LINTIAN)
  message("lintian is not installed: the package is not checked (Debian: lintian)")
  return()
endif()
if(DEFINED ENV{HOME})
  file(MAKE_DIRECTORY "$ENV{HOME}")
endif()

file(GLOB old "${BUILD}/kestrava_*.deb")
if(old)
  file(REMOVE ${old})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env KESTRAVA_BUILD_DIR=${BUILD} "${SOURCE}/tools/package"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB deb "${BUILD}/kestrava_*.deb")
list(LENGTH deb count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "tools/package made no package (${rc}):\n${out}")
endif()

execute_process(COMMAND ${LINTIAN} --pedantic --display-info --allow-root ${deb}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "" OR NOT err STREQUAL "")
  message(FATAL_ERROR "lintian finds fault with ${deb} (${rc}):\n${out}${err}")
endif()
