#include "win32/Win32ScriptFile.h"

#include <clocale>
#include <cstdio>
#include <cwchar>

namespace {

// The C runtime's name of the Chinese (PRC) locale, whose code page is 936.
const wchar_t CODE_PAGE_936_LOCALE[] = L"chs";

// Puts the remembered LC_CTYPE locale back on every way out, so that the rest of the process never writes
// in code page 936 by accident.
class CtypeLocaleSwitch {
public:
    explicit CtypeLocaleSwitch(const wchar_t* locale) {
        if (const wchar_t* current = _wsetlocale(LC_CTYPE, nullptr)) {
            m_previous = current;
        }
        m_switched = _wsetlocale(LC_CTYPE, locale) != nullptr;
    }
    ~CtypeLocaleSwitch() {
        if (!m_previous.empty()) {
            _wsetlocale(LC_CTYPE, m_previous.c_str());
        }
    }
    CtypeLocaleSwitch(const CtypeLocaleSwitch&) = delete;
    CtypeLocaleSwitch& operator=(const CtypeLocaleSwitch&) = delete;

    bool Switched() const { return m_switched; }

private:
    // A copy: the runtime's own answer is overwritten by the next switch.
    std::wstring m_previous;
    bool m_switched = false;
};

} // namespace

bool Win32ScriptFile::Write(const std::wstring& path, const std::wstring& text) {
    FILE* const file = _wfopen(path.c_str(), L"w");
    if (file == nullptr) {
        return false;
    }
    const CtypeLocaleSwitch locale(CODE_PAGE_936_LOCALE);
    // A character without a code page 936 form shows only in this answer (WEOF, where the C standard would
    // say EOF): the stream's error flag, the flush and the close all still report success afterwards.
    const int put = locale.Switched() ? fputws(text.c_str(), file) : EOF;
    const bool written = put >= 0 && put != static_cast<int>(WEOF);
    const bool flushed = fflush(file) == 0;
    const bool closed = fclose(file) == 0;
    return written && flushed && closed;
}
