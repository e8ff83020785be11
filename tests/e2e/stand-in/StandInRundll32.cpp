// The lab's rundll32.exe, put in place of Wine's only in a session's own prefix. It reads library and entry
// point as Windows' rundll32 does (a comma or blanks between them) and does for printui.dll's PrintUIEntry
// what Windows does for the two forms Velbrix writes:
// - /if /b NAME /f INF /r PORT /m DRIVER: the INF must exist and name the driver (UTF-16LE with its byte-order
//   mark, or the ANSI code page), and no printer of the name be listed; the printer goes into the spooler with
//   that name, port and driver;
// - /dl /n NAME: the printer of that name leaves the spooler;
// - /il: the Add Printer wizard, finished as a person would: a printer on the address from the clipboard,
//   under the name HKCU\Software\Velbrix Lab\Rundll32 "WizardPrinter"; without that value the wizard is
//   closed with nothing added. "WizardSeconds" under the same key keeps the wizard open that long first, as a
//   person looking for the driver does.
// "Refuse"=1 under the same key makes it refuse as a desk without administrator rights does; an http:// port
// is refused while the policy value DisableHTTPPrinting is 1, as Windows does.
// Every run appends its command line and its current folder to a file beside itself named after it with
// ".ran" appended, so that a scenario sees which rundll32 ran, and from where.
#include <windows.h>

#include <shellapi.h>

#include <cwctype>
#include <map>
#include <string>
#include <vector>

namespace {

const wchar_t* const LAB_KEY = L"Software\\Velbrix Lab\\Rundll32";
const wchar_t* const PRINTERS_KEY = L"System\\CurrentControlSet\\Control\\Print\\Printers\\";

std::wstring Lower(std::wstring text) {
    for (wchar_t& character : text) {
        character = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(character)));
    }
    return text;
}

void AppendUtf8(const std::wstring& path, const std::wstring& line) {
    const HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    const std::wstring text = line + L"\r\n";
    std::string bytes(text.size() * 4, '\0');
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                                           static_cast<int>(bytes.size()), nullptr, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
}

void LeaveMark(const std::wstring& commandLine) {
    wchar_t own[MAX_PATH] = {};
    wchar_t current[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, own, MAX_PATH);
    GetCurrentDirectoryW(MAX_PATH, current);
    AppendUtf8(std::wstring(own) + L".ran", std::wstring(current) + L"> " + commandLine);
}

bool DwordIs(HKEY root, const wchar_t* key, const wchar_t* value, DWORD expected) {
    DWORD data = 0;
    DWORD size = sizeof(data);
    return RegGetValueW(root, key, value, RRF_RT_REG_DWORD, nullptr, &data, &size) == ERROR_SUCCESS && data == expected;
}

std::wstring LabText(const wchar_t* value) {
    wchar_t data[512] = {};
    DWORD size = sizeof(data);
    if (RegGetValueW(HKEY_CURRENT_USER, LAB_KEY, value, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) {
        return L"";
    }
    return data;
}

// The command line after the program's own name.
std::wstring Arguments(const std::wstring& commandLine) {
    std::size_t at = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        const std::size_t end = commandLine.find(L'"', 1);
        at = end == std::wstring::npos ? commandLine.size() : end + 1;
    } else {
        at = commandLine.find_first_of(L" \t");
        at = at == std::wstring::npos ? commandLine.size() : at;
    }
    return commandLine.substr(at);
}

// The words of a PrintUIEntry command line, quotes taken off as Windows' argument rules do.
std::vector<std::wstring> Words(const std::wstring& text) {
    std::vector<std::wstring> words;
    int count = 0;
    const std::wstring line = L"PrintUIEntry " + text;
    LPWSTR* argv = CommandLineToArgvW(line.c_str(), &count);
    for (int index = 1; argv != nullptr && index < count; ++index) {
        words.emplace_back(argv[index]);
    }
    LocalFree(argv);
    return words;
}

bool Refused(const std::wstring& port) {
    if (DwordIs(HKEY_CURRENT_USER, LAB_KEY, L"Refuse", 1)) {
        return true;
    }
    return Lower(port).rfind(L"http://", 0) == 0 &&
           DwordIs(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Policies\\Microsoft\\Windows NT\\Printers", L"DisableHTTPPrinting",
                   1);
}

