include(GenerateExportHeader)

# kelvra_add_library(<target>
#     DIR <folder of the public headers, relative to the source root>
#     SOURCES <files...> HEADERS <public headers...>
#     [PUBLIC_LINK <targets...>] [PRIVATE_LINK <targets...>])
#
# Builds one deliverable as a shared library named libkelvra-<target>, with an
# export header <DIR>/<target>_export.h, an alias Kelvra::<target>, and install
# rules for the library, its public headers and its export header.
function(kelvra_add_library target)
    cmake_parse_arguments(ARG "" "DIR" "SOURCES;HEADERS;PUBLIC_LINK;PRIVATE_LINK" ${ARGN})
    add_library(${target} SHARED ${ARG_SOURCES} ${ARG_HEADERS})
    add_library(Kelvra::${target} ALIAS ${target})
    set(_export_header ${PROJECT_BINARY_DIR}/${ARG_DIR}/${target}_export.h)
    generate_export_header(${target} EXPORT_FILE_NAME ${_export_header})
    target_include_directories(${target} PUBLIC
        $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
        $<BUILD_INTERFACE:${PROJECT_BINARY_DIR}>
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/kelvra>)
    target_link_libraries(${target} PUBLIC ${ARG_PUBLIC_LINK} PRIVATE ${ARG_PRIVATE_LINK})
    set_target_properties(${target} PROPERTIES
        OUTPUT_NAME kelvra-${target}
        EXPORT_NAME ${target}
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR})
    install(TARGETS ${target} EXPORT KelvraTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kelvra)
    install(FILES ${ARG_HEADERS} ${_export_header}
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kelvra/${ARG_DIR})
endfunction()

# kelvra_add_demo(<executable> <source>): a small program that runs one
# deliverable's demonstration routine.
function(kelvra_add_demo name source)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE ${ARGN})
    install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

# Plug-ins live in <libdir>/kelvra/plugins, in the build tree as after
# installation, so that a program in bin/ finds them at the same relative
# path in both (see host/qtpluginsmanager.h).
set(KELVRA_PLUGIN_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/kelvra/plugins)
set(KELVRA_PLUGIN_BUILD_DIR ${PROJECT_BINARY_DIR}/${KELVRA_PLUGIN_INSTALL_DIR})
file(RELATIVE_PATH KELVRA_PLUGIN_RELATIVE_DIR
    /${CMAKE_INSTALL_BINDIR} /${KELVRA_PLUGIN_INSTALL_DIR})

# kelvra_add_plugin(<target> SOURCES <files...> JSON <metadata file>
#     [LINK <targets...>])
#
# Builds one Qt plug-in (a MODULE library with Q_PLUGIN_METADATA naming the
# JSON file) into the plug-in folder of the build tree, where the plugins
# manager finds it, and installs it into the installed plug-in folder.
function(kelvra_add_plugin target)
    cmake_parse_arguments(ARG "" "JSON" "SOURCES;LINK" ${ARGN})
    add_library(${target} MODULE ${ARG_SOURCES} ${ARG_JSON})
    target_link_libraries(${target} PRIVATE Kelvra::kelvrahost ${ARG_LINK})
    file(RELATIVE_PATH _to_libdir /${KELVRA_PLUGIN_INSTALL_DIR} /${CMAKE_INSTALL_LIBDIR})
    set_target_properties(${target} PROPERTIES
        LIBRARY_OUTPUT_DIRECTORY ${KELVRA_PLUGIN_BUILD_DIR}
        INSTALL_RPATH "$ORIGIN/${_to_libdir}")
    install(TARGETS ${target} LIBRARY DESTINATION ${KELVRA_PLUGIN_INSTALL_DIR})
endfunction()
