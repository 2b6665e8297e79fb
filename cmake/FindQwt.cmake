# Finds Qwt for Qt 5 (Debian: libqwt-qt5-dev) and defines the imported
# target Qwt::Qwt. Debian's pkg-config file for it requires Qt modules that
# the build does not otherwise need (Qt5Svg development files among them),
# so the library and its headers are looked up directly.
find_path(Qwt_INCLUDE_DIR qwt_plot.h PATH_SUFFIXES qwt qwt-qt5 qt5/qwt)
find_library(Qwt_LIBRARY NAMES qwt-qt5 qwt)
if(Qwt_INCLUDE_DIR AND EXISTS ${Qwt_INCLUDE_DIR}/qwt_global.h)
    file(STRINGS ${Qwt_INCLUDE_DIR}/qwt_global.h _qwt_version REGEX "define[ \t]+QWT_VERSION_STR")
    string(REGEX MATCH "[0-9]+(\\.[0-9]+)*" Qwt_VERSION "${_qwt_version}")
endif()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Qwt
    REQUIRED_VARS Qwt_LIBRARY Qwt_INCLUDE_DIR
    VERSION_VAR Qwt_VERSION)

if(Qwt_FOUND AND NOT TARGET Qwt::Qwt)
    add_library(Qwt::Qwt UNKNOWN IMPORTED GLOBAL)
    set_target_properties(Qwt::Qwt PROPERTIES
        IMPORTED_LOCATION ${Qwt_LIBRARY}
        INTERFACE_INCLUDE_DIRECTORIES ${Qwt_INCLUDE_DIR}
        INTERFACE_LINK_LIBRARIES Qt5::Widgets)
endif()
mark_as_advanced(Qwt_INCLUDE_DIR Qwt_LIBRARY)
