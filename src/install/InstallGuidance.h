#pragma once

#include <string>

#include "messages/LogPane.h"
#include "messages/MessageCatalogue.h"
#include "ports/Clipboard.h"
#include "ports/MainWindow.h"

// Guided installation: the printer's port address goes on the clipboard, and a box and the log tell the
// user how to finish in the Add Printer wizard; when another program holds the clipboard, they show the
// address to type in instead.
void ShowInstallGuidance(IMainWindow& window, const MessageCatalogue& catalogue, IClipboard& clipboard,
                         const std::wstring& portAddress);
