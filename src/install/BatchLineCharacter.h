#pragma once

// Whether a character breaks a batch line when it stands between double quotes in it: a double quote, which ends
// the quoted value; "%" or "!", which the command interpreter expands even inside quotes; a control character
// (below U+0020, or U+007F), which could end the line.
bool BreaksBatchLine(wchar_t character);
