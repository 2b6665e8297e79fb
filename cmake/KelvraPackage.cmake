# Installs a CMake package so that another project can write
#   find_package(Kelvra REQUIRED)
#   target_link_libraries(app PRIVATE Kelvra::dialogs)
include(CMakePackageConfigHelpers)

set(_kelvra_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Kelvra)
install(EXPORT KelvraTargets NAMESPACE Kelvra:: DESTINATION ${_kelvra_cmake_dir})
configure_package_config_file(cmake/KelvraConfig.cmake.in
    ${PROJECT_BINARY_DIR}/KelvraConfig.cmake
    INSTALL_DESTINATION ${_kelvra_cmake_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/KelvraConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/KelvraConfig.cmake ${PROJECT_BINARY_DIR}/KelvraConfigVersion.cmake
    DESTINATION ${_kelvra_cmake_dir})
