#pragma once

#include <string_view>

#include "velbrix-check/logic/Findings.h"
#include "velbrix-check/logic/IniView.h"

// The encoding of velbrix.ini, and what the platform's reader makes of the names in a file saved as UTF-8
// without a byte-order mark: each value that comes out other than written, shown as Velbrix will display it.
Findings CheckIniEncoding(std::string_view bytes, const IniView& view, CheckLanguage language);
