#include "velbrix-check/logic/TextEncoding.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

constexpr std::string_view UTF16LE_BOM = "\xFF\xFE";
constexpr std::string_view UTF16BE_BOM = "\xFE\xFF";
constexpr std::string_view UTF8_BOM = "\xEF\xBB\xBF";
constexpr wchar_t REPLACEMENT = 0xFFFD;

// The lead bytes of the sequences of two, three and four bytes, with the bits they carry and the smallest
// value a sequence of that length may hold (anything less is an overlong form).
struct LeadByte {
    uint8_t Low;
    uint8_t High;
    uint8_t Mask;
    std::size_t Length;
    uint32_t Smallest;
};
constexpr LeadByte LEADS[] = {
    {0xC2, 0xDF, 0x1F, 2, 0x80}, {0xE0, 0xEF, 0x0F, 3, 0x800}, {0xF0, 0xF4, 0x07, 4, 0x10000}};

bool IsControl(uint32_t value) {
    return value < 0x20 && value != 0x09 && value != 0x0A && value != 0x0C && value != 0x0D && value != 0x1A;
}

// The code point of the UTF-8 sequence at the index and its length, or nothing when the bytes there are not one.
std::optional<std::pair<uint32_t, std::size_t>> Utf8At(std::string_view bytes, std::size_t index) {
    const auto lead = static_cast<uint8_t>(bytes[index]);
    if (lead < 0x80) {
        return std::make_pair(static_cast<uint32_t>(lead), std::size_t{1});
    }
    const auto kind = std::find_if(std::begin(LEADS), std::end(LEADS), [lead](const LeadByte& candidate) {
        return lead >= candidate.Low && lead <= candidate.High;
    });
    if (kind == std::end(LEADS)) {
        return std::nullopt;
    }
    const std::size_t length = kind->Length;
    const uint32_t smallest = kind->Smallest;
    uint32_t value = lead & kind->Mask;
    if (index + length > bytes.size()) {
        return std::nullopt;
    }
    for (std::size_t next = 1; next < length; ++next) {
        const auto byte = static_cast<uint8_t>(bytes[index + next]);
        if ((byte & 0xC0u) != 0x80u) {
            return std::nullopt;
        }
        value = (value << 6) | (byte & 0x3Fu);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    return std::make_pair(value, length);
}

bool IsUtf8(std::string_view bytes) {
    for (std::size_t index = 0; index < bytes.size();) {
        const auto sequence = Utf8At(bytes, index);
        if (!sequence) {
            return false;
        }
        index += sequence->second;
    }
    return true;
}

std::wstring DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::wstring text;
    text.reserve(bytes.size() / 2);
    for (std::size_t index = 0; index + 1 < bytes.size(); index += 2) {
        const auto first = static_cast<uint8_t>(bytes[index]);
        const auto second = static_cast<uint8_t>(bytes[index + 1]);
        text.push_back(static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    return text;
}

} // namespace

TextEncoding EncodingOf(std::string_view bytes) {
    if (bytes.starts_with(UTF16LE_BOM)) {
        return TextEncoding::Utf16LeBom;
    }
    if (bytes.starts_with(UTF16BE_BOM)) {
        return TextEncoding::Utf16BeBom;
    }
    if (bytes.starts_with(UTF8_BOM)) {
        return TextEncoding::Utf8Bom;
    }
    if (std::all_of(bytes.begin(), bytes.end(), [](char byte) { return static_cast<uint8_t>(byte) < 0x80; })) {
        return TextEncoding::Ascii;
    }
    return IsUtf8(bytes) ? TextEncoding::Utf8WithoutBom : TextEncoding::Ansi;
}

bool IsPlainText(std::string_view bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf16LeBom || encoding == TextEncoding::Utf16BeBom) {
        const std::wstring text = DecodeUtf16(bytes.substr(2), encoding == TextEncoding::Utf16BeBom);
        return std::none_of(text.begin(), text.end(),
                            [](wchar_t unit) { return IsControl(static_cast<uint32_t>(unit)); });
    }
    return std::none_of(bytes.begin(), bytes.end(), [](char byte) { return IsControl(static_cast<uint8_t>(byte)); });
}

std::wstring DecodeUtf8(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (std::size_t index = 0; index < bytes.size();) {
        const auto sequence = Utf8At(bytes, index);
        if (!sequence) {
            text.push_back(REPLACEMENT);
            ++index;
            continue;
        }
        const uint32_t value = sequence->first;
        if (value > 0xFFFF) {
            text.push_back(static_cast<wchar_t>(0xD800u + ((value - 0x10000u) >> 10)));
            text.push_back(static_cast<wchar_t>(0xDC00u + ((value - 0x10000u) & 0x3FFu)));
        } else {
            text.push_back(static_cast<wchar_t>(value));
        }
        index += sequence->second;
    }
    return text;
}

std::wstring DecodeText(std::string_view bytes, TextEncoding encoding, ICodePages& codePages) {
    switch (encoding) {
    case TextEncoding::Utf16LeBom:
        return DecodeUtf16(bytes.substr(UTF16LE_BOM.size()), false);
    case TextEncoding::Utf16BeBom:
        return DecodeUtf16(bytes.substr(UTF16BE_BOM.size()), true);
    case TextEncoding::Utf8Bom:
        return DecodeUtf8(bytes.substr(UTF8_BOM.size()));
    default:
        return codePages.FromAnsiCodePage(std::string(bytes));
    }
}
