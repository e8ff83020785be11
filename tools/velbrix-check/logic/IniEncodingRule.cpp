#include "velbrix-check/logic/IniEncodingRule.h"

#include "velbrix-check/logic/IniText.h"
#include "velbrix-check/logic/TextEncoding.h"

Findings CheckIniEncoding(std::string_view bytes, const IniView& view, CheckLanguage language) {
    Findings findings;
    const TextEncoding encoding = EncodingOf(bytes);
    if (!IsPlainText(bytes, encoding)) {
        AddProblem(findings, std::wstring(INI_FILE_NAME), CheckText::INI_NOT_TEXT);
        return findings;
    }
    switch (encoding) {
    case TextEncoding::Utf16LeBom:
        AddNote(findings, std::wstring(INI_FILE_NAME), CheckText::INI_ENCODING_SOUND,
                {TextOf(language, CheckText::ENCODING_UTF16LE)});
        break;
    case TextEncoding::Utf8Bom:
        AddNote(findings, std::wstring(INI_FILE_NAME), CheckText::INI_ENCODING_SOUND,
                {TextOf(language, CheckText::ENCODING_UTF8_BOM)});
        break;
    case TextEncoding::Ascii:
        AddNote(findings, std::wstring(INI_FILE_NAME), CheckText::INI_ENCODING_SOUND,
                {TextOf(language, CheckText::ENCODING_ASCII)});
        break;
    case TextEncoding::Utf16BeBom:
        AddProblem(findings, std::wstring(INI_FILE_NAME), CheckText::INI_UTF16_BIG_ENDIAN);
        break;
    case TextEncoding::Ansi:
        AddProblem(findings, std::wstring(INI_FILE_NAME), CheckText::INI_ANSI);
        break;
    case TextEncoding::Utf8WithoutBom: {
        AddProblem(findings, std::wstring(INI_FILE_NAME), CheckText::INI_UTF8_WITHOUT_BOM);
        // The value the supplier wrote, read from the file's text the way the platform's reader finds it.
        const std::vector<IniTextSection> written = ReadIniText(DecodeUtf8(bytes));
        for (const ModelSection& model : view.Models) {
            const std::pair<std::wstring_view, const std::wstring&> values[] = {
                {KEY_PRINTER_MODEL, model.Model},
                {KEY_PRINTER_DRIVER_NAME, model.DriverName},
                {KEY_PRINTER_DRIVER_PATH, model.DriverPath},
            };
            for (const auto& [key, read] : values) {
                const std::wstring* value = FindIniValue(written, model.Section, std::wstring(key));
                const std::wstring writtenValue = value != nullptr ? *value : std::wstring();
                if (read != writtenValue) {
                    AddProblem(findings, ModelPlace(model.Number, key), CheckText::VALUE_GARBLED, {read, writtenValue});
                }
            }
        }
        break;
    }
    }
    return findings;
}
