# Runs one scenario script with `tolvane-cli run` in a folder of its own that
# holds a copy of the demo Set, then checks what the scenario's .expected
# file says, line by line:
#   args ...               options for `run` (read before the script runs)
#   exit N                 the exit status
#   same A B               files A and B are equal byte for byte
#   differs A B            they are not
#   missing A              no such file
#   report SET             the Set report of SET (its path without extension)
#   > LINE                 holds LINE (after a report line; as many as needed)
#   stderr:                every following line is what standard error shows
# Paths are relative to the scenario's folder.
# Usage: cmake -DCLI=... -DSCRIPT=... -DDATA=... -DWORK=... -P run_script_test.cmake

cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${DATA}/DEMO DESTINATION ${WORK})
get_filename_component(name ${SCRIPT} NAME_WE)
get_filename_component(folder ${SCRIPT} DIRECTORY)
file(READ ${folder}/${name}.expected expected)

string(REGEX MATCH "(^|\n)args ([^\n]*)" args_line "${expected}")
separate_arguments(run_options UNIX_COMMAND "${CMAKE_MATCH_2}")
execute_process(COMMAND ${CLI} run ${run_options} ${SCRIPT} WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)

string(REPLACE "\r" "" expected "${expected}")
string(FIND "${expected}" "stderr:\n" at)
set(wanted_errors "")
if(at GREATER -1)
  math(EXPR from "${at} + 8")
  string(SUBSTRING "${expected}" ${from} -1 wanted_errors)
  string(SUBSTRING "${expected}" 0 ${at} expected)
endif()
if(NOT errors STREQUAL wanted_errors)
  message(FATAL_ERROR "${name}: standard error differs.\n--- shown:\n${errors}--- expected:\n${wanted_errors}")
endif()

# A semicolon would split the list of lines: it stands in for itself as
# a code CMake does not use, and is put back in each line.
string(ASCII 31 unit)
string(REPLACE ";" "${unit}" expected "${expected}")
string(REPLACE "\n" ";" checks "${expected}")
foreach(check IN LISTS checks)
  string(REPLACE "${unit}" ";" check "${check}")
  if(check STREQUAL "" OR check MATCHES "^#")
    continue()
  endif()
  separate_arguments(words UNIX_COMMAND "${check}")
  list(GET words 0 what)
  if(what STREQUAL "args")
    continue()
  elseif(what STREQUAL "exit")
    list(GET words 1 code)
    if(NOT status EQUAL code)
      message(FATAL_ERROR "${name}: exit status ${status}, expected ${code}\n${errors}")
    endif()
  elseif(what STREQUAL "same" OR what STREQUAL "differs")
    list(GET words 1 a)
    list(GET words 2 b)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${a} ${WORK}/${b} RESULT_VARIABLE differ)
    if(what STREQUAL "same" AND NOT differ EQUAL 0)
      message(FATAL_ERROR "${name}: ${a} and ${b} differ")
    elseif(what STREQUAL "differs" AND differ EQUAL 0)
      message(FATAL_ERROR "${name}: ${a} and ${b} are the same")
    endif()
  elseif(what STREQUAL "report")
    list(GET words 1 set)
    execute_process(COMMAND ${CLI} report --date D ${set} WORKING_DIRECTORY ${WORK}
                    RESULT_VARIABLE reported OUTPUT_VARIABLE report)
    if(NOT reported EQUAL 0)
      message(FATAL_ERROR "${name}: no report of ${set}")
    endif()
    string(REPLACE "\r\n" "\n" report "\n${report}")
  elseif(what STREQUAL ">")
    string(SUBSTRING "${check}" 2 -1 line)
    string(FIND "${report}" "\n${line}\n" found)
    if(found EQUAL -1)
      message(FATAL_ERROR "${name}: the report of ${set} has no line '${line}'\n${report}")
    endif()
  elseif(what STREQUAL "missing")
    list(GET words 1 a)
    if(EXISTS ${WORK}/${a})
      message(FATAL_ERROR "${name}: ${a} exists")
    endif()
  else()
    message(FATAL_ERROR "${name}: unknown check '${check}'")
  endif()
endforeach()
