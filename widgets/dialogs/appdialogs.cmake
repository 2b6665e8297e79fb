# Preferences, viewer and bug report dialogs.
set(APP_DIALOG_SOURCES
    configdialog.cpp
    configpage.cpp)
set(APP_DIALOG_HEADERS
    configdialog.h
    configpage.h)
