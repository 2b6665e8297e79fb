#pragma once

// The mode switch: the PivotBar toolbar, the base of menu-bar plug-ins and
// the built-in mode's menu bar.

#include "widgets/pivotbar/pivotbar.h"
#include "widgets/pivotbar/pluginmenubar.h"
#include "widgets/pivotbar/plugoutmenubar.h"
