#include "app/ProgramPaths.h"

std::wstring ProgramDirectoryFromExecutablePath(const std::wstring& executablePath) {
    const auto lastBackslash = executablePath.rfind(L'\\');
    if (lastBackslash == std::wstring::npos) {
        return {};
    }
    return executablePath.substr(0, lastBackslash + 1);
}

std::wstring ApplicationNameFromExecutablePath(const std::wstring& executablePath) {
    const auto lastSeparator = executablePath.find_last_of(L"\\/");
    std::wstring fileName =
        lastSeparator == std::wstring::npos ? executablePath : executablePath.substr(lastSeparator + 1);
    const auto lastDot = fileName.rfind(L'.');
    if (lastDot != std::wstring::npos && lastDot > 0) {
        fileName.erase(lastDot);
    }
    return fileName;
}
