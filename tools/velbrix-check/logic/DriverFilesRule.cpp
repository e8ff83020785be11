#include "velbrix-check/logic/DriverFilesRule.h"

#include <algorithm>
#include <map>

#include "velbrix-check/logic/InfModels.h"
#include "velbrix-check/logic/ReaderText.h"
#include "velbrix-check/logic/TextEncoding.h"

namespace {

// How many of an INF file's driver names a finding lists.
constexpr std::size_t DRIVER_NAMES_LISTED = 8;

struct InfFile {
    enum class Outcome { Read, TooLarge, Unreadable, NotText } State = Outcome::Unreadable;
    uint64_t Size = 0;
    InfModels Models;
};

InfFile ReadInf(IFolderFiles& files, ICodePages& codePages, const std::wstring& path) {
    const IFolderFiles::FileBytes read = files.Read(path, INF_READ_MAX);
    InfFile inf;
    inf.Size = read.Size;
    if (read.Status == IFolderFiles::ReadStatus::TooLarge) {
        inf.State = InfFile::Outcome::TooLarge;
        return inf;
    }
    if (read.Status != IFolderFiles::ReadStatus::Read) {
        return inf;
    }
    const TextEncoding encoding = EncodingOf(read.Bytes);
    if (!IsPlainText(read.Bytes, encoding)) {
        inf.State = InfFile::Outcome::NotText;
        return inf;
    }
    inf.State = InfFile::Outcome::Read;
    inf.Models = ReadInfModels(DecodeText(read.Bytes, encoding, codePages));
    return inf;
}

bool IsFromTheFolder(const std::wstring& path) {
    return !(path.front() == L'\\' || path.front() == L'/' || (path.size() >= 2 && path[1] == L':'));
}

bool NamesAnInfFile(const std::wstring& path) {
    const std::wstring extension = L".inf";
    return path.size() >= extension.size() &&
           EqualIgnoringAsciiCase(path.substr(path.size() - extension.size()), extension);
}

bool Lists(const InfModelSection& section, const std::wstring& driverName) {
    return std::find(section.DriverNames.begin(), section.DriverNames.end(), driverName) != section.DriverNames.end();
}

std::wstring ListDriverNames(const InfModels& models, CheckLanguage language) {
    std::vector<std::wstring> names;
    for (const InfModelSection& section : models.Sections) {
        for (const std::wstring& name : section.DriverNames) {
            if (std::find(names.begin(), names.end(), name) == names.end()) {
                names.push_back(name);
            }
        }
    }
    if (names.empty()) {
        return TextOf(language, CheckText::NONE);
    }
    std::wstring list;
    for (std::size_t index = 0; index < names.size() && index < DRIVER_NAMES_LISTED; ++index) {
        list += (index == 0 ? L"\"" : L", \"") + names[index] + L"\"";
    }
    if (names.size() > DRIVER_NAMES_LISTED) {
        list += L", ...";
    }
    return list;
}

} // namespace

Findings CheckDriverFiles(const IniView& view, IFolderFiles& files, ICodePages& codePages, CheckLanguage language) {
    Findings findings;
    // Models that share an INF file read it once.
    std::map<std::wstring, InfFile> infFiles;
    for (const ModelSection& model : view.Models) {
        if (!model.Present) {
            continue;
        }
        const Place namePlace = ModelPlace(model.Number, KEY_PRINTER_DRIVER_NAME);
        const Place pathPlace = ModelPlace(model.Number, KEY_PRINTER_DRIVER_PATH);
        const std::wstring& driverName = model.Used.DriverName;
        const std::wstring& driverPath = model.Used.DriverPath;
        if (driverName.empty()) {
            AddProblem(findings, namePlace, CheckText::DRIVER_NAME_EMPTY);
        }
        if (driverPath.empty()) {
            AddProblem(findings, pathPlace, CheckText::DRIVER_PATH_EMPTY);
            continue;
        }
        if (!IsFromTheFolder(driverPath)) {
            AddProblem(findings, pathPlace, CheckText::DRIVER_PATH_ABSOLUTE, {driverPath});
            continue;
        }
        if (!NamesAnInfFile(driverPath)) {
            AddProblem(findings, pathPlace, CheckText::DRIVER_PATH_NOT_INF, {driverPath});
            continue;
        }
        // Velbrix puts the folder in front of the path as it stands.
        const std::wstring fullPath = view.Folder + driverPath;
        switch (files.KindOf(fullPath)) {
        case IFolderFiles::PathKind::Missing:
            AddProblem(findings, pathPlace, CheckText::DRIVER_PATH_MISSING, {driverPath});
            continue;
        case IFolderFiles::PathKind::Folder:
        case IFolderFiles::PathKind::Device:
            AddProblem(findings, pathPlace, CheckText::DRIVER_PATH_NOT_FILE, {driverPath});
            continue;
        case IFolderFiles::PathKind::File:
            break;
        }
        auto known = infFiles.find(fullPath);
        if (known == infFiles.end()) {
            known = infFiles.emplace(fullPath, ReadInf(files, codePages, fullPath)).first;
        }
        const InfFile& inf = known->second;
        switch (inf.State) {
        case InfFile::Outcome::TooLarge:
            AddProblem(findings, pathPlace, CheckText::INF_TOO_LARGE,
                       {driverPath, Number(inf.Size), Number(INF_READ_MAX)});
            continue;
        case InfFile::Outcome::Unreadable:
            AddProblem(findings, pathPlace, CheckText::INF_UNREADABLE, {driverPath});
            continue;
        case InfFile::Outcome::NotText:
            AddProblem(findings, pathPlace, CheckText::INF_NOT_TEXT, {driverPath});
            continue;
        case InfFile::Outcome::Read:
            break;
        }
        if (!inf.Models.HasManufacturer) {
            AddProblem(findings, pathPlace, CheckText::INF_NO_MANUFACTURER, {driverPath});
            continue;
        }
        if (driverName.empty()) {
            continue;
        }
        const auto& sections = inf.Models.Sections;
        if (std::any_of(sections.begin(), sections.end(),
                        [&](const InfModelSection& section) { return section.ForX64 && Lists(section, driverName); })) {
            continue;
        }
        const auto elsewhere = std::find_if(sections.begin(), sections.end(),
                                            [&](const InfModelSection& section) { return Lists(section, driverName); });
        if (elsewhere != sections.end()) {
            AddProblem(findings, namePlace, CheckText::DRIVER_NOT_FOR_X64,
                       {driverName, driverPath, elsewhere->Name, elsewhere->BaseName});
        } else {
            AddProblem(findings, namePlace, CheckText::DRIVER_NOT_IN_INF,
                       {driverName, driverPath, ListDriverNames(inf.Models, language)});
        }
    }
    return findings;
}
