#include "messages/LogPane.h"

void LogPane::Append(const std::wstring& line) {
    m_window.LogAddLine(line);
    m_window.LogSelectLine(m_window.LogLineCount() - 1);
}

void LogPane::Clear() {
    m_window.LogClear();
}

bool LogPane::CopyAll(IClipboard& clipboard) {
    std::wstring text;
    const int lines = m_window.LogLineCount();
    for (int line = 0; line < lines; ++line) {
        text += m_window.LogLineText(line) + L"\r\n";
    }
    return clipboard.PutUnicodeText(text);
}
