#include "install/ScriptLaunch.h"

std::wstring InterpreterArguments(const std::wstring& scriptPath) {
    return L"/d /s /c \"\"" + scriptPath + L"\"\"";
}
