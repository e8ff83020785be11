#include "discovery/VisibleText.h"

std::wstring VisibleText(const std::wstring& text) {
    return text.substr(0, text.find(L'\0'));
}
