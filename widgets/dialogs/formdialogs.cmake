# Object, file, property, geometry-edit and script dialogs.
set(FORM_DIALOG_SOURCES
    copyobjectdialog.cpp
    copypropertydialog.cpp
    createpropertydialog.cpp
    dialogsmain.cpp
    flipdepthdialog.cpp
    formdialoghelpers.cpp
    formdialoghelpers.h
    loadobjectdialog.cpp
    propertylistdialog.cpp
    propertyoperatordialog.cpp
    removeobjectdialog.cpp
    removepropertydialog.cpp
    renameobjectdialog.cpp
    renamepropertydialog.cpp
    saveobjectdialog.cpp
    translatedialog.cpp)
set(FORM_DIALOG_HEADERS
    copyobjectdialog.h
    copypropertydialog.h
    createpropertydialog.h
    dialogsmain.h
    flipdepthdialog.h
    loadobjectdialog.h
    propertylistdialog.h
    propertyoperatordialog.h
    removeobjectdialog.h
    removepropertydialog.h
    renameobjectdialog.h
    renamepropertydialog.h
    saveobjectdialog.h
    translatedialog.h)

# The demonstration program: a "Remove object" dialog without parent.
kelvra_add_demo(dialogs-demo demo.cpp Kelvra::dialogs)
