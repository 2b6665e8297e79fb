#pragma once

// The dialog framework: EasyDialog, the base of every form dialog, and the
// form fields its builders make.

#include "widgets/kvdialog/easydialog.h"
#include "widgets/kvdialog/fields.h"
