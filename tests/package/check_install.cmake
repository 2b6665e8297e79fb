# Installs the build into a fresh prefix, then configures, builds and runs a
# consumer project against it. Arguments: BUILD_DIR, SOURCE_DIR, WORK_DIR.
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix
                RESULT_VARIABLE result OUTPUT_QUIET)
if(result)
    message(FATAL_ERROR "install failed: ${result}")
endif()
foreach(step
        "${CMAKE_COMMAND};-S;${SOURCE_DIR};-B;${WORK_DIR}/consumer;-G;Ninja;-DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix"
        "${CMAKE_COMMAND};--build;${WORK_DIR}/consumer"
        "${WORK_DIR}/consumer/consumer")
    execute_process(COMMAND ${step} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(result)
        message(FATAL_ERROR "${step} failed: ${result}\n${out}")
    endif()
endforeach()
