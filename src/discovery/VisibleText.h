#pragma once

#include <string>

// A text as the list and the comparisons read it: up to its first zero character. A queue name keeps the zero
// bytes of its datagram, and every name, address and path built from one ends where a reader of it would stop.
std::wstring VisibleText(const std::wstring& text);
