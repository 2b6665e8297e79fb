# Object, file, property, geometry-edit and script dialogs.
set(FORM_DIALOG_SOURCES)
set(FORM_DIALOG_HEADERS)
