#include "velbrix-check/tests/fakes/FakeSupplierFolder.h"

#include <algorithm>

#include "velbrix-check/logic/IniText.h"
#include "velbrix-check/logic/TextEncoding.h"

namespace {

std::wstring WithoutLastBackslash(std::wstring path) {
    while (path.size() > 3 && path.back() == L'\\') {
        path.pop_back();
    }
    return path;
}

} // namespace

std::wstring FakeFolderFiles::FullPath(const std::wstring& path) {
    if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') {
        return path;
    }
    return currentFolder + L"\\" + path;
}

IFolderFiles::PathKind FakeFolderFiles::KindOf(const std::wstring& path) {
    const std::wstring key = WithoutLastBackslash(path);
    if (folders.contains(key)) {
        return PathKind::Folder;
    }
    if (devices.contains(key)) {
        return PathKind::Device;
    }
    return files.contains(key) || locked.contains(key) ? PathKind::File : PathKind::Missing;
}

IFolderFiles::FileBytes FakeFolderFiles::Read(const std::wstring& path, std::size_t maxBytes) {
    FileBytes result;
    const auto file = files.find(path);
    if (file == files.end()) {
        return result;
    }
    result.Size = file->second.size();
    if (file->second.size() > maxBytes) {
        result.Status = ReadStatus::TooLarge;
        return result;
    }
    result.Status = ReadStatus::Read;
    result.Bytes = file->second;
    return result;
}

std::optional<std::string> FakeCodePages::ExactForm(const std::wstring& text) {
    if (text.find_first_of(withoutCodePage936Form) != std::wstring::npos) {
        return std::nullopt;
    }
    return Utf8(text);
}

std::wstring FakeCodePages::FromAnsiCodePage(const std::string& bytes) {
    std::wstring text;
    for (const char byte : bytes) {
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::vector<IniTextSection> FakeProfileReader::Parse(const std::wstring& iniPath) {
    const auto file = m_files.files.find(iniPath);
    if (file == m_files.files.end()) {
        return {};
    }
    FakeCodePages latin1;
    return ReadIniText(DecodeText(file->second, EncodingOf(file->second), latin1));
}

const std::wstring* FakeProfileReader::Find(const std::wstring& iniPath, const std::wstring& section,
                                            const std::wstring& key) {
    m_parsed = Parse(iniPath);
    return FindIniValue(m_parsed, section, key);
}

uint32_t FakeProfileReader::ReadUInt32(const std::wstring& iniPath, const std::wstring& section,
                                       const std::wstring& key, uint32_t defaultValue) {
    const std::wstring* value = Find(iniPath, section, key);
    if (value == nullptr || value->empty()) {
        return defaultValue;
    }
    const bool negative = value->front() == L'-';
    uint32_t number = 0;
    for (std::size_t index = negative ? 1 : 0;
         index < value->size() && (*value)[index] >= L'0' && (*value)[index] <= L'9'; ++index) {
        number = number * 10u + static_cast<uint32_t>((*value)[index] - L'0');
    }
    return negative ? 0u - number : number;
}

std::wstring FakeProfileReader::ReadString(const std::wstring& iniPath, const std::wstring& section,
                                           const std::wstring& key, std::size_t maxChars) {
    const std::wstring* value = Find(iniPath, section, key);
    return value == nullptr ? std::wstring() : value->substr(0, maxChars);
}

std::vector<std::wstring> FakeProfileReader::SectionNames(const std::wstring& iniPath) {
    std::vector<std::wstring> names;
    for (const IniTextSection& section : Parse(iniPath)) {
        names.push_back(section.Name);
    }
    return names;
}

std::string Utf8(const std::wstring& text) {
    std::string bytes;
    for (const wchar_t character : text) {
        const auto value = static_cast<uint32_t>(character);
        if (value < 0x80) {
            bytes.push_back(static_cast<char>(value));
        } else if (value < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | (value >> 6)));
            bytes.push_back(static_cast<char>(0x80 | (value & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xE0 | (value >> 12)));
            bytes.push_back(static_cast<char>(0x80 | ((value >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (value & 0x3F)));
        }
    }
    return bytes;
}

std::string Utf8Bom(const std::wstring& text) {
    return "\xEF\xBB\xBF" + Utf8(text);
}

std::string Ascii(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

SupplierFolder::SupplierFolder(std::wstring folder) : m_folder(std::move(folder)) {
    files.folders.insert(WithoutLastBackslash(m_folder));
    Write(L"Velbrix.exe", "MZ");
}

void SupplierFolder::Write(const std::wstring& relativePath, std::string bytes) {
    files.files[m_folder + relativePath] = std::move(bytes);
}

void SupplierFolder::AddFolder(const std::wstring& relativePath) {
    files.folders.insert(m_folder + relativePath);
}

std::string DriverInf(const std::vector<std::wstring>& driverNames) {
    std::wstring models;
    for (const std::wstring& name : driverNames) {
        models += L"\"" + name + L"\" = Install, VANTREL_ID\r\n";
    }
    return Utf16LeWithBom(L"[Version]\r\nSignature=\"$Windows NT$\"\r\nClass=Printer\r\n\r\n[Manufacturer]\r\n"
                          L"%Mfg% = Vantrel, NTamd64\r\n\r\n[Vantrel]\r\n" +
                          models + L"\r\n[Vantrel.NTamd64]\r\n" + models + L"\r\n[Strings]\r\nMfg = \"Vantrel\"\r\n");
}
