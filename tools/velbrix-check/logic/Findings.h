#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "velbrix-check/logic/CheckTexts.h"

// A problem is something that would go wrong at the end user's desk and makes the checker fail; a note tells
// the supplier how Velbrix will read the folder.
enum class Severity { Problem, Note };

// One line of the report: where (a section and key, a file, the folder), and what, as a named text and the
// values that fill its placeholders.
struct Finding {
    Severity Level = Severity::Problem;
    std::wstring Place;
    CheckText Text = CheckText::NONE;
    std::vector<std::wstring> Values;

    bool operator==(const Finding&) const = default;
};

using Findings = std::vector<Finding>;

// "[PRT1] PrinterModel", or "[PRT1]" without a key.
std::wstring PlaceOf(const std::wstring& section, const std::wstring& key = {});

void AddProblem(Findings& findings, std::wstring place, CheckText text, std::vector<std::wstring> values = {});
void AddNote(Findings& findings, std::wstring place, CheckText text, std::vector<std::wstring> values = {});

// A value as the report quotes it inside a text; values are never cut, so what the reader sees is exact.
std::wstring Number(uint64_t value);

// The characters of a text, a surrogate pair kept together as one.
std::vector<std::wstring> CharactersOf(const std::wstring& text);

// Characters named for the report, each once, in order: a visible one between double quotes followed by its
// code, a control character (C0, DEL or C1) by its code alone ("\"ก\" (U+0E01)", "U+000A").
std::wstring NameCharacters(const std::wstring& characters);
