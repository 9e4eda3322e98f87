# Writes a man page from TEMPLATE with the program's own --help text filled in, so
# the page lists every option and command the program really has.
#
#   cmake -DPROGRAM=<exe> -DTEMPLATE=<page.1.in> -DOUTPUT=<page.1> -DVERSION=<x.y.z>
#         [-DGZIP=<gzip>] -P GenerateManPage.cmake
#
# Each "Title:" section of the help becomes @HELP_TITLE@ in the template. An entry is
# a line indented by two spaces: its term, then after two or more spaces (or on the
# lines indented deeper below it) its description.

cmake_minimum_required(VERSION 3.22)

foreach(var PROGRAM TEMPLATE OUTPUT VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "GenerateManPage.cmake needs -D${var}=...")
  endif()
endforeach()

# English help whatever the builder's locale, and no display needed.
set(ENV{LC_ALL} C.UTF-8)
set(ENV{LANGUAGE} "")
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND "${PROGRAM}" --help
  OUTPUT_VARIABLE help ERROR_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR help STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --help failed (${result})")
endif()

# Text for roff: backslashes escaped, minus signs as hyphen-minus (so options can be
# searched and copied), and no line starting with a control character.
function(roff_escape text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The term in bold where it is typed as it stands (options, the command's name), in
# italics where it stands for something (NAME, FILE, SOURCE...).
function(roff_term text out)
  roff_escape("${text}" text)
  string(REGEX REPLACE "(^|[ [|])(\\\\-[-A-Za-z0-9\\\\]+)" "\\1\\\\fB\\2\\\\fR" text "${text}")
  string(REGEX REPLACE "^([a-z][-a-z0-9\\\\]*)" "\\\\fB\\1\\\\fR" text "${text}")
  # A placeholder is a whole word of capitals ("C x R" and WxH are typed as shown);
  # twice, as each match takes the space that the next one starts at.
  foreach(pass 1 2)
    string(REGEX REPLACE "(^|[ <[])([A-Z][A-Z0-9_]*)([] .|>]|$)" "\\1\\\\fI\\2\\\\fR\\3" text "${text}")
  endforeach()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(sections)
set(section "")
set(term "")
set(description "")
# Ends the entry being read and adds it to its section.
macro(flush_entry)
  if(NOT term STREQUAL "" AND NOT section STREQUAL "")
    roff_term("${term}" t)
    string(STRIP "${description}" d)
    roff_escape("${d}" d)
    string(APPEND HELP_${section} ".TP\n${t}\n${d}\n")
  endif()
  set(term "")
  set(description "")
endmacro()

# Line by line by hand: a CMake list would split at the help's semicolons and join
# lines inside square brackets.
string(APPEND help "\n")
while(NOT help STREQUAL "")
  string(FIND "${help}" "\n" end)
  string(SUBSTRING "${help}" 0 ${end} line)
  math(EXPR next "${end} + 1")
  string(SUBSTRING "${help}" ${next} -1 help)
  if(line MATCHES "^([A-Za-z][A-Za-z ]*):$")
    flush_entry()
    string(TOUPPER "${CMAKE_MATCH_1}" section)
    string(REPLACE " " "_" section "${section}")
    list(APPEND sections ${section})
    set(HELP_${section} "")
  elseif(line MATCHES "^  ([^ ].*)$")
    flush_entry()
    set(entry "${CMAKE_MATCH_1}")
    if(entry MATCHES "^(.*[^ ])   *([^ ].*)$")
      set(term "${CMAKE_MATCH_1}")
      set(description "${CMAKE_MATCH_2}")
    else()
      set(term "${entry}")
    endif()
  elseif(line MATCHES "^   +([^ ].*)$" AND NOT term STREQUAL "")
    string(APPEND description " ${CMAKE_MATCH_1}")
  elseif(line STREQUAL "")
    flush_entry()
  endif()
endwhile()
flush_entry()

# A template naming a section the help no longer has would silently lose it.
file(READ "${TEMPLATE}" template)
string(REGEX MATCHALL "@HELP_[A-Z_]+@" wanted "${template}")
foreach(placeholder IN LISTS wanted)
  string(REGEX REPLACE "^@HELP_(.*)@$" "\\1" name "${placeholder}")
  if(NOT name IN_LIST sections OR HELP_${name} STREQUAL "")
    message(FATAL_ERROR "${PROGRAM} --help has no \"${name}\" section for ${TEMPLATE}")
  endif()
endforeach()

foreach(section IN LISTS sections)
  string(REGEX REPLACE "\n$" "" HELP_${section} "${HELP_${section}}")
endforeach()

# The date of the sources' release when the build is reproducible, else today.
string(TIMESTAMP MAN_DATE "%Y-%m-%d" UTC)
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)

if(GZIP)
  execute_process(COMMAND "${GZIP}" -9nf "${OUTPUT}" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "could not compress ${OUTPUT}")
  endif()
endif()