bool PrinterListed(const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, (PRINTERS_KEY + name).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

// A printer as Wine's spooler keeps it: EnumPrintersW lists it from here.
void AddPrinter(const std::wstring& name, const std::wstring& port, const std::wstring& driver) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, (PRINTERS_KEY + name).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    const std::map<std::wstring, std::wstring> values = {{L"Name", name},
                                                         {L"Port", port},
                                                         {L"Printer Driver", driver},
                                                         {L"Print Processor", L"WinPrint"},
                                                         {L"Datatype", L"RAW"}};
    for (const auto& [value, text] : values) {
        RegSetValueExW(key, value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) {
        return text;
    }
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* locked = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = locked;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// Whether the INF file names the driver: Windows installs only a model that its INF lists.
bool InfNamesDriver(const std::wstring& inf, const std::wstring& driver) {
    const HANDLE file = CreateFileW(inf.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    std::string bytes(1 << 20, '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    std::wstring text;
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        text.assign(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
    } else {
        text.resize(bytes.size());
        text.resize(static_cast<std::size_t>(MultiByteToWideChar(
            CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), static_cast<int>(text.size()))));
    }
    return !driver.empty() && text.find(driver) != std::wstring::npos;
}

void InstallPrinter(const std::vector<std::wstring>& words) {
    std::map<std::wstring, std::wstring> options;
    for (std::size_t index = 0; index + 1 < words.size(); ++index) {
        const std::wstring word = Lower(words[index]);
        if (word == L"/b" || word == L"/f" || word == L"/r" || word == L"/m") {
            options[word] = words[index + 1];
        }
    }
    const std::wstring inf = options[L"/f"];
    // Windows creates no printer under a name the spooler already lists, deleted or not.
    if (options[L"/b"].empty() || PrinterListed(options[L"/b"]) || !InfNamesDriver(inf, options[L"/m"]) ||
        Refused(options[L"/r"])) {
        return;
    }
    AddPrinter(options[L"/b"], options[L"/r"], options[L"/m"]);
}

// A printer as Wine's spooler keeps it leaves with its key.
void DeletePrinter(const std::vector<std::wstring>& words) {
    for (std::size_t index = 0; index + 1 < words.size(); ++index) {
        if (Lower(words[index]) == L"/n" && !words[index + 1].empty() && !Refused(L"")) {
            RegDeleteTreeW(HKEY_LOCAL_MACHINE, (PRINTERS_KEY + words[index + 1]).c_str());
            return;
        }
    }
}

void RunWizard() {
    DWORD seconds = 0;
    DWORD size = sizeof(seconds);
    if (RegGetValueW(HKEY_CURRENT_USER, LAB_KEY, L"WizardSeconds", RRF_RT_REG_DWORD, nullptr, &seconds, &size) ==
        ERROR_SUCCESS) {
        Sleep(seconds * 1000);
    }
    const std::wstring name = LabText(L"WizardPrinter");
    const std::wstring address = ClipboardText();
    if (name.empty() || address.empty() || Refused(address)) {
        return;
    }
    AddPrinter(name, address, LabText(L"WizardDriver"));
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::wstring commandLine = GetCommandLineW();
    LeaveMark(commandLine);

    // Library and entry point: the library ends at a comma or a blank, and any commas and blanks after it
    // come before the entry point.
    const std::wstring rest = Arguments(commandLine);
    const std::size_t libraryStart = rest.find_first_not_of(L" \t");
    if (libraryStart == std::wstring::npos) {
        return 0;
    }
    const std::size_t libraryEnd = rest.find_first_of(L", \t", libraryStart);
    const std::wstring library = rest.substr(libraryStart, libraryEnd - libraryStart);
    const std::size_t entryStart =
        libraryEnd == std::wstring::npos ? libraryEnd : rest.find_first_not_of(L", \t", libraryEnd);
    if (entryStart == std::wstring::npos) {
        return 0;
    }
    const std::size_t entryEnd = rest.find_first_of(L" \t", entryStart);
    const std::wstring entry = rest.substr(entryStart, entryEnd - entryStart);
    if (Lower(library) != L"printui.dll" || Lower(entry) != L"printuientry") {
        return 0;
    }
    const std::vector<std::wstring> words = Words(entryEnd == std::wstring::npos ? L"" : rest.substr(entryEnd));
    for (const std::wstring& word : words) {
        if (Lower(word) == L"/if") {
            InstallPrinter(words);
            break;
        }
        if (Lower(word) == L"/il") {
            RunWizard();
            break;
        }
        if (Lower(word) == L"/dl") {
            DeletePrinter(words);
            break;
        }
    }
    // Windows' rundll32 ends with 0 whatever the entry point did.
    return 0;
}
