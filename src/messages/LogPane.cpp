#include "messages/LogPane.h"

void LogPane::Append(const std::wstring& line) {
    m_window.LogAddLine(line);
    m_window.LogSelectLine(m_window.LogLineCount() - 1);
}

void LogPane::Clear() {
    m_window.LogClear();
}
