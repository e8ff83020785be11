#pragma once

#include "velbrix-check/logic/Findings.h"
#include "velbrix-check/logic/IniView.h"

// The values of each model section present: an empty or duplicate PrinterModel, a model whose search also
// lists another model's printers (a note), a "|" in the part of a value Velbrix keeps, a value beyond 259
// characters.
Findings CheckModelValues(const IniView& view);
