#pragma once

#include <string>
#include <string_view>

#include "velbrix-check/ports/CodePages.h"

// How a text file is encoded, as far as the platform's readers care: a byte-order mark decides; without one
// the file is read in the ANSI code page, which reads plain ASCII right and anything else as that code page
// has it.
enum class TextEncoding { Utf16LeBom, Utf16BeBom, Utf8Bom, Ascii, Utf8WithoutBom, Ansi };

TextEncoding EncodingOf(std::string_view bytes);

// Whether the file holds text: no zero and no control character but tab, line feed, form feed, carriage
// return and the end-of-file mark (0x1A).
bool IsPlainText(std::string_view bytes, TextEncoding encoding);

// UTF-8 as UTF-16 code units, whatever the width of wchar_t; a byte that is not part of a valid sequence
// becomes U+FFFD.
std::wstring DecodeUtf8(std::string_view bytes);

// The file's text as the platform reads it: by its byte-order mark, or else in the ANSI code page.
std::wstring DecodeText(std::string_view bytes, TextEncoding encoding, ICodePages& codePages);
