# Preferences, viewer and bug report dialogs.
set(APP_DIALOG_SOURCES)
set(APP_DIALOG_HEADERS)
