#include "velbrix-check/logic/Findings.h"

#include <algorithm>

#include "app/IniKeys.h"

namespace {

bool IsHighSurrogate(wchar_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::wstring CodeOf(const std::wstring& character) {
    uint32_t value = static_cast<uint32_t>(character[0]);
    if (character.size() == 2) {
        value = 0x10000u + ((value - 0xD800u) << 10) + (static_cast<uint32_t>(character[1]) - 0xDC00u);
    }
    constexpr wchar_t DIGITS[] = L"0123456789ABCDEF";
    std::wstring code = L"U+";
    for (int shift = value > 0xFFFF ? 20 : 12; shift >= 0; shift -= 4) {
        code.push_back(DIGITS[(value >> shift) & 0xF]);
    }
    return code;
}

std::wstring SectionText(std::wstring_view section, std::wstring_view key) {
    return L"[" + std::wstring(section) + L"]" + (key.empty() ? L"" : L" " + std::wstring(key));
}

} // namespace

Place CommonPlace(std::wstring_view key) {
    return {SectionText(SECTION_COMMON, key), PLACE_ORDER_COMMON};
}

Place ModelPlace(uint64_t number, std::wstring_view key) {
    return {SectionText(std::wstring(SECTION_MODEL_PREFIX) + std::to_wstring(number), key), PlaceOrderOfModel(number)};
}

Place ModelRunPlace(uint64_t first, uint64_t last) {
    return {ModelPlace(first).Text + L"-" + ModelPlace(last).Text, PlaceOrderOfModel(first)};
}

Place SectionPlace(const std::wstring& section, std::size_t order) {
    return {SectionText(section, {}), order};
}

void AddProblem(Findings& findings, Place place, CheckText text, std::vector<std::wstring> values) {
    findings.push_back({Severity::Problem, std::move(place), text, std::move(values)});
}

void AddNote(Findings& findings, Place place, CheckText text, std::vector<std::wstring> values) {
    findings.push_back({Severity::Note, std::move(place), text, std::move(values)});
}

std::wstring Number(uint64_t value) {
    return std::to_wstring(value);
}

std::vector<std::wstring> CharactersOf(const std::wstring& text) {
    std::vector<std::wstring> characters;
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (IsHighSurrogate(text[index]) && index + 1 < text.size() && IsLowSurrogate(text[index + 1])) {
            characters.push_back(text.substr(index, 2));
            ++index;
        } else {
            characters.emplace_back(1, text[index]);
        }
    }
    return characters;
}

std::wstring NameCharacters(const std::wstring& characters) {
    std::wstring named;
    std::vector<std::wstring> seen;
    for (const std::wstring& character : CharactersOf(characters)) {
        if (std::find(seen.begin(), seen.end(), character) != seen.end()) {
            continue;
        }
        seen.push_back(character);
        if (!named.empty()) {
            named += L", ";
        }
        const bool control = character[0] < 0x20 || (character[0] >= 0x7F && character[0] <= 0x9F);
        named += control ? CodeOf(character) : L"\"" + character + L"\" (" + CodeOf(character) + L")";
    }
    return named;
}
