# Installs the build into PREFIX and runs the installed tolvane-cli on the
# installed demo Set: its report needs the template and the preset names, and
# must be exactly the demo's report. The tips and help pages must lie in the
# same data folder, where the installed editor looks for them, with every
# page and picture they link to.
# Usage: cmake -DBUILD=... -DPREFIX=... -DEXPECTED=... -P install_test.cmake

cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(data ${PREFIX}/share/tolvane)
if(EXISTS ${PREFIX}/bin/I3EMPTY OR EXISTS ${PREFIX}/bin/I3PRSTS.TXT)
  message(FATAL_ERROR "data files were installed into bin/")
endif()
foreach(file I3TIPS.TXT help/tolvane.html)
  if(NOT EXISTS ${data}/${file})
    message(FATAL_ERROR "${data}/${file} was not installed")
  endif()
endforeach()

# Every page and picture the installed help links to is installed, and every
# anchor a link names is on its page.
file(GLOB pages ${data}/help/*.html)
foreach(page ${pages})
  file(READ ${page} html)
  string(REGEX MATCHALL "(href|src)=\"[^\"]*\"" links "${html}")
  foreach(link ${links})
    string(REGEX REPLACE "^(href|src)=\"([^#\"]*)#?([^\"]*)\"$" "\\2;\\3" parts "${link}")
    list(GET parts 0 target)
    list(GET parts 1 anchor)
    if(target MATCHES ":")
      continue()  # a web address
    endif()
    get_filename_component(folder ${page} DIRECTORY)
    if(target STREQUAL "")
      set(target ${page})
    else()
      set(target ${folder}/${target})
    endif()
    if(NOT EXISTS ${target})
      message(FATAL_ERROR "${page}: ${link} names no installed file")
    endif()
    if(NOT anchor STREQUAL "")
      file(READ ${target} linked)
      string(FIND "${linked}" "id=\"${anchor}\"" at)
      if(at EQUAL -1)
        message(FATAL_ERROR "${page}: ${link} names no place on its page")
      endif()
    endif()
  endforeach()
endforeach()

execute_process(COMMAND ${PREFIX}/bin/tolvane-cli report --date "1-Jan-2000 00:00:00" ${data}/DEMO/DEMO
                WORKING_DIRECTORY ${PREFIX} RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the installed tolvane-cli failed (${status}):\n${errors}")
endif()
file(READ ${EXPECTED} expected)
if(NOT report STREQUAL expected)
  file(WRITE ${PREFIX}/report.txt "${report}")
  message(FATAL_ERROR "the installed tolvane-cli's report differs from ${EXPECTED}: see ${PREFIX}/report.txt")
endif()
