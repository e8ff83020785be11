#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "velbrix-check/logic/CheckTexts.h"

// A problem is something that would go wrong at the end user's desk and makes the checker fail; a note tells
// the supplier how Velbrix will read the folder.
enum class Severity { Problem, Note };

// Where a place goes in the report: the folder and its files first, then [COMMON], then the model sections
// (and runs of them) by their first number, then any other section.
constexpr std::size_t PLACE_ORDER_FILES = 0;
constexpr std::size_t PLACE_ORDER_COMMON = 1;
constexpr std::size_t PLACE_ORDER_OTHER_SECTION = SIZE_MAX;
constexpr std::size_t PlaceOrderOfModel(uint64_t number) {
    return number < PLACE_ORDER_OTHER_SECTION - 2 ? static_cast<std::size_t>(number) + 2
                                                  : PLACE_ORDER_OTHER_SECTION - 1;
}

// Where a finding is: as the report names it ("[PRT1] PrinterModel", "velbrix.ini", the folder), and where it
// goes in the report. A text names one place, so the text alone tells two places apart.
struct Place {
    Place(std::wstring text = {}, std::size_t order = PLACE_ORDER_FILES) : Text(std::move(text)), Order(order) {}

    std::wstring Text;
    std::size_t Order;

    bool operator==(const Place& other) const { return Text == other.Text; }
};

// "[COMMON] SearchDuration".
Place CommonPlace(std::wstring_view key);
// "[PRT1] PrinterModel", or "[PRT1]" without a key.
Place ModelPlace(uint64_t number, std::wstring_view key = {});
// "[PRT2]-[PRT5]".
Place ModelRunPlace(uint64_t first, uint64_t last);
// A section Velbrix does not read as a model, in that order.
Place SectionPlace(const std::wstring& section, std::size_t order);

// One line of the report: where, and what, as a named text and the values that fill its placeholders.
struct Finding {
    Severity Level = Severity::Problem;
    Place Where;
    CheckText Text = CheckText::NONE;
    std::vector<std::wstring> Values;

    bool operator==(const Finding&) const = default;
};

using Findings = std::vector<Finding>;

void AddProblem(Findings& findings, Place place, CheckText text, std::vector<std::wstring> values = {});
void AddNote(Findings& findings, Place place, CheckText text, std::vector<std::wstring> values = {});

// A value as the report quotes it inside a text; values are never cut, so what the reader sees is exact.
std::wstring Number(uint64_t value);

// The characters of a text, a surrogate pair kept together as one.
std::vector<std::wstring> CharactersOf(const std::wstring& text);

// Characters named for the report, each once, in order: a visible one between double quotes followed by its
// code, a control character (C0, DEL or C1) by its code alone ("\"ก\" (U+0E01)", "U+000A").
std::wstring NameCharacters(const std::wstring& characters);
