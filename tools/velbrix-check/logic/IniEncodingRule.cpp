#include "velbrix-check/logic/IniEncodingRule.h"

#include "velbrix-check/logic/TextEncoding.h"

namespace {

std::wstring Trim(const std::wstring& text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// The value the supplier wrote, read from the file's text the way the platform's reader finds it: the first
// section and the first key of the name, without regard to case, trimmed, one pair of enclosing double quotes
// taken away.
std::wstring WrittenValue(const std::wstring& text, const std::wstring& section, const std::wstring& key) {
    bool inSection = false;
    bool sectionSeen = false;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos) {
            end = text.size();
        }
        const std::wstring line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (!line.empty() && line.front() == L'[') {
            if (sectionSeen && inSection) {
                break;
            }
            const auto close = line.find(L']');
            inSection = close != std::wstring::npos && SameSectionName(Trim(line.substr(1, close - 1)), section);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        const auto equals = line.find(L'=');
        if (!inSection || equals == std::wstring::npos || !SameSectionName(Trim(line.substr(0, equals)), key)) {
            continue;
        }
        std::wstring value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == L'"' && value.back() == L'"') {
            value = value.substr(1, value.size() - 2);
        }
        return value;
    }
    return {};
}

} // namespace

Findings CheckIniEncoding(std::string_view bytes, const IniView& view, CheckLanguage language) {
    Findings findings;
    const TextEncoding encoding = EncodingOf(bytes);
    if (!IsPlainText(bytes, encoding)) {
        AddProblem(findings, INI_FILE_NAME, CheckText::INI_NOT_TEXT);
        return findings;
    }
    switch (encoding) {
    case TextEncoding::Utf16LeBom:
        AddNote(findings, INI_FILE_NAME, CheckText::INI_ENCODING_SOUND,
                {TextOf(language, CheckText::ENCODING_UTF16LE)});
        break;
    case TextEncoding::Utf8Bom:
        AddNote(findings, INI_FILE_NAME, CheckText::INI_ENCODING_SOUND,
                {TextOf(language, CheckText::ENCODING_UTF8_BOM)});
        break;
    case TextEncoding::Ascii:
        AddNote(findings, INI_FILE_NAME, CheckText::INI_ENCODING_SOUND, {TextOf(language, CheckText::ENCODING_ASCII)});
        break;
    case TextEncoding::Utf16BeBom:
        AddProblem(findings, INI_FILE_NAME, CheckText::INI_UTF16_BIG_ENDIAN);
        break;
    case TextEncoding::Ansi:
        AddProblem(findings, INI_FILE_NAME, CheckText::INI_ANSI);
        break;
    case TextEncoding::Utf8WithoutBom: {
        AddProblem(findings, INI_FILE_NAME, CheckText::INI_UTF8_WITHOUT_BOM);
        const std::wstring text = DecodeUtf8(bytes);
        for (const ModelSection& model : view.Models) {
            const std::pair<const std::wstring&, const std::wstring&> values[] = {
                {KEY_PRINTER_MODEL, model.Model},
                {KEY_PRINTER_DRIVER_NAME, model.DriverName},
                {KEY_PRINTER_DRIVER_PATH, model.DriverPath},
            };
            for (const auto& [key, read] : values) {
                const std::wstring written = WrittenValue(text, model.Section, key);
                if (read != written) {
                    AddProblem(findings, PlaceOf(model.Section, key), CheckText::VALUE_GARBLED, {read, written});
                }
            }
        }
        break;
    }
    }
    return findings;
}
