#pragma once

#include <string>

#include "ports/CodePage936.h"
#include "ports/Profile.h"
#include "velbrix-check/logic/Findings.h"
#include "velbrix-check/ports/CodePages.h"
#include "velbrix-check/ports/FolderFiles.h"
#include "velbrix-check/ports/ProfileSections.h"

// A velbrix.ini of a thousand models is some hundred kilobytes; a larger file is not handed to the reader.
constexpr std::size_t INI_READ_MAX = 4 * 1024 * 1024;

constexpr int EXIT_NOTHING_WRONG = 0;
constexpr int EXIT_SOMETHING_WRONG = 1;
constexpr int EXIT_FOLDER_UNREADABLE = 2;

// What the checker reaches outside its logic.
struct CheckPorts {
    IProfile& Profile;
    IProfileSections& Sections;
    IFolderFiles& Files;
    ICodePages& CodePages;
    ICodePage936& CodePage936;
};

struct FolderCheck {
    int Exit = EXIT_FOLDER_UNREADABLE;
    // The folder as checked, ending in a backslash; the argument as given when it could not be made one.
    std::wstring Folder;
    // The models Velbrix will offer.
    std::size_t Models = 0;
    // Ordered by place: the folder and its files, then [COMMON], then the model sections by number.
    Findings Found;
};

// Checks a supplier's folder (the checker's own folder when the argument is empty) as a Velbrix.exe in it would
// read it. Exit code 2 when the folder or its velbrix.ini cannot be read, 1 when any finding is a problem.
FolderCheck CheckSupplierFolder(const std::wstring& folderArgument, const CheckPorts& ports, CheckLanguage language);
