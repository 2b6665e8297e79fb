# Installs the build into a fresh prefix, checks that the desktop finds
# Kelvra there, then configures, builds and runs a consumer project against
# it with the build's own generator. Arguments: BUILD_DIR, SOURCE_DIR,
# WORK_DIR, GENERATOR.
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix
                RESULT_VARIABLE result OUTPUT_QUIET)
if(result)
    message(FATAL_ERROR "install failed: ${result}")
endif()
# The program, its application menu entry, the entry's icon and the
# AppStream metadata, where desktops look for them.
foreach(file bin/kelvra
             share/applications/org.kelvra.Kelvra.desktop
             share/icons/hicolor/scalable/apps/org.kelvra.Kelvra.svg
             share/metainfo/org.kelvra.Kelvra.metainfo.xml)
    if(NOT EXISTS ${WORK_DIR}/prefix/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
foreach(step
        "${CMAKE_COMMAND};-S;${SOURCE_DIR};-B;${WORK_DIR}/consumer;-G;${GENERATOR};-DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix"
        "${CMAKE_COMMAND};--build;${WORK_DIR}/consumer"
        "${WORK_DIR}/consumer/consumer")
    execute_process(COMMAND ${step} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(result)
        message(FATAL_ERROR "${step} failed: ${result}\n${out}")
    endif()
endforeach()
