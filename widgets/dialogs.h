#pragma once

// The form dialogs with which the user asks the host to change objects and
// properties, and the application dialogs.

#include "widgets/dialogs/geometrytypes.h"
#include "widgets/dialogs/aspectratiodialog.h"
#include "widgets/dialogs/canvasexportdialog.h"
#include "widgets/dialogs/configdialog.h"
#include "widgets/dialogs/configpage.h"
#include "widgets/dialogs/reportbugdialog.h"

// Object, file, property, geometry-edit and script dialogs.
#include "widgets/dialogs/copyobjectdialog.h"
#include "widgets/dialogs/copypropertydialog.h"
#include "widgets/dialogs/createpropertydialog.h"
#include "widgets/dialogs/dialogsmain.h"
#include "widgets/dialogs/flipdepthdialog.h"
#include "widgets/dialogs/loadobjectdialog.h"
#include "widgets/dialogs/propertylistdialog.h"
#include "widgets/dialogs/propertyoperatordialog.h"
#include "widgets/dialogs/removeobjectdialog.h"
#include "widgets/dialogs/removepropertydialog.h"
#include "widgets/dialogs/renameobjectdialog.h"
#include "widgets/dialogs/renamepropertydialog.h"
#include "widgets/dialogs/saveobjectdialog.h"
#include "widgets/dialogs/translatedialog.h"
