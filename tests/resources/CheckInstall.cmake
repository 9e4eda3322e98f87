# Installs the build into PREFIX and checks that every file lands where the desktop,
# the icon theme and the programs themselves look for it.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(missing)
foreach(path
    bin/snapvale
    bin/snapvale-cli
    share/applications/snapvale.desktop
    share/metainfo/com.tarnwick.snapvale.metainfo.xml
    share/mime/packages/snapvale.xml
    share/bash-completion/completions/snapvale-cli
    share/doc/snapvale/changelog.gz
    share/icons/hicolor/16x16/apps/snapvale.png
    share/icons/hicolor/24x24/apps/snapvale.png
    share/icons/hicolor/32x32/apps/snapvale.png
    share/icons/hicolor/48x48/apps/snapvale.png
    share/icons/hicolor/64x64/apps/snapvale.png
    share/icons/hicolor/128x128/apps/snapvale.png
    share/icons/hicolor/256x256/apps/snapvale.png
    share/icons/hicolor/scalable/apps/snapvale.svg)
  if(NOT EXISTS "${PREFIX}/${path}")
    list(APPEND missing ${path})
  endif()
endforeach()

# The data folder must hold exactly what the build staged (photos) and what the
# source tree holds (help pages): nothing left out, nothing stale.
macro(compare_tree expected_root actual_root what)
  file(GLOB_RECURSE expected RELATIVE "${expected_root}" "${expected_root}/*")
  file(GLOB_RECURSE actual RELATIVE "${actual_root}" "${actual_root}/*")
  list(SORT expected)
  list(SORT actual)
  if(NOT "${expected}" STREQUAL "${actual}")
    message(FATAL_ERROR "installed ${what} differ:\n  expected: ${expected}\n  installed: ${actual}")
  endif()
endmacro()
compare_tree("${STAGE_DATA}/Images" "${PREFIX}/share/snapvale/Images" "sample photos")
compare_tree("${SOURCE_DIR}/resources/html" "${PREFIX}/share/snapvale/html" "help pages")
# Everything staged beside them (translations, say) goes along.
compare_tree("${STAGE_DATA}" "${PREFIX}/share/snapvale" "data folders")

# A man page for each program, whichever way it was compressed.
foreach(program snapvale snapvale-cli)
  file(GLOB page "${PREFIX}/share/man/man1/${program}.1" "${PREFIX}/share/man/man1/${program}.1.gz")
  if(NOT page)
    list(APPEND missing share/man/man1/${program}.1)
  endif()
endforeach()

# Each theme icon is as big as the folder it sits in says (width and height from the
# PNG header).
file(GLOB icons "${PREFIX}/share/icons/hicolor/*x*/apps/snapvale.png")
foreach(icon ${icons})
  string(REGEX MATCH "/([0-9]+)x([0-9]+)/apps/" folder "${icon}")
  set(want "${CMAKE_MATCH_1} ${CMAKE_MATCH_2}")
  file(READ "${icon}" header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${header}" 0 8 w)
  string(SUBSTRING "${header}" 8 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  if(NOT "${w} ${h}" STREQUAL want)
    message(FATAL_ERROR "${icon} is ${w} x ${h}")
  endif()
endforeach()

file(GLOB photos "${PREFIX}/share/snapvale/Images/*")
list(LENGTH photos photo_count)
if(photo_count LESS 6)
  message(FATAL_ERROR "only ${photo_count} sample photos installed")
endif()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "install layout complete: ${photo_count} sample photos")
