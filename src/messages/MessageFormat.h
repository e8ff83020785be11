#pragma once

#include <cstdint>
#include <span>
#include <string>

// Applies the printf conversion rules to a catalogue format text with integer arguments, in the order of the
// placeholders: %d, %i and %u with the flags "-", "+", " ", "0", a width and a precision, and "%%". Formatting
// is done here rather than by the C library so that a translation can never make it read an argument that is
// not there: a placeholder without an argument, or one of another kind (%s, %x, ...), is copied as it stands.
std::wstring FormatMessageText(const std::wstring& format, std::span<const int32_t> arguments);
