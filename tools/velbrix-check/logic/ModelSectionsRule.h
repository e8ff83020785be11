#pragma once

#include "velbrix-check/logic/Findings.h"
#include "velbrix-check/logic/IniView.h"

// The PRT sections against PrinterModelNums: sections Velbrix reads that the file lacks (a run of them is one
// finding), and sections the file holds that Velbrix never reads: PRT0, beyond the count, beyond PRT1000, or
// named otherwise than PRT and a number. At most IGNORED_SECTIONS_LISTED of the latter are listed one by one.
Findings CheckModelSections(const IniView& view);

constexpr std::size_t IGNORED_SECTIONS_LISTED = 20;
