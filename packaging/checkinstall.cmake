# cmake -DBUILD_DIR=… -DPREFIX=… -DAPP_ID=… -DSIZES=… [-DDESKTOP_FILE_VALIDATE=…] -P checkinstall.cmake
# Installs the build into PREFIX and checks the desktop files are where a
# desktop looks for them.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

set(expected bin/zeltan share/applications/${APP_ID}.desktop
             share/metainfo/${APP_ID}.metainfo.xml share/doc/zeltan/copyright
             share/doc/zeltan/changelog.Debian.gz share/lintian/overrides/zeltan
             share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size IN LISTS SIZES)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(f IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

# The manual page, compressed as Debian keeps them when gzip was there.
file(GLOB man_page ${PREFIX}/share/man/man1/zeltan.1 ${PREFIX}/share/man/man1/zeltan.1.gz)
list(LENGTH man_page man_pages)
if(NOT man_pages EQUAL 1)
  message(FATAL_ERROR "expected one manual page zeltan.1[.gz], found: ${man_page}")
endif()
if(man_page MATCHES "[.]gz$")
  file(READ ${man_page} magic LIMIT 2 HEX)
  if(NOT magic STREQUAL "1f8b")
    message(FATAL_ERROR "${man_page} is not gzip data")
  endif()
endif()

# The scalable icon is an SVG drawing of the icon's 32-unit grid.
file(READ ${PREFIX}/share/icons/hicolor/scalable/apps/${APP_ID}.svg svg)
if(NOT svg MATCHES "<svg [^>]*viewBox=\"0 0 32 32\"")
  message(FATAL_ERROR "the scalable icon is not an SVG of the 32-unit drawing")
endif()

# Each icon is a PNG of its nominal size: width and height from the IHDR chunk.
foreach(size IN LISTS SIZES)
  set(png ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  file(READ ${png} header LIMIT 24 HEX)
  string(SUBSTRING ${header} 0 16 magic)
  string(SUBSTRING ${header} 32 8 width)
  string(SUBSTRING ${header} 40 8 height)
  math(EXPR w "0x${width}")
  math(EXPR h "0x${height}")
  if(NOT magic STREQUAL "89504e470d0a1a0a" OR NOT w EQUAL size OR NOT h EQUAL size)
    message(FATAL_ERROR "${png}: ${w}x${h}, expected a ${size}x${size} PNG")
  endif()
endforeach()

# The menu entry and the metainfo point at each other and at the program.
file(READ ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>")
  message(FATAL_ERROR "metainfo launchable is not ${APP_ID}.desktop")
endif()
# No address that leads nowhere: a page of example.org is no project's.
if(metainfo MATCHES "example[.](org|com|net)")
  message(FATAL_ERROR "metainfo points at an example address")
endif()
file(STRINGS ${PREFIX}/share/applications/${APP_ID}.desktop entry)
foreach(line "Exec=zeltan" "Icon=${APP_ID}")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "desktop entry lacks ${line}")
  endif()
endforeach()
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/${APP_ID}.desktop
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "installed desktop entry does not validate")
  endif()
endif()
