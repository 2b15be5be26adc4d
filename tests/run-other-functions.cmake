# Runs the test functions of a QtTest program that none of the other parts of a split test
# names (see tk9400_split_test in CMakeLists.txt), so that a new function runs in this part
# without anyone listing it.
#
#     cmake -DPROGRAM=<test program> -DTAKEN=<function>,<function>... -P run-other-functions.cmake
cmake_minimum_required(VERSION 3.25)
string(REPLACE "," ";" TAKEN "${TAKEN}")
execute_process(COMMAND "${PROGRAM}" -functions OUTPUT_VARIABLE listed RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} -functions ended with ${status}")
endif()
string(REGEX MATCHALL "[A-Za-z_][A-Za-z0-9_]*\\(\\)" listed "${listed}")
list(TRANSFORM listed REPLACE "\\(\\)$" "")
foreach(function IN LISTS TAKEN)
  if(NOT function IN_LIST listed)
    # A part that names a function the program no longer has would run nothing for it.
    message(FATAL_ERROR "${PROGRAM} has no test function ${function}")
  endif()
endforeach()
set(others ${listed})
if(TAKEN)
  list(REMOVE_ITEM others ${TAKEN})
endif()
if(NOT others)
  message(FATAL_ERROR "the other parts of ${PROGRAM} name every test function: this part has none left")
endif()
execute_process(COMMAND "${PROGRAM}" ${others} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} ended with ${status}")
endif()
