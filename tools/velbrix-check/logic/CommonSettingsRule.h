#pragma once

#include "velbrix-check/logic/Findings.h"
#include "velbrix-check/logic/IniView.h"

// The settings of [COMMON] as Velbrix reads them: -1 (the start-up error message), a text that is not a whole
// number, PrinterModelNums of 0 or above the bound of 1000, SearchDuration outside 3 to 120 (and the value
// Velbrix uses instead); and notes of what Velbrix will do with each.
Findings CheckCommonSettings(const IniView& view, CheckLanguage language);
