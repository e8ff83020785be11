#include "velbrix-check/logic/ModelSectionsRule.h"

#include <algorithm>
#include <optional>

#include "velbrix-check/logic/ReaderText.h"

namespace {

// What Velbrix makes of a section named PRT and something: the text that says why it is never read, or
// nothing when it is one of the sections read.
std::optional<CheckText> WhyIgnored(const std::wstring& suffix, std::size_t count) {
    const bool digits = !suffix.empty() && std::all_of(suffix.begin(), suffix.end(), [](wchar_t character) {
        return character >= L'0' && character <= L'9';
    });
    if (!digits) {
        return CheckText::SECTION_NOT_READ;
    }
    if (suffix == L"0") {
        return CheckText::SECTION_ZERO;
    }
    if (suffix.front() == L'0') {
        return CheckText::SECTION_NOT_READ;
    }
    // Numbers of more digits than the bound's are beyond it, whatever their value.
    const std::size_t number = suffix.size() > 4 ? PRINTER_MODEL_NUMS_MAX + 1 : std::stoul(suffix);
    if (number > PRINTER_MODEL_NUMS_MAX) {
        return CheckText::SECTION_BEYOND_BOUND;
    }
    if (number > count) {
        return CheckText::SECTION_BEYOND_COUNT;
    }
    return std::nullopt;
}

// Where a section that is not read goes in the report: among the model sections by the number its name begins
// with, or after them all.
std::size_t OrderOfIgnored(const std::wstring& suffix) {
    uint64_t number = 0;
    std::size_t digits = 0;
    for (; digits < suffix.size() && suffix[digits] >= L'0' && suffix[digits] <= L'9'; ++digits) {
        number = std::min<uint64_t>(number * 10 + static_cast<uint64_t>(suffix[digits] - L'0'), UINT32_MAX);
    }
    return digits == 0 ? PLACE_ORDER_OTHER_SECTION : PlaceOrderOfModel(number);
}

} // namespace

Findings CheckModelSections(const IniView& view) {
    Findings findings;
    const auto& models = view.Models;
    for (std::size_t first = 0; first < models.size(); ++first) {
        if (models[first].Present) {
            continue;
        }
        std::size_t last = first;
        while (last + 1 < models.size() && !models[last + 1].Present) {
            ++last;
        }
        if (first == last) {
            AddProblem(findings, ModelPlace(models[first].Number), CheckText::SECTION_MISSING);
        } else {
            AddProblem(findings, ModelRunPlace(models[first].Number, models[last].Number), CheckText::SECTIONS_MISSING,
                       {Number(last - first + 1)});
        }
        first = last;
    }

    std::size_t ignored = 0;
    Place firstUnlisted;
    for (const std::wstring& name : view.SectionNames) {
        if (name.size() < SECTION_MODEL_PREFIX.size() ||
            !EqualIgnoringAsciiCase(name.substr(0, SECTION_MODEL_PREFIX.size()), std::wstring(SECTION_MODEL_PREFIX))) {
            continue;
        }
        const std::wstring suffix = name.substr(SECTION_MODEL_PREFIX.size());
        const auto why = WhyIgnored(suffix, models.size());
        if (!why) {
            continue;
        }
        if (++ignored > IGNORED_SECTIONS_LISTED) {
            if (firstUnlisted.Text.empty()) {
                firstUnlisted = SectionPlace(name, OrderOfIgnored(suffix));
            }
            continue;
        }
        std::vector<std::wstring> values;
        if (*why == CheckText::SECTION_BEYOND_COUNT) {
            values.push_back(Number(models.size()));
        }
        AddProblem(findings, SectionPlace(name, OrderOfIgnored(suffix)), *why, std::move(values));
    }
    if (ignored > IGNORED_SECTIONS_LISTED) {
        AddProblem(findings, firstUnlisted, CheckText::SECTIONS_MORE, {Number(ignored - IGNORED_SECTIONS_LISTED)});
    }
    return findings;
}
