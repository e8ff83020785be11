#pragma once

#include <string>

#include "ports/Clipboard.h"
#include "ports/MainWindow.h"

// The log list box: lines in the order added, the last one selected so that it is scrolled into view.
class LogPane {
public:
    explicit LogPane(IMainWindow& window) : m_window(window) {}

    void Append(const std::wstring& line);
    void Clear();
    // Puts every line on the clipboard as Unicode text, each ended by CR LF, so that a person can hand the
    // log on. Answers false when another program holds the clipboard.
    bool CopyAll(IClipboard& clipboard);

private:
    IMainWindow& m_window;
};
