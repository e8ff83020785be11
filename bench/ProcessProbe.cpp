// Measures Windows programs from outside, for bench/measure-discovery, one command per run:
//   velbrix_process_probe startup TIMEOUT_MS PROGRAM [ARGUMENTS...]
//       starts PROGRAM, prints shown_ms=N: the milliseconds from just before CreateProcessW until a visible
//       dialog of the new process answers a message (so its WM_INITDIALOG is done and its message loop runs),
//       then closes it as the close box does and waits for it to end.
//   velbrix_process_probe memory
//       prints the working set of the process that shows the Velbrix window, as GetProcessMemoryInfo gives it:
//       working_set_kib=N peak_working_set_kib=N private_kib=N pid=N
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "resource.h"

namespace {

struct DialogSearch {
    DWORD processId = 0;
    bool velbrixOnly = false;
    HWND found = nullptr;
};

bool IsDialog(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return std::wcscmp(name, L"#32770") == 0;
}

BOOL CALLBACK LookAt(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<DialogSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    const bool processMatches = search->processId == 0 || owner == search->processId;
    const bool kindMatches = !search->velbrixOnly ||
                             (GetDlgItem(window, IDC_LOG) != nullptr && GetDlgItem(window, IDC_MODEL_COMBO) != nullptr);
    if (processMatches && kindMatches && IsWindowVisible(window) && IsDialog(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindDialog(DWORD processId, bool velbrixOnly) {
    DialogSearch search{processId, velbrixOnly, nullptr};
    EnumWindows(LookAt, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

double MillisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int Startup(int timeoutMs, int argc, wchar_t** argv) {
    std::wstring commandLine;
    for (int index = 0; index < argc; ++index) {
        commandLine += (index ? L" \"" : L"\"") + std::wstring(argv[index]) + L"\"";
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(argv[0], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::printf("cannot start the program (error %lu)\n", GetLastError());
        return 1;
    }
    HWND shown = nullptr;
    double elapsed = 0;
    while (shown == nullptr && (elapsed = MillisecondsSince(start)) < timeoutMs) {
        const HWND dialog = FindDialog(process.dwProcessId, false);
        DWORD_PTR ignored = 0;
        if (dialog != nullptr && SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored) != 0) {
            elapsed = MillisecondsSince(start);
            shown = dialog;
        } else {
            Sleep(1);
        }
    }
    if (shown != nullptr) {
        std::printf("shown_ms=%.1f\n", elapsed);
        PostMessageW(shown, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
        std::printf("no window within %d ms\n", timeoutMs);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown != nullptr ? 0 : 1;
}

int Memory() {
    const HWND main = FindDialog(0, true);
    if (main == nullptr) {
        std::printf("no Velbrix window\n");
        return 1;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(main, &processId);
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (process == nullptr ||
        !GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters))) {
        std::printf("cannot read the process's memory counters (error %lu)\n", GetLastError());
        return 1;
    }
    CloseHandle(process);
    std::printf("working_set_kib=%zu peak_working_set_kib=%zu private_kib=%zu pid=%lu\n",
                counters.WorkingSetSize / 1024, counters.PeakWorkingSetSize / 1024, counters.PrivateUsage / 1024,
                processId);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 4 && std::wcscmp(argv[1], L"startup") == 0) {
        return Startup(static_cast<int>(std::wcstol(argv[2], nullptr, 10)), argc - 3, argv + 3);
    }
    if (argc == 2 && std::wcscmp(argv[1], L"memory") == 0) {
        return Memory();
    }
    std::fputs("usage: velbrix_process_probe startup TIMEOUT_MS PROGRAM [ARGUMENTS...] | memory\n", stderr);
    return 2;
}
