#include "velbrix-check/logic/ReaderText.h"

#include <algorithm>

namespace {

wchar_t LowerAsciiLetter(wchar_t character) {
    return character >= L'A' && character <= L'Z' ? static_cast<wchar_t>(character - L'A' + L'a') : character;
}

} // namespace

std::wstring TrimBlanks(const std::wstring& text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

std::wstring LowerAscii(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(), LowerAsciiLetter);
    return text;
}

bool EqualIgnoringAsciiCase(const std::wstring& left, const std::wstring& right) {
    return left.size() == right.size() && std::equal(left.begin(), left.end(), right.begin(), [](wchar_t a, wchar_t b) {
               return LowerAsciiLetter(a) == LowerAsciiLetter(b);
           });
}
