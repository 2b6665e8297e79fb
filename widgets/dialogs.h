#pragma once

// The form dialogs with which the user asks the host to change objects and
// properties, and the application dialogs.

#include "widgets/dialogs/geometrytypes.h"
#include "widgets/dialogs/aspectratiodialog.h"
#include "widgets/dialogs/canvasexportdialog.h"
#include "widgets/dialogs/configdialog.h"
#include "widgets/dialogs/configpage.h"
#include "widgets/dialogs/reportbugdialog.h"
