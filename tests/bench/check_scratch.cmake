# Runs a benchmark with a --dir that cannot hold a folder, in an empty
# working folder:
#   cmake -DPROGRAM=<path> -P check_scratch.cmake
# It must exit with status 2, say so, and leave the working folder empty.

set(work "${CMAKE_CURRENT_BINARY_DIR}/scratch-check")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")
execute_process(COMMAND ${PROGRAM} --dir "${work}/missing/folder"
    WORKING_DIRECTORY "${work}"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB left "${work}/*")
file(REMOVE_RECURSE "${work}")
if(NOT status EQUAL 2)
    message(FATAL_ERROR "${PROGRAM} --dir <missing> exited with ${status}:\n${out}${err}")
endif()
if(NOT err MATCHES "cannot make a folder")
    message(FATAL_ERROR "${PROGRAM} --dir <missing> did not say why:\n${err}")
endif()
if(left)
    message(FATAL_ERROR "${PROGRAM} --dir <missing> wrote into the working folder: ${left}")
endif()
