# Preferences, viewer and bug report dialogs.
set(APP_DIALOG_SOURCES
    aspectratiodialog.cpp
    canvasexportdialog.cpp
    configdialog.cpp
    configpage.cpp
    reportbugdialog.cpp)
set(APP_DIALOG_HEADERS
    aspectratiodialog.h
    canvasexportdialog.h
    configdialog.h
    configpage.h
    reportbugdialog.h)
