#include "win32/Win32PrinterSpooler.h"

#include <windows.h>

#include <winspool.h>

namespace {

std::wstring TextOrEmpty(const wchar_t* text) {
    return text != nullptr ? std::wstring(text) : std::wstring();
}

} // namespace

IPrinterSpooler::Enumeration Win32PrinterSpooler::EnumerateInstalledPrinters() {
    constexpr DWORD LOCAL_AND_CONNECTIONS = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    Enumeration result;
    DWORD needed = 0;
    DWORD returned = 0;
    // The first call only tells the size of the block the second one fills.
    EnumPrintersW(LOCAL_AND_CONNECTIONS, nullptr, 2, nullptr, 0, &needed, &returned);

    const HLOCAL block = LocalAlloc(LMEM_ZEROINIT, needed + 4);
    if (block == nullptr) {
        result.ErrorCode = GetLastError();
        return result;
    }
    wchar_t noName[] = L"";
    if (!EnumPrintersW(LOCAL_AND_CONNECTIONS, noName, 2, static_cast<BYTE*>(block), needed, &needed, &returned)) {
        result.ErrorCode = GetLastError();
        LocalFree(block);
        return result;
    }
    const auto* entries = static_cast<const PRINTER_INFO_2W*>(block);
    for (DWORD entry = 0; entry < returned; ++entry) {
        result.Printers.push_back({TextOrEmpty(entries[entry].pPrinterName), TextOrEmpty(entries[entry].pPortName),
                                   TextOrEmpty(entries[entry].pDriverName),
                                   (entries[entry].Status & PRINTER_STATUS_PENDING_DELETION) != 0});
    }
    LocalFree(block);
    result.Succeeded = true;
    return result;
}

IPrinterSpooler::Deletion Win32PrinterSpooler::DeletePrinter(const std::wstring& printerName) {
    Deletion result;
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (!OpenPrinterW(const_cast<wchar_t*>(printerName.c_str()), &printer, &defaults)) {
        return result;
    }
    result.Opened = true;
    if (!::DeletePrinter(printer)) {
        ClosePrinter(printer);
        // The code as it stands after the close, which is what the removal reports: a close that fails
        // replaces the deletion's own code.
        result.ErrorCode = GetLastError();
        return result;
    }
    ClosePrinter(printer);
    result.Deleted = true;
    return result;
}
