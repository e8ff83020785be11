#pragma once

#include <string>

#include "ports/MainWindow.h"

// The log list box: lines in the order added, the last one selected so that it is scrolled into view.
class LogPane {
public:
    explicit LogPane(IMainWindow& window) : m_window(window) {}

    void Append(const std::wstring& line);
    void Clear();

private:
    IMainWindow& m_window;
};
