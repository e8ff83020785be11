#pragma once

#include "velbrix-check/logic/Findings.h"
#include "velbrix-check/logic/IniView.h"
#include "velbrix-check/ports/CodePages.h"
#include "velbrix-check/ports/FolderFiles.h"

// Printer INF files are a few hundred kilobytes at most; a larger file is not read, so that a wrong file cannot
// hold the checker up.
constexpr std::size_t INF_READ_MAX = 8 * 1024 * 1024;

// Each model's driver as automatic installation would take it: a driver name and an INF path at all, the path
// from the folder to an INF file that exists, the INF file readable text with a [Manufacturer] section, and the
// driver name among the models of a model section that 64-bit Windows uses.
Findings CheckDriverFiles(const IniView& view, IFolderFiles& files, ICodePages& codePages, CheckLanguage language);
