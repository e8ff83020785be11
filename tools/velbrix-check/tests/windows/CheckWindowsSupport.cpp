#include "velbrix-check/tests/windows/CheckWindowsSupport.h"

namespace {

// Long enough for any check; only a checker that hangs, which is a failure, waits it out.
constexpr DWORD CHECKER_WAIT_MS = 60000;

// An argument as the command line's reader takes it back: between quotes, with the backslashes before the closing
// quote doubled so that they do not escape it.
std::wstring Quoted(const std::wstring& argument) {
    std::wstring quoted = L"\"" + argument;
    for (auto backslash = argument.rbegin(); backslash != argument.rend() && *backslash == L'\\'; ++backslash) {
        quoted.push_back(L'\\');
    }
    return quoted + L"\"";
}

} // namespace

void RemoveFolder(const std::wstring& folder) {
    const std::wstring base = folder.back() == L'\\' ? folder : folder + L"\\";
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((base + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                RemoveFolder(base + name);
            } else {
                DeleteFileW((base + name).c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(base.c_str());
}

std::string Utf8(const std::wstring& text) {
    const int size = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), needed, nullptr, nullptr);
    return bytes;
}

std::wstring FromUtf8(const std::string& bytes) {
    const int size = static_cast<int>(bytes.size());
    const int needed = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, text.data(), needed);
    return text;
}

CheckerRun RunChecker(const std::vector<std::wstring>& arguments, const std::wstring& checker) {
    CheckerRun run;
    run.ExitCode = 0xFFFFFFFF;
    const std::wstring program = checker.empty() ? TestProgramDirectory() + L"VelbrixCheck.exe" : checker;
    std::wstring commandLine = Quoted(program);
    for (const std::wstring& argument : arguments) {
        commandLine += L" " + Quoted(argument);
    }

    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        return run;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return run;
    }

    std::string output;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(readEnd, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        output.append(buffer, read);
    }
    CloseHandle(readEnd);
    if (WaitForSingleObject(process.hProcess, CHECKER_WAIT_MS) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &run.ExitCode);
    } else {
        TerminateProcess(process.hProcess, 0xFFFFFFFF);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    const std::wstring text = FromUtf8(output);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) {
            end = text.size();
        }
        run.Lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return run;
}
