#include "velbrix-check/logic/FolderCheck.h"

#include <algorithm>
#include <cstdint>

#include "app/ProgramPaths.h"
#include "velbrix-check/logic/CommonSettingsRule.h"
#include "velbrix-check/logic/DriverFilesRule.h"
#include "velbrix-check/logic/IniEncodingRule.h"
#include "velbrix-check/logic/IniView.h"
#include "velbrix-check/logic/InstallScriptRule.h"
#include "velbrix-check/logic/ModelSectionsRule.h"
#include "velbrix-check/logic/ModelValuesRule.h"

namespace {

const std::wstring VELBRIX_EXE = L"Velbrix.exe";

void Append(Findings& findings, Findings more) {
    findings.insert(findings.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

void Finish(FolderCheck& check) {
    std::stable_sort(check.Found.begin(), check.Found.end(),
                     [](const Finding& a, const Finding& b) { return a.Where.Order < b.Where.Order; });
    const bool problem = std::any_of(check.Found.begin(), check.Found.end(),
                                     [](const Finding& finding) { return finding.Level == Severity::Problem; });
    check.Exit = problem ? EXIT_SOMETHING_WRONG : EXIT_NOTHING_WRONG;
}

FolderCheck Unreadable(FolderCheck check, Place place, CheckText text) {
    AddProblem(check.Found, std::move(place), text);
    check.Exit = EXIT_FOLDER_UNREADABLE;
    return check;
}

} // namespace

FolderCheck CheckSupplierFolder(const std::wstring& folderArgument, const CheckPorts& ports, CheckLanguage language) {
    FolderCheck check;
    // "C:\Kit\" typed with its quotes reaches the program as C:\Kit", the command line's reader taking \" for a
    // quote; no path holds a quote, so a last one is that.
    std::wstring argument = folderArgument;
    if (!argument.empty() && argument.back() == L'"') {
        argument.pop_back();
    }
    check.Folder = argument.empty() ? ProgramDirectoryFromExecutablePath(ports.Profile.ExecutablePath())
                                    : ports.Files.FullPath(argument);
    if (check.Folder.empty()) {
        check.Folder = folderArgument;
        return Unreadable(std::move(check), folderArgument, CheckText::FOLDER_UNREADABLE);
    }
    if (check.Folder.back() != L'\\') {
        check.Folder.push_back(L'\\');
    }
    if (ports.Files.KindOf(check.Folder) != IFolderFiles::PathKind::Folder) {
        return Unreadable(std::move(check), check.Folder, CheckText::FOLDER_UNREADABLE);
    }

    if (ports.Files.KindOf(check.Folder + VELBRIX_EXE) != IFolderFiles::PathKind::File) {
        AddProblem(check.Found, VELBRIX_EXE, CheckText::VELBRIX_EXE_MISSING);
    }
    const std::wstring iniPath = check.Folder + std::wstring(INI_FILE_NAME);
    switch (ports.Files.KindOf(iniPath)) {
    case IFolderFiles::PathKind::Missing:
        AddProblem(check.Found, std::wstring(INI_FILE_NAME), CheckText::INI_MISSING);
        Finish(check);
        return check;
    case IFolderFiles::PathKind::Folder:
    case IFolderFiles::PathKind::Device:
        return Unreadable(std::move(check), std::wstring(INI_FILE_NAME), CheckText::INI_UNREADABLE);
    case IFolderFiles::PathKind::File:
        break;
    }
    const IFolderFiles::FileBytes ini = ports.Files.Read(iniPath, INI_READ_MAX);
    if (ini.Status == IFolderFiles::ReadStatus::Unreadable) {
        return Unreadable(std::move(check), std::wstring(INI_FILE_NAME), CheckText::INI_UNREADABLE);
    }
    if (ini.Status == IFolderFiles::ReadStatus::TooLarge) {
        AddProblem(check.Found, std::wstring(INI_FILE_NAME), CheckText::INI_TOO_LARGE,
                   {Number(ini.Size), Number(INI_READ_MAX)});
        Finish(check);
        return check;
    }

    const IniView view = ReadIniView(ports.Profile, ports.Sections, check.Folder);
    check.Models = view.Models.size();
    Append(check.Found, CheckIniEncoding(ini.Bytes, view, language));
    Append(check.Found, CheckCommonSettings(view, language));
    Append(check.Found, CheckModelSections(view));
    Append(check.Found, CheckModelValues(view));
    Append(check.Found, CheckDriverFiles(view, ports.Files, ports.CodePages, language));
    Append(check.Found, CheckInstallScript(view, ports.CodePage936));
    Finish(check);
    return check;
}
