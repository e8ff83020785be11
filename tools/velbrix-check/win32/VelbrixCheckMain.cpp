// VelbrixCheck.exe: builds the adapters and hands the command line to the checker's logic.
#include <string>
#include <vector>

#include "velbrix-check/logic/CheckRun.h"
#include "velbrix-check/win32/Win32CheckOutput.h"
#include "velbrix-check/win32/Win32CheckRuntime.h"
#include "velbrix-check/win32/Win32CodePages.h"
#include "velbrix-check/win32/Win32FolderFiles.h"
#include "velbrix-check/win32/Win32ListenThread.h"
#include "velbrix-check/win32/Win32ProfileSections.h"
#include "win32/SystemLibraries.h"
#include "win32/Win32CodePage936.h"
#include "win32/Win32MdnsSocket.h"
#include "win32/Win32MdnsSocketWait.h"
#include "win32/Win32MonotonicClock.h"
#include "win32/Win32NetworkInterfaces.h"
#include "win32/Win32Profile.h"
#include "win32/Win32Sleeper.h"
#include "win32/Win32UserInterfaceLanguage.h"

int wmain(int argc, wchar_t** argv) {
    // The checker imports only Known DLLs; whatever the system loads for it later comes from System32 too.
    if (!LoadSystemLibrariesFromSystem32Only({}, {})) {
        return EXIT_FOLDER_UNREADABLE;
    }
    const std::vector<std::wstring> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    Win32Profile profile;
    Win32ProfileSections sections;
    Win32FolderFiles files;
    Win32CodePages codePages;
    Win32CodePage936 codePage936;
    Win32UserInterfaceLanguage language;
    Win32CheckOutput output;
    // Never destroyed: the listener's thread may still be waiting on its sockets while the process ends.
    struct ListenAdapters {
        Win32CheckRuntime runtime;
        Win32MdnsSocket multicastSocket;
        Win32MdnsSocket unicastSocket;
        Win32MdnsSocketWait wait{multicastSocket, unicastSocket};
        Win32NetworkInterfaces interfaces;
        Win32Sleeper sleeper;
        Win32MonotonicClock clock;
        UnknownCheckFirewall firewall;
        Win32ListenThread thread;
    };
    auto* const adapters = new ListenAdapters;
    auto* const listen = new ListenPorts{profile,
                                         adapters->runtime,
                                         adapters->multicastSocket,
                                         adapters->unicastSocket,
                                         adapters->wait,
                                         adapters->interfaces,
                                         adapters->sleeper,
                                         adapters->clock,
                                         adapters->firewall,
                                         adapters->thread};
    return RunVelbrixCheck(arguments, CheckPorts{profile, sections, files, codePages, codePage936}, language, output,
                           listen);
}
