# Installs the build into a fresh prefix, checks that every file lands where
# the desktop and Debian look for it, and runs both installed programs so that
# they must find their read-only data from the installed location.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DLIBDIR=... -P check_install_layout.cmake

set(prefix ${WORK_DIR}/prefix)
set(home ${WORK_DIR}/home)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${home})

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

set(id org.kestrova.Kestrova)
set(expected
  games/kestrova
  games/kestrova-cli
  share/kestrova/GAMES.DAT
  share/kestrova/KES.RGF
  share/kestrova/kestrova.hlp
  share/kestrova/Images/DB006.bmp
  share/kestrova/Images/2x/DB006.bmp
  share/kestrova/Images/B500.bmp
  share/applications/${id}.desktop
  share/metainfo/${id}.metainfo.xml
  share/icons/hicolor/scalable/apps/${id}.svg
  share/man/man6/kestrova.6.gz
  share/man/man6/kestrova-cli.6.gz
  # The modules loaded at run time, in a private folder where ldconfig
  # does not look.
  ${LIBDIR}/kestrova/libkestrova-help.so
  ${LIBDIR}/kestrova/libkestrova-sound.so)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
endforeach()
foreach(file ${expected})
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# Only the two programs go into games, as Debian's games have theirs, and
# nothing into bin: the build-time generators stay behind.
file(GLOB programs RELATIVE ${prefix}/games ${prefix}/games/*)
list(SORT programs)
if(NOT programs STREQUAL "kestrova;kestrova-cli" OR EXISTS ${prefix}/bin)
  message(FATAL_ERROR "unexpected programs in games: ${programs}, or a bin folder")
endif()

# The icon sizes are really those sizes: a PNG's width and height sit at
# bytes 16 to 23 of its header.
foreach(size 16 48 256)
  file(READ ${prefix}/share/icons/hicolor/${size}x${size}/apps/${id}.png header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 16 dimensions)
  string(SUBSTRING "${dimensions}" 0 8 width_hex)
  string(SUBSTRING "${dimensions}" 8 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "icon ${size}x${size} is ${width}x${height}")
  endif()
endforeach()

# The installed programs find the catalogue and the pictures in share/kestrova.
set(env ${CMAKE_COMMAND} -E env HOME=${home} XDG_DATA_HOME=${home}/data)
execute_process(COMMAND ${env} ${prefix}/games/kestrova-cli games
                RESULT_VARIABLE status OUTPUT_VARIABLE games ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT games MATCHES "FreeCell")
  message(FATAL_ERROR "installed kestrova-cli cannot list the games (${status}): ${games}${errors}")
endif()
execute_process(COMMAND ${env} ${prefix}/games/kestrova --render 1 --size 640x480 --out ${WORK_DIR}/table.png
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT EXISTS ${WORK_DIR}/table.png)
  message(FATAL_ERROR "installed kestrova cannot draw a table (${status}): ${errors}")
endif()
