#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ports/CodePage936.h"
#include "ports/Profile.h"
#include "support/Utf16Text.h"
#include "velbrix-check/logic/FolderCheck.h"
#include "velbrix-check/logic/IniText.h"
#include "velbrix-check/logic/IniView.h"
#include "velbrix-check/ports/CodePages.h"
#include "velbrix-check/ports/FolderFiles.h"
#include "velbrix-check/ports/ProfileSections.h"

// Files and folders held in memory by full path (folders without their last backslash).
class FakeFolderFiles final : public IFolderFiles {
public:
    std::wstring currentFolder = L"C:\\Work";
    std::map<std::wstring, std::string> files;
    std::set<std::wstring> folders;
    std::set<std::wstring> devices;
    // Files that exist but cannot be opened.
    std::set<std::wstring> locked;

    std::wstring FullPath(const std::wstring& path) override;
    PathKind KindOf(const std::wstring& path) override;
    FileBytes Read(const std::wstring& path, std::size_t maxBytes) override;
};

// The ANSI code page of this fake is Latin-1: each byte is the character of the same number. Characters listed
// in withoutCodePage936Form have no form in code page 936; Thai letters, which have none in the real one either.
class FakeCodePages final : public ICodePages, public ICodePage936 {
public:
    std::wstring withoutCodePage936Form = L"\u0E01\u0E02\u0E03";

    std::optional<std::string> ExactForm(const std::wstring& text) override;
    std::wstring FromAnsiCodePage(const std::string& bytes) override;
};

// The platform's private-profile reader over the files of a FakeFolderFiles, with the rules the checker meets: a
// byte-order mark decides the encoding, without one the fake ANSI code page reads the bytes; sections and keys
// are found without regard to ASCII case, the first of a name counts; values are trimmed and lose one pair of
// enclosing double quotes; numbers are an optional "-" and the leading digits ("-1" reads as 0xFFFFFFFF, no
// digit as 0), an empty or missing value gives the default.
class FakeProfileReader final : public IProfile, public IProfileSections {
public:
    explicit FakeProfileReader(FakeFolderFiles& files) : m_files(files) {}

    std::wstring executablePath = L"C:\\Tools\\VelbrixCheck.exe";

    std::wstring ExecutablePath() override { return executablePath; }
    uint32_t ReadUInt32(const std::wstring& iniPath, const std::wstring& section, const std::wstring& key,
                        uint32_t defaultValue) override;
    std::wstring ReadString(const std::wstring& iniPath, const std::wstring& section, const std::wstring& key,
                            std::size_t maxChars) override;
    std::vector<std::wstring> SectionNames(const std::wstring& iniPath) override;

private:
    std::vector<IniTextSection> Parse(const std::wstring& iniPath);
    const std::wstring* Find(const std::wstring& iniPath, const std::wstring& section, const std::wstring& key);

    FakeFolderFiles& m_files;
    std::vector<IniTextSection> m_parsed;
};

// Texts as a supplier's editor saves them.
std::string Utf8(const std::wstring& text);
std::string Utf8Bom(const std::wstring& text);
std::string Ascii(const std::wstring& text);

// A supplier's folder in memory, C:\Kit\ unless told otherwise, holding Velbrix.exe and what a test writes in it.
class SupplierFolder {
public:
    explicit SupplierFolder(std::wstring folder = L"C:\\Kit\\");

    const std::wstring& Folder() const { return m_folder; }
    void Write(const std::wstring& relativePath, std::string bytes);
    void AddFolder(const std::wstring& relativePath);
    CheckPorts Ports() { return {profile, profile, files, codePages, codePages}; }
    IniView View() { return ReadIniView(profile, profile, m_folder); }

    FakeFolderFiles files;
    FakeProfileReader profile{files};
    FakeCodePages codePages;

private:
    std::wstring m_folder;
};

// An INF file of a printer driver that names the drivers in its NTamd64 model section and in the undecorated one.
std::string DriverInf(const std::vector<std::wstring>& driverNames);
