#include "win32/Win32MainWindow.h"

#include <commctrl.h>

#include <vector>

#include "resource.h"

LRESULT Win32MainWindow::SendToControl(int controlId, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendDlgItemMessageW(m_window, controlId, message, wParam, lParam);
}

bool Win32MainWindow::HasSystemMenu() {
    return GetSystemMenu(m_window, FALSE) != nullptr;
}

void Win32MainWindow::AppendSystemMenuSeparator() {
    AppendMenuW(GetSystemMenu(m_window, FALSE), MF_SEPARATOR, 0, nullptr);
}

void Win32MainWindow::AppendSystemMenuItem(uint32_t commandId, const std::wstring& text) {
    AppendMenuW(GetSystemMenu(m_window, FALSE), MF_STRING, commandId, text.c_str());
}

void Win32MainWindow::RemoveSystemMenuItemAt(uint32_t position) {
    RemoveMenu(GetSystemMenu(m_window, FALSE), position, MF_BYPOSITION);
}

void Win32MainWindow::SetWindowIcons() {
    SendMessageW(m_window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageW(m_window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
}

void Win32MainWindow::SetTitle(const std::wstring& text) {
    SetWindowTextW(m_window, text.c_str());
}

void Win32MainWindow::SetControlText(int controlId, const std::wstring& text) {
    SetWindowTextW(GetDlgItem(m_window, controlId), text.c_str());
}

void Win32MainWindow::EnableControl(int controlId, bool enabled) {
    EnableWindow(GetDlgItem(m_window, controlId), enabled ? TRUE : FALSE);
}

void Win32MainWindow::LogAddLine(const std::wstring& text) {
    SendToControl(IDC_LOG, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int Win32MainWindow::LogLineCount() {
    return static_cast<int>(SendToControl(IDC_LOG, LB_GETCOUNT, 0, 0));
}

void Win32MainWindow::LogSelectLine(int index) {
    SendToControl(IDC_LOG, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::wstring Win32MainWindow::LogLineText(int index) {
    const LRESULT length = SendToControl(IDC_LOG, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) {
        return std::wstring();
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendToControl(IDC_LOG, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

void Win32MainWindow::LogClear() {
    SendToControl(IDC_LOG, LB_RESETCONTENT, 0, 0);
}

void Win32MainWindow::ModelListAdd(const std::wstring& text) {
    SendToControl(IDC_MODEL_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32MainWindow::ModelListSelect(int index) {
    SendToControl(IDC_MODEL_COMBO, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Win32MainWindow::ShowPrinterListGridAndFullRowSelection() {
    const LRESULT style = SendToControl(IDC_PRINTER_LIST, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    SendToControl(IDC_PRINTER_LIST, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
}

int Win32MainWindow::DotsPerInch() {
    // The program is aware of the system's DPI (its manifest says so): the window's device context answers
    // with the DPI its dialog units were scaled by. GetDpiForWindow would need Windows 10.
    const HDC context = GetDC(m_window);
    if (context == nullptr) {
        return 0;
    }
    const int dotsPerInch = GetDeviceCaps(context, LOGPIXELSX);
    ReleaseDC(m_window, context);
    return dotsPerInch;
}

int Win32MainWindow::PrinterListClientWidth() {
    RECT client{};
    if (!GetClientRect(GetDlgItem(m_window, IDC_PRINTER_LIST), &client)) {
        return 0;
    }
    return client.right - client.left;
}

void Win32MainWindow::PrinterListInsertColumn(int index, const std::wstring& heading, int width) {
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(heading.c_str());
    column.iSubItem = index;
    SendToControl(IDC_PRINTER_LIST, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

int Win32MainWindow::PrinterListRowCount() {
    return static_cast<int>(SendToControl(IDC_PRINTER_LIST, LVM_GETITEMCOUNT, 0, 0));
}

void Win32MainWindow::PrinterListInsertRow(int index) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(L"");
    SendToControl(IDC_PRINTER_LIST, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void Win32MainWindow::PrinterListSetCell(int row, int column, const std::wstring& text) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendToControl(IDC_PRINTER_LIST, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void Win32MainWindow::PrinterListClear() {
    SendToControl(IDC_PRINTER_LIST, LVM_DELETEALLITEMS, 0, 0);
}

int Win32MainWindow::PrinterListSelectionMark() {
    return static_cast<int>(SendToControl(IDC_PRINTER_LIST, LVM_GETSELECTIONMARK, 0, 0));
}

std::wstring Win32MainWindow::PrinterListCellText(int row, int column) {
    // The list copies at most the buffer's size less its terminator and answers how much it copied; a text
    // that filled the buffer may have been cut, so the buffer grows until the text falls short of it.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto length = static_cast<std::size_t>(SendToControl(
            IDC_PRINTER_LIST, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < buffer.size()) {
            return std::wstring(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

void Win32MainWindow::Repaint() {
    UpdateWindow(m_window);
}

int Win32MainWindow::ModelListSelection() {
    return static_cast<int>(SendToControl(IDC_MODEL_COMBO, CB_GETCURSEL, 0, 0));
}

void Win32MainWindow::FocusControl(int controlId) {
    SendMessageW(m_window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(m_window, controlId)), TRUE);
}

void Win32MainWindow::ShowMessageBox(const std::wstring& text, const std::wstring& caption, BoxIcon icon) {
    const UINT iconStyle = icon == BoxIcon::Warning       ? MB_ICONEXCLAMATION
                           : icon == BoxIcon::Information ? MB_ICONINFORMATION
                                                          : 0;
    MessageBoxW(m_window, text.c_str(), caption.c_str(), MB_OK | iconStyle);
}

void Win32MainWindow::StartTimer(uint32_t timerId, uint32_t milliseconds) {
    SetTimer(m_window, timerId, milliseconds, nullptr);
}

void Win32MainWindow::StopTimer(uint32_t timerId) {
    KillTimer(m_window, timerId);
}

void Win32MainWindow::CloseWindowTitled(const std::wstring& title) {
    if (const HWND window = FindWindowW(nullptr, title.c_str())) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
}
