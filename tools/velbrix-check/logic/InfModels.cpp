#include "velbrix-check/logic/InfModels.h"

#include <algorithm>
#include <map>

#include "velbrix-check/logic/ReaderText.h"

namespace {

// The line up to its comment, if it has one: a ";" outside double quotes.
std::wstring WithoutComment(const std::wstring& line) {
    bool quoted = false;
    for (std::size_t index = 0; index < line.size(); ++index) {
        if (line[index] == L'"') {
            quoted = !quoted;
        } else if (line[index] == L';' && !quoted) {
            return line.substr(0, index);
        }
    }
    return line;
}

// The lines as the INF reader takes them: without comments, a line ending in "\" joined with the next.
std::vector<std::wstring> LogicalLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::wstring pending;
    std::size_t start = 0;
    while (start <= text.size()) {
        auto end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos) {
            end = text.size();
        }
        std::wstring line = TrimBlanks(WithoutComment(text.substr(start, end - start)));
        if (!line.empty() && line.back() == L'\\') {
            line.pop_back();
            pending += line;
        } else {
            lines.push_back(pending + line);
            pending.clear();
        }
        if (end == text.size()) {
            break;
        }
        start = text.compare(end, 2, L"\r\n") == 0 ? end + 2 : end + 1;
    }
    if (!pending.empty()) {
        lines.push_back(pending);
    }
    return lines;
}

// Splits a line at the first "=" outside double quotes; nothing on the right when there is none.
std::pair<std::wstring, std::wstring> SplitEntry(const std::wstring& line, bool& hasEquals) {
    bool quoted = false;
    for (std::size_t index = 0; index < line.size(); ++index) {
        if (line[index] == L'"') {
            quoted = !quoted;
        } else if (line[index] == L'=' && !quoted) {
            hasEquals = true;
            return {TrimBlanks(line.substr(0, index)), TrimBlanks(line.substr(index + 1))};
        }
    }
    hasEquals = false;
    return {TrimBlanks(line), {}};
}

std::vector<std::wstring> SplitFields(const std::wstring& value) {
    std::vector<std::wstring> fields;
    std::wstring field;
    bool quoted = false;
    for (const wchar_t character : value) {
        if (character == L'"') {
            quoted = !quoted;
        }
        if (character == L',' && !quoted) {
            fields.push_back(TrimBlanks(field));
            field.clear();
            continue;
        }
        field.push_back(character);
    }
    fields.push_back(TrimBlanks(field));
    return fields;
}

using SectionLines = std::map<std::wstring, std::vector<std::wstring>>;
using StringTable = std::map<std::wstring, std::wstring>;

// A field's value: quotes taken away (a doubled quote inside stands for one), %strkey% replaced by its string.
// A token without a string is kept as it stands, as the INF reader shows it.
std::wstring Expand(const std::wstring& field, const StringTable& strings) {
    std::wstring value;
    for (std::size_t index = 0; index < field.size();) {
        const wchar_t character = field[index];
        if (character == L'"') {
            for (++index; index < field.size(); ++index) {
                if (field[index] == L'"') {
                    if (index + 1 < field.size() && field[index + 1] == L'"') {
                        value.push_back(L'"');
                        ++index;
                        continue;
                    }
                    break;
                }
                value.push_back(field[index]);
            }
            ++index;
            continue;
        }
        if (character == L'%') {
            const auto close = field.find(L'%', index + 1);
            if (close == std::wstring::npos) {
                value += field.substr(index);
                break;
            }
            const std::wstring key = field.substr(index + 1, close - index - 1);
            const auto found = strings.find(LowerAscii(key));
            if (key.empty()) {
                value.push_back(L'%');
            } else if (found != strings.end()) {
                value += found->second;
            } else {
                value += field.substr(index, close - index + 1);
            }
            index = close + 1;
            continue;
        }
        value.push_back(character);
        ++index;
    }
    return value;
}

SectionLines ReadSections(const std::wstring& text) {
    SectionLines sections;
    std::vector<std::wstring>* current = nullptr;
    for (const std::wstring& line : LogicalLines(text)) {
        if (line.empty()) {
            continue;
        }
        if (line.front() == L'[') {
            const auto close = line.find(L']');
            const std::wstring name =
                TrimBlanks(line.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1));
            // Sections of the same name are one section.
            current = &sections[LowerAscii(name)];
            continue;
        }
        if (current != nullptr) {
            current->push_back(line);
        }
    }
    return sections;
}

// 64-bit Windows takes models only from a section whose decoration names its architecture: NTamd64, alone or
// followed by an operating-system version.
bool IsX64Decoration(const std::wstring& decoration) {
    const std::wstring lower = LowerAscii(decoration);
    const std::wstring x64 = L"ntamd64";
    return lower.starts_with(x64) && (lower.size() == x64.size() || lower[x64.size()] == L'.');
}

} // namespace

InfModels ReadInfModels(const std::wstring& text) {
    const SectionLines sections = ReadSections(text);
    StringTable strings;
    if (const auto found = sections.find(L"strings"); found != sections.end()) {
        for (const std::wstring& line : found->second) {
            bool hasEquals = false;
            const auto [key, value] = SplitEntry(line, hasEquals);
            if (hasEquals) {
                strings.emplace(LowerAscii(Expand(key, {})), Expand(value, {}));
            }
        }
    }

    InfModels models;
    const auto manufacturer = sections.find(L"manufacturer");
    if (manufacturer == sections.end()) {
        return models;
    }
    models.HasManufacturer = true;
    for (const std::wstring& line : manufacturer->second) {
        bool hasEquals = false;
        const auto [name, right] = SplitEntry(line, hasEquals);
        // "manufacturer-name" alone names its models section too.
        std::vector<std::wstring> fields = hasEquals ? SplitFields(right) : std::vector<std::wstring>{name};
        const std::wstring base = Expand(fields[0], strings);
        if (base.empty()) {
            continue;
        }
        std::vector<std::pair<std::wstring, bool>> names = {{base, false}};
        for (std::size_t field = 1; field < fields.size(); ++field) {
            if (!fields[field].empty()) {
                names.emplace_back(base + L"." + fields[field], IsX64Decoration(fields[field]));
            }
        }
        for (const auto& [sectionName, forX64] : names) {
            InfModelSection section{sectionName, base, forX64, {}};
            if (const auto found = sections.find(LowerAscii(sectionName)); found != sections.end()) {
                for (const std::wstring& modelLine : found->second) {
                    bool modelHasEquals = false;
                    const std::wstring description = Expand(SplitEntry(modelLine, modelHasEquals).first, strings);
                    if (modelHasEquals && !description.empty() &&
                        std::find(section.DriverNames.begin(), section.DriverNames.end(), description) ==
                            section.DriverNames.end()) {
                        section.DriverNames.push_back(description);
                    }
                }
            }
            models.Sections.push_back(std::move(section));
        }
    }
    return models;
}
