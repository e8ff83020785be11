#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "ports/MainWindow.h"
#include "ports/ScriptProcess.h"
#include "resource.h"

// What a person sees and what changes on the screen, in the order it happens, one entry each. The fakes of
// the window, the script file and the script process write into one stream, so that a test of a flow
// compares the whole of it, order included, with the stream it expects. The functions below are the
// stream's words; the fakes and the tests both speak them.
using SeenStream = std::vector<std::wstring>;

namespace seen {

// A control as a person names it.
inline std::wstring ControlName(int controlId) {
    switch (controlId) {
    case IDC_SEARCH:
        return L"search";
    case IDC_INSTALL:
        return L"install";
    case IDCANCEL:
        return L"exit";
    case IDC_MODEL_COMBO:
        return L"model list";
    case IDC_PRINTER_LIST:
        return L"printer list";
    default:
        return L"control " + std::to_wstring(controlId);
    }
}

inline std::wstring Log(const std::wstring& line) {
    return L"log: " + line;
}

inline std::wstring LogCleared() {
    return L"log emptied";
}

inline std::wstring Box(IMainWindow::BoxIcon icon, const std::wstring& caption, const std::wstring& text) {
    const wchar_t* iconName = icon == IMainWindow::BoxIcon::Warning       ? L"warning"
                              : icon == IMainWindow::BoxIcon::Information ? L"information"
                                                                          : L"no icon";
    return L"box (" + std::wstring(iconName) + L") " + caption + L": " + text;
}

inline std::wstring Button(int controlId, bool enabled) {
    return ControlName(controlId) + (enabled ? L" on" : L" off");
}

// Search, install and exit, in that order, as the window's flows switch them together.
inline SeenStream CommandButtons(bool enabled) {
    return {Button(IDC_SEARCH, enabled), Button(IDC_INSTALL, enabled), Button(IDCANCEL, enabled)};
}

inline std::wstring Focus(int controlId) {
    return L"focus to " + ControlName(controlId);
}

inline std::wstring PrinterListEmptied() {
    return L"printer list emptied";
}

inline std::wstring TimerStarted(uint32_t timerId, uint32_t milliseconds) {
    return L"timer " + std::to_wstring(timerId) + L" started, " + std::to_wstring(milliseconds) + L" ms";
}

inline std::wstring TimerKilled(uint32_t timerId) {
    return L"timer " + std::to_wstring(timerId) + L" killed";
}

inline std::wstring AskedToClose(const std::wstring& title) {
    return L"window titled \"" + title + L"\" asked to close";
}

inline std::wstring MenuSeparatorAppended() {
    return L"system menu: separator appended";
}

inline std::wstring MenuItemAppended(uint32_t commandId, const std::wstring& text) {
    return L"system menu: " + text + L" appended as " + std::to_wstring(commandId);
}

inline std::wstring MenuItemRemoved(uint32_t position) {
    return L"system menu: item at " + std::to_wstring(position) + L" removed";
}

inline std::wstring ScriptWritten(const std::wstring& path, const std::wstring& text) {
    return L"script " + path + L" written: " + text;
}

inline std::wstring ScriptStarted(const std::wstring& path, bool ownConsole, bool askForRights = false) {
    return L"script " + path + (ownConsole ? L" started in a console of its own" : L" started without a window") +
           (askForRights ? L", after the consent prompt" : L"");
}

inline std::wstring ScriptAwaited(uint32_t milliseconds) {
    return milliseconds == SCRIPT_WAIT_UNLIMITED ? std::wstring(L"script awaited until it ends")
                                                 : L"script awaited, at most " + std::to_wstring(milliseconds) + L" ms";
}

// The script file no longer held against change.
inline std::wstring ScriptLetGo() {
    return L"script file let go";
}

// Pieces of a stream, joined in their order.
inline SeenStream Joined(std::initializer_list<SeenStream> pieces) {
    SeenStream joined;
    for (const SeenStream& piece : pieces) {
        joined.insert(joined.end(), piece.begin(), piece.end());
    }
    return joined;
}

inline std::wstring Clipboard(const std::wstring& text) {
    return L"clipboard holds " + text;
}

inline std::wstring PrinterDeleted(const std::wstring& printerName) {
    return L"printer " + printerName + L" deleted";
}

inline std::wstring ProcessEnded(uint32_t exitCode) {
    return L"process ended with exit code " + std::to_wstring(exitCode);
}

} // namespace seen
