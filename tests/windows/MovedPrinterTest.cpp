// A printer that moved, reinstalled by a person without administrator rights: the installation's logic with
// the real spooler, script file and script process, and the lab's rundll32 in the system folder. Wine's token
// is always elevated, so the token alone is a fake that says it is not: the old printer's removal then goes
// into the script, and the spooler shows what the script did.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>

#include "discovery/IppAddress.h"
#include "fakes/FakeInstallPorts.h"
#include "fakes/FakeMainWindow.h"
#include "fakes/FakeStringResources.h"
#include "install/InstallCommand.h"
#include "win32/Win32CodePage936.h"
#include "win32/Win32NetworkPath.h"
#include "win32/Win32PrinterSpooler.h"
#include "win32/Win32ScriptFile.h"
#include "win32/Win32ScriptProcess.h"
#include "win32/Win32WorkerThread.h"
#include "windows/WindowsTestSupport.h"

namespace {

const wchar_t* const PRINTERS_KEY = L"System\\CurrentControlSet\\Control\\Print\\Printers\\";

void SeedPrinter(const std::wstring& name, const std::wstring& port, const std::wstring& driver) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (PRINTERS_KEY + name).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    const std::pair<const wchar_t*, std::wstring> values[] = {{L"Name", name},
                                                              {L"Port", port},
                                                              {L"Printer Driver", driver},
                                                              {L"Print Processor", L"WinPrint"},
                                                              {L"Datatype", L"RAW"}};
    for (const auto& [value, text] : values) {
        RegSetValueExW(key, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
}

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return folder;
}

// The lab's rundll32 in place of the system's for as long as the test runs; processes started meanwhile load
// it rather than Wine's own, which Wine would otherwise load whatever the file in the system folder holds.
class LabRundll32 {
    static constexpr const wchar_t* OVERRIDES_KEY = L"Software\\Wine\\DllOverrides";

public:
    LabRundll32() : m_system(SystemFolder() + L"\\rundll32.exe"), m_kept(m_system + L".kept") {
        m_placed =
            CopyFileW(m_system.c_str(), m_kept.c_str(), FALSE) &&
            CopyFileW((TestProgramDirectory() + L"velbrix_stand_in_rundll32.exe").c_str(), m_system.c_str(), FALSE) &&
            RegSetKeyValueW(HKEY_CURRENT_USER, OVERRIDES_KEY, L"rundll32.exe", REG_SZ, L"native", sizeof(L"native")) ==
                ERROR_SUCCESS;
        DeleteFileW(Marks().c_str());
    }
    ~LabRundll32() {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, OVERRIDES_KEY, L"rundll32.exe");
        CopyFileW(m_kept.c_str(), m_system.c_str(), FALSE);
        DeleteFileW(m_kept.c_str());
        DeleteFileW(Marks().c_str());
    }
    LabRundll32(const LabRundll32&) = delete;
    LabRundll32& operator=(const LabRundll32&) = delete;

    bool Placed() const { return m_placed; }
    std::wstring Marks() const { return m_system + L".ran"; }

private:
    std::wstring m_system;
    std::wstring m_kept;
    bool m_placed = false;
};

bool Listed(const std::vector<IPrinterSpooler::InstalledPrinter>& printers, const std::wstring& name) {
    return std::any_of(printers.begin(), printers.end(),
                       [&](const auto& printer) { return printer.PrinterName == name; });
}

} // namespace

TEST(MovedPrinter, OneScriptDeletesTheOldPrinterAndInstallsTheNewOne) {
    // Chinese names only where Wine's interpreter reads the script's code page (see ScriptRunTest).
    const bool chinese = GetOEMCP() == 936;
    const std::wstring oldName = chinese ? L"办公室 M1" : L"Office M1";
    const std::wstring driver = chinese ? L"Vantrel M1 彩色激光" : L"Vantrel M1 Color Laser";
    const std::wstring port = MakeIppAddress(L"10.77.0.11", L"M1_office");
    const std::wstring newName = L"M1_office on " + port;
    const std::wstring folder = TestProgramDirectory() + L"MovedPrinterTest\\";
    ASSERT_TRUE(
        WriteFileBytes(folder + L"drivers\\m1.inf", Utf16LeWithBom(L"[Strings]\r\nModel=\"" + driver + L"\"\r\n")));
    SeedPrinter(oldName, MakeIppAddress(L"10.77.0.5", L"M1_office"), driver);
    LabRundll32 rundll32;
    ASSERT_TRUE(rundll32.Placed());

    FakeMainWindow window;
    FakeStringResources resources = FakeStringResources::WithCatalogues();
    const MessageCatalogue catalogue(resources, 1033);
    Configuration configuration;
    configuration.ProgramDirectory = folder;
    configuration.InstallMode = 1;
    DiscoveryTables tables;
    AppendRecord(tables.Discovered, {L"10.77.0.11", L"M1_office", port, oldName});
    window.rows = {{L"", L"10.77.0.11", L"M1_office"}};
    window.selectionMark = 0;
    const SelectedModel selected{1, L"M1", driver, L"drivers\\m1.inf"};
    InstallTarget target;
    FakeIcmpEcho icmp;
    icmp.up = {"10.77.0.11"};
    Win32WorkerThread worker;
    Win32PrinterSpooler spooler;
    Win32CodePage936 codePage936;
    Win32ScriptFile file(codePage936);
    Win32ScriptProcess process;
    FakeClipboard clipboard(window.seen);
    FakeTokenElevation elevation;
    elevation.elevation = ITokenElevation::Elevation::NotElevated;
    FakePrintPolicy policy;
    Win32NetworkPath networkPath;
    InstallCommand command(window, catalogue, configuration, tables, selected, target,
                           {icmp, worker, spooler, file, process, clipboard, elevation, policy, networkPath},
                           L"Velbrix");

    ASSERT_TRUE(Listed(spooler.EnumerateInstalledPrinters().Printers, oldName));
    command.OnInstall();

    const IPrinterSpooler::Enumeration after = spooler.EnumerateInstalledPrinters();
    ASSERT_TRUE(after.Succeeded);
    EXPECT_FALSE(Listed(after.Printers, oldName)) << "the old printer left the spooler";
    EXPECT_TRUE(Listed(after.Printers, newName)) << "the new printer entered it";
    const auto has = [&](const std::wstring& entry) {
        return std::find(window.seen.begin(), window.seen.end(), entry) != window.seen.end();
    };
    EXPECT_TRUE(has(seen::Log(EnglishText(MSG_PRINTER_REMOVED) + oldName)));
    EXPECT_TRUE(has(seen::Log(EnglishText(MSG_INSTALL_DONE) + newName + EnglishText(MSG_INSTALL_DONE_ADVICE))));
    // One run of the lab's rundll32 for each line: the removal first.
    const std::string marks = [&] {
        std::string bytes(1 << 16, '\0');
        const HANDLE handle =
            CreateFileW(rundll32.Marks().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        DWORD read = 0;
        if (handle != INVALID_HANDLE_VALUE) {
            ReadFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
            CloseHandle(handle);
        }
        bytes.resize(read);
        return bytes;
    }();
    const std::size_t removal = marks.find("/dl /n");
    EXPECT_NE(removal, std::string::npos) << marks;
    EXPECT_LT(removal, marks.find("/if /b")) << marks;

    RegDeleteTreeW(HKEY_LOCAL_MACHINE, (PRINTERS_KEY + newName).c_str());
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, (PRINTERS_KEY + oldName).c_str());
    file.Release();
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(folder), ignored);
}
