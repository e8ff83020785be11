#pragma once

#include <string>
#include <vector>

#include "ports/UserInterfaceLanguage.h"
#include "velbrix-check/logic/FolderCheck.h"
#include "velbrix-check/logic/ListenCheck.h"
#include "velbrix-check/ports/CheckOutput.h"

// The report's lines: a heading with the folder, one line per finding ("Problem: [PRT1] PrinterModel: ..."),
// and a closing summary.
std::vector<std::wstring> ReportLines(const FolderCheck& check, CheckLanguage language);

// The whole program: "VelbrixCheck [FOLDER]" checks the folder and reports in the user's language; "/?", "-h"
// or "--help" shows the usage (exit code 0), more than one argument shows it as an error (exit code 2).
// "VelbrixCheck --listen [MODEL] [SECONDS]" listens as Velbrix searches (see RunListenCheck); without listen
// ports it cannot listen (exit code 2). Answers the exit code.
int RunVelbrixCheck(const std::vector<std::wstring>& arguments, const CheckPorts& ports,
                    IUserInterfaceLanguage& userLanguage, ICheckOutput& output, ListenPorts* listen = nullptr);
