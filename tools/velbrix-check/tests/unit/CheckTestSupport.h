#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "velbrix-check/logic/Findings.h"
#include "velbrix-check/tests/fakes/FakeSupplierFolder.h"

// A finding as a failed expectation shows it: its level, place, English text and values.
inline void PrintTo(const Finding& finding, std::ostream* out) {
    const std::wstring text = std::wstring(finding.Level == Severity::Problem ? L"Problem " : L"Note ") +
                              finding.Where.Text + L": " +
                              FillText(TextOf(CheckLanguage::English, finding.Text), finding.Values);
    *out << Utf8(text);
}

inline Finding Problem(std::wstring place, CheckText text, std::vector<std::wstring> values = {}) {
    return {Severity::Problem, std::move(place), text, std::move(values)};
}

inline Finding Note(std::wstring place, CheckText text, std::vector<std::wstring> values = {}) {
    return {Severity::Note, std::move(place), text, std::move(values)};
}

// Only the problems among the findings.
inline Findings ProblemsOf(const Findings& findings) {
    Findings problems;
    for (const Finding& finding : findings) {
        if (finding.Level == Severity::Problem) {
            problems.push_back(finding);
        }
    }
    return problems;
}

// A velbrix.ini of plain ASCII: [COMMON] with the count, then the model sections given as their text.
inline std::string AsciiIni(int count, const std::wstring& sections) {
    return Ascii(L"[COMMON]\r\nPrinterModelNums=" + std::to_wstring(count) + L"\r\nSearchDuration=5\r\n\r\n" +
                 sections);
}

// One model section's text.
inline std::wstring ModelSectionText(int number, const std::wstring& model, const std::wstring& driverName,
                                     const std::wstring& driverPath) {
    return L"[PRT" + std::to_wstring(number) + L"]\r\nPrinterModel=" + model + L"\r\nPrinterDriverName=" + driverName +
           L"\r\nPrinterDriverPath=" + driverPath + L"\r\n";
}
