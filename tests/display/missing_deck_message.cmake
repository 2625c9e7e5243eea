# Runs the resource generator on an empty deck folder: it must fail, name the
# missing deck files and the package that brings them, and write no pictures.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/decks)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          ${GENERATOR} ${WORK}/decks ${WORK}/out/pictures ${WORK}/out/kes.qrc ${WORK}/out/Images ${WORK}/GAMES.DAT
  RESULT_VARIABLE result
  ERROR_VARIABLE errors)
if(result EQUAL 0)
  message(FATAL_ERROR "the generator succeeded without card decks")
endif()
if(NOT errors MATCHES "kdegames-card-data-kf5" OR NOT errors MATCHES "svg-standard/standard.svgz")
  message(FATAL_ERROR "the message does not name the deck and its package:\n${errors}")
endif()
if(EXISTS ${WORK}/out/kes.qrc)
  message(FATAL_ERROR "a resource collection was written without card decks")
endif()
