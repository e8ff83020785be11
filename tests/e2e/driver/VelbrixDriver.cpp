// Works the running Velbrix window from outside, the way a person does, one command per run:
//   velbrix_driver COMMAND [ARGUMENTS]
// Texts are written to standard output in UTF-8, one per line. The exit code is 0 when the command did
// what it says, 1 when it found nothing to work on (no window, no such control), 2 for a wrong command.
#include <windows.h>
#include <winspool.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/LanguageChoice.h"
#include "resource.h"

namespace {

constexpr int MESSAGE_BOX_TEXT = 0xFFFF;

void Print(const std::wstring& text) {
    const std::wstring line = text + L"\n";
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), bytes.data(), size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::wstring ClassOf(HWND window) {
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return name;
}

// The title as the system keeps it, without asking the window: a window whose thread is stuck still tells it.
std::wstring StoredTextOf(HWND window) {
    wchar_t text[256] = {};
    InternalGetWindowText(window, text, 256);
    return text;
}

std::wstring TextOf(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(wcslen(text.c_str()));
    return text;
}

struct TopLevelSearch {
    std::function<bool(HWND)> matches;
    HWND found = nullptr;
};

HWND FindTopLevel(const std::function<bool(HWND)>& matches) {
    TopLevelSearch search{matches};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* search = reinterpret_cast<TopLevelSearch*>(parameter);
            if (IsWindowVisible(window) && ClassOf(window) == L"#32770" && search->matches(window)) {
                search->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindMainWindow() {
    return FindTopLevel([](HWND window) {
        return GetDlgItem(window, IDC_LOG) != nullptr && GetDlgItem(window, IDC_MODEL_COMBO) != nullptr;
    });
}

// A dialog owned by the main window: the About box when it has the version text, a message box otherwise.
HWND FindOwnedDialog(HWND main, bool about) {
    return FindTopLevel([main, about](HWND window) {
        return GetWindow(window, GW_OWNER) == main && (GetDlgItem(window, IDC_VERSION_TEXT) != nullptr) == about;
    });
}

HWND WaitFor(const std::function<HWND()>& find, int milliseconds) {
    for (int waited = 0;; waited += 50) {
        if (const HWND window = find()) {
            return window;
        }
        if (waited >= milliseconds) {
            return nullptr;
        }
        Sleep(50);
    }
}

bool WaitUntilGone(HWND window, int milliseconds) {
    return WaitFor([window] { return IsWindow(window) && IsWindowVisible(window) ? nullptr : window; }, milliseconds) !=
           nullptr;
}

// Memory in the Velbrix process, for the list-view messages that carry pointers.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, std::size_t size) : m_size(size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (m_process != nullptr) {
            m_address = VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        }
    }
    ~RemoteBuffer() {
        if (m_address != nullptr) {
            VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        }
        if (m_process != nullptr) {
            CloseHandle(m_process);
        }
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Valid() const { return m_address != nullptr; }
    char* Address(std::size_t offset = 0) const { return static_cast<char*>(m_address) + offset; }
    void Write(const void* data, std::size_t size, std::size_t offset = 0) {
        WriteProcessMemory(m_process, Address(offset), data, size, nullptr);
    }
    void Read(void* data, std::size_t size, std::size_t offset = 0) const {
        ReadProcessMemory(m_process, Address(offset), data, size, nullptr);
    }
    std::wstring ReadText(std::size_t offset, std::size_t maxChars) const {
        std::wstring text(maxChars, L'\0');
        Read(text.data(), maxChars * sizeof(wchar_t), offset);
        text.resize(wcsnlen(text.c_str(), maxChars));
        return text;
    }

private:
    std::size_t m_size;
    HANDLE m_process = nullptr;
    void* m_address = nullptr;
};

constexpr std::size_t CELL_CHARS = 1024;

std::wstring CellText(HWND list, int row, int column) {
    RemoteBuffer remote(list, sizeof(LVITEMW) + CELL_CHARS * sizeof(wchar_t));
    if (!remote.Valid()) {
        return L"<unreadable>";
    }
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(remote.Address(sizeof(LVITEMW)));
    item.cchTextMax = CELL_CHARS;
    remote.Write(&item, sizeof(item));
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote.Address()));
    return remote.ReadText(sizeof(LVITEMW), CELL_CHARS);
}

// The selected index, then every item, of a list box or a drop-down list (each has its own messages).
int PrintItems(HWND control, UINT getSelection, UINT getCount, UINT getTextLength, UINT getText) {
    Print(std::to_wstring(SendMessageW(control, getSelection, 0, 0)));
    const auto count = SendMessageW(control, getCount, 0, 0);
    for (WPARAM item = 0; item < static_cast<WPARAM>(count); ++item) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(control, getTextLength, item, 0)) + 1, L'\0');
        SendMessageW(control, getText, item, reinterpret_cast<LPARAM>(text.data()));
        text.resize(wcslen(text.c_str()));
        Print(text);
    }
    return 0;
}

int ColumnCount(HWND list) {
    const HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    return header == nullptr ? 0 : static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
}

std::wstring ColumnHeading(HWND list, int column) {
    RemoteBuffer remote(list, sizeof(LVCOLUMNW) + CELL_CHARS * sizeof(wchar_t));
    if (!remote.Valid()) {
        return L"<unreadable>";
    }
    LVCOLUMNW heading{};
    heading.mask = LVCF_TEXT;
    heading.pszText = reinterpret_cast<wchar_t*>(remote.Address(sizeof(LVCOLUMNW)));
    heading.cchTextMax = CELL_CHARS;
    remote.Write(&heading, sizeof(heading));
    SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(remote.Address()));
    return remote.ReadText(sizeof(LVCOLUMNW), CELL_CHARS);
}

int FocusedControlId(HWND main) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) || info.hwndFocus == nullptr) {
        return 0;
    }
    return GetDlgCtrlID(info.hwndFocus);
}

HWND FocusedWindow(HWND main) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
    return info.hwndFocus != nullptr ? info.hwndFocus : main;
}

int Number(const std::vector<std::wstring>& arguments, std::size_t index, int fallback) {
    return index < arguments.size() ? static_cast<int>(wcstol(arguments[index].c_str(), nullptr, 0)) : fallback;
}

// The controls a scenario names as a person does, in the order the window's flows switch the three buttons.
const std::vector<std::pair<std::wstring, int>>& NamedControls() {
    static const std::vector<std::pair<std::wstring, int>> controls = {
        {L"search", IDC_SEARCH},          {L"install", IDC_INSTALL},           {L"exit", IDCANCEL},
        {L"model-list", IDC_MODEL_COMBO}, {L"printer-list", IDC_PRINTER_LIST}, {L"log", IDC_LOG}};
    return controls;
}

int ControlNamed(const std::vector<std::wstring>& arguments) {
    for (const auto& [name, id] : NamedControls()) {
        if (!arguments.empty() && arguments[0] == name) {
            return id;
        }
    }
    return 0;
}

std::wstring NameOfControl(int id) {
    for (const auto& [name, controlId] : NamedControls()) {
        if (controlId == id) {
            return name;
        }
    }
    return std::to_wstring(id);
}

using Command = std::function<int(HWND main, const std::vector<std::wstring>& arguments)>;

// The kind of icon a message box shows, told by the colours on the screen: the warning sign is yellow, the
// information sign blue. Icon handles of another process can't be compared with ours.
std::wstring MessageBoxIconKind(HWND box) {
    HWND icon = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            IsWindowVisible(child)) {
            icon = child;
        }
    }
    if (icon == nullptr) {
        return L"none";
    }
    RECT rect;
    GetWindowRect(icon, &rect);
    const HDC screen = GetDC(nullptr);
    int yellow = 0;
    int blue = 0;
    for (LONG y = rect.top; y < rect.bottom; ++y) {
        for (LONG x = rect.left; x < rect.right; ++x) {
            const COLORREF colour = GetPixel(screen, x, y);
            const int red = GetRValue(colour), green = GetGValue(colour), bluePart = GetBValue(colour);
            yellow += red > 180 && green > 140 && bluePart < 110;
            blue += bluePart > 150 && red < 120;
        }
    }
    ReleaseDC(nullptr, screen);
    return yellow > blue ? L"warning" : blue > yellow ? L"information" : L"unknown";
}

int PrintMessageBox(HWND box) {
    Print(TextOf(box));
    Print(TextOf(GetDlgItem(box, MESSAGE_BOX_TEXT)));
    Print(MessageBoxIconKind(box));
    return 0;
}

std::wstring UnixTimeNow() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    const ULONGLONG sinceEpoch = ticks - 116444736000000000ULL; // 100 ns units since 1970
    wchar_t text[64];
    swprintf(text, 64, L"%llu.%06llu", sinceEpoch / 10000000ULL, (sinceEpoch % 10000000ULL) / 10ULL);
    return text;
}

// Keeps the clipboard open, as another program busy with it does, and prints "held" once it holds it. Only an
// opener with a window of its own keeps the others out; one without a window blocks nobody.
int HoldClipboard(int milliseconds) {
    const HWND window = CreateWindowW(L"STATIC", L"clipboard holder", 0, 0, 0, 0, 0, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr || !OpenClipboard(window)) {
        Print(L"not held");
        return 1;
    }
    Print(L"held");
    Sleep(static_cast<DWORD>(milliseconds));
    CloseClipboard();
    DestroyWindow(window);
    return 0;
}

const std::map<std::wstring, Command>& Commands() {
    static const std::map<std::wstring, Command> commands = {
        {L"title", [](HWND main, const auto&) { return Print(TextOf(main)), 0; }},
        // id, class, enabled (1/0), caption of every control in tab order
        {L"controls",
         [](HWND main, const auto&) {
             for (HWND child = GetWindow(main, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
                 Print(std::to_wstring(static_cast<short>(GetDlgCtrlID(child))) + L"\t" + ClassOf(child) + L"\t" +
                       (IsWindowEnabled(child) ? L"1" : L"0") + L"\t" + TextOf(child));
             }
             return 0;
         }},
        // x y width height of every control in client coordinates
        {L"layout",
         [](HWND main, const auto&) {
             for (HWND child = GetWindow(main, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
                 RECT rect;
                 GetWindowRect(child, &rect);
                 MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rect), 2);
                 Print(std::to_wstring(static_cast<short>(GetDlgCtrlID(child))) + L" " + std::to_wstring(rect.left) +
                       L" " + std::to_wstring(rect.top) + L" " + std::to_wstring(rect.right - rect.left) + L" " +
                       std::to_wstring(rect.bottom - rect.top));
             }
             return 0;
         }},
        // the main window's size and place as X geometry, or with "box" those of the message box it shows
        {L"rect",
         [](HWND main, const auto& arguments) {
             const HWND window = !arguments.empty() && arguments[0] == L"box" ? FindOwnedDialog(main, false) : main;
             if (window == nullptr) {
                 return 1;
             }
             RECT rect;
             GetWindowRect(window, &rect);
             Print(std::to_wstring(rect.right - rect.left) + L"x" + std::to_wstring(rect.bottom - rect.top) + L"+" +
                   std::to_wstring(rect.left) + L"+" + std::to_wstring(rect.top));
             return 0;
         }},
        {L"resize",
         [](HWND main, const auto& arguments) {
             SetWindowPos(main, nullptr, 0, 0, Number(arguments, 0, 800), Number(arguments, 1, 600),
                          SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
             return 0;
         }},
        {L"focus", [](HWND main, const auto&) { return Print(NameOfControl(FocusedControlId(main))), 0; }},
        // search, install and exit as "search=on install=off exit=on"
        {L"command-buttons",
         [](HWND main, const auto&) {
             std::wstring line;
             for (const int id : {IDC_SEARCH, IDC_INSTALL, IDCANCEL}) {
                 line += (line.empty() ? L"" : L" ") + NameOfControl(id) +
                         (IsWindowEnabled(GetDlgItem(main, id)) ? L"=on" : L"=off");
             }
             return Print(line), 0;
         }},
        {L"combo",
         [](HWND main, const auto&) {
             return PrintItems(GetDlgItem(main, IDC_MODEL_COMBO), CB_GETCURSEL, CB_GETCOUNT, CB_GETLBTEXTLEN,
                               CB_GETLBTEXT);
         }},
        {L"select-model",
         [](HWND main, const auto& arguments) {
             const HWND combo = GetDlgItem(main, IDC_MODEL_COMBO);
             SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(Number(arguments, 0, 0)), 0);
             SendMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_MODEL_COMBO, CBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(combo));
             return 0;
         }},
        // the selected line's index, then every line
        {L"log",
         [](HWND main, const auto&) {
             return PrintItems(GetDlgItem(main, IDC_LOG), LB_GETCURSEL, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
         }},
        // the extended style in hexadecimal, then width and heading of every column
        {L"headers",
         [](HWND main, const auto&) {
             const HWND list = GetDlgItem(main, IDC_PRINTER_LIST);
             wchar_t style[16];
             swprintf(style, 16, L"%#x", static_cast<unsigned>(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0)));
             Print(style);
             for (int column = 0; column < ColumnCount(list); ++column) {
                 Print(std::to_wstring(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0)) + L"\t" +
                       ColumnHeading(list, column));
             }
             return 0;
         }},
        // the printer list's inside width in pixels, and whether it shows a horizontal scroll bar
        {L"printer-list-client",
         [](HWND main, const auto&) {
             const HWND list = GetDlgItem(main, IDC_PRINTER_LIST);
             RECT client{};
             GetClientRect(list, &client);
             const bool scrolls = (GetWindowLongW(list, GWL_STYLE) & WS_HSCROLL) != 0;
             Print(std::to_wstring(client.right - client.left) + (scrolls ? L" hscroll" : L" no-hscroll"));
             return 0;
         }},
        // every row, its cells separated by tabs
        {L"rows",
         [](HWND main, const auto&) {
             const HWND list = GetDlgItem(main, IDC_PRINTER_LIST);
             const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
             const int columns = ColumnCount(list);
             for (int row = 0; row < rows; ++row) {
                 std::wstring line;
                 for (int column = 0; column < columns; ++column) {
                     line += (column ? L"\t" : L"") + CellText(list, row, column);
                 }
                 Print(line);
             }
             return 0;
         }},
        // waits until the list holds at least N rows; each time the count grows it prints the time (seconds
        // since 1970) and the count
        {L"wait-rows",
         [](HWND main, const auto& arguments) {
             const HWND list = GetDlgItem(main, IDC_PRINTER_LIST);
             const int wanted = Number(arguments, 0, 1);
             const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(Number(arguments, 1, 10000));
             LRESULT seen = 0;
             for (;;) {
                 const auto count = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
                 if (count > seen) {
                     Print(UnixTimeNow() + L" " + std::to_wstring(count));
                     seen = count;
                 }
                 if (count >= wanted) {
                     return 0;
                 }
                 if (GetTickCount64() > deadline) {
                     return 1;
                 }
                 Sleep(1);
             }
         }},
        // for SECONDS, asks the window thread to answer an empty message over and over; prints how many it
        // answered, the mean and the longest wait in milliseconds
        {L"responsiveness",
         [](HWND main, const auto& arguments) {
             LARGE_INTEGER frequency, start, stop;
             QueryPerformanceFrequency(&frequency);
             const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(Number(arguments, 0, 5)) * 1000;
             double total = 0, longest = 0;
             int answered = 0;
             while (GetTickCount64() < end) {
                 DWORD_PTR ignored = 0;
                 QueryPerformanceCounter(&start);
                 if (SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored) == 0) {
                     break;
                 }
                 QueryPerformanceCounter(&stop);
                 const double waited = 1000.0 * static_cast<double>(stop.QuadPart - start.QuadPart) /
                                       static_cast<double>(frequency.QuadPart);
                 total += waited;
                 longest = waited > longest ? waited : longest;
                 ++answered;
                 Sleep(10);
             }
             wchar_t line[128];
             swprintf(line, 128, L"answered=%d mean_ms=%.2f max_ms=%.2f", answered, answered ? total / answered : 0.0,
                      longest);
             Print(line);
             return answered > 0 ? 0 : 1;
         }},
        {L"select-row",
         [](HWND main, const auto& arguments) {
             const HWND list = GetDlgItem(main, IDC_PRINTER_LIST);
             const int row = Number(arguments, 0, 0);
             RemoteBuffer remote(list, sizeof(LVITEMW));
             if (!remote.Valid()) {
                 return 1;
             }
             LVITEMW item{};
             item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
             item.state = LVIS_SELECTED | LVIS_FOCUSED;
             remote.Write(&item, sizeof(item));
             SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote.Address()));
             SendMessageW(list, LVM_SETSELECTIONMARK, 0, row);
             return 0;
         }},
        {L"selected-row",
         [](HWND main, const auto&) {
             const HWND list = GetDlgItem(main, IDC_PRINTER_LIST);
             Print(std::to_wstring(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)));
             return 0;
         }},
        // a double click on row N, as the mouse gives it to the list
        {L"double-click-row",
         [](HWND main, const auto& arguments) {
             const HWND list = GetDlgItem(main, IDC_PRINTER_LIST);
             RemoteBuffer remote(list, sizeof(RECT));
             if (!remote.Valid()) {
                 return 1;
             }
             RECT rect{};
             rect.left = LVIR_LABEL;
             remote.Write(&rect, sizeof(rect));
             if (!SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(Number(arguments, 0, 0)),
                               reinterpret_cast<LPARAM>(remote.Address()))) {
                 return 1;
             }
             remote.Read(&rect, sizeof(rect));
             const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
             for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
                 PostMessageW(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
             }
             return 0;
         }},
        // posted, so that a handler that opens a message box does not hold the driver
        // search, install or exit
        {L"press",
         [](HWND main, const auto& arguments) {
             const int id = ControlNamed(arguments);
             if (id != IDC_SEARCH && id != IDC_INSTALL && id != IDCANCEL) {
                 return 2;
             }
             const HWND button = GetDlgItem(main, id);
             return button != nullptr && PostMessageW(button, BM_CLICK, 0, 0) ? 0 : 1;
         }},
        // a key pressed while the focus is where it is: tab, escape, enter, up, down
        {L"key",
         [](HWND main, const auto& arguments) {
             static const std::map<std::wstring, WPARAM> keys = {
                 {L"tab", VK_TAB}, {L"escape", VK_ESCAPE}, {L"enter", VK_RETURN}, {L"up", VK_UP}, {L"down", VK_DOWN}};
             const auto key = arguments.empty() ? keys.end() : keys.find(arguments[0]);
             if (key == keys.end()) {
                 return 2;
             }
             const HWND target = FocusedWindow(main);
             PostMessageW(target, WM_KEYDOWN, key->second, 1);
             PostMessageW(target, WM_KEYUP, key->second, 0xC0000001);
             return 0;
         }},
        // Ctrl+C typed on the keyboard with the focus in the log pane
        {L"copy-log",
         [](HWND main, const auto&) {
             SetForegroundWindow(main);
             SendMessageW(main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(main, IDC_LOG)), TRUE);
             INPUT keys[4]{};
             const WORD sequence[4][2] = {
                 {VK_CONTROL, 0}, {'C', 0}, {'C', KEYEVENTF_KEYUP}, {VK_CONTROL, KEYEVENTF_KEYUP}};
             for (int key = 0; key < 4; ++key) {
                 keys[key].type = INPUT_KEYBOARD;
                 keys[key].ki.wVk = sequence[key][0];
                 keys[key].ki.dwFlags = sequence[key][1];
             }
             return SendInput(4, keys, sizeof(INPUT)) == 4 ? 0 : 1;
         }},
        // the close box: the system command it sends
        {L"close", [](HWND main, const auto&) { return PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1; }},
        {L"minimise", [](HWND main, const auto&) { return ShowWindow(main, SW_MINIMIZE), 0; }},
        {L"restore", [](HWND main, const auto&) { return ShowWindow(main, SW_RESTORE), 0; }},
        {L"system-menu",
         [](HWND main, const auto&) {
             const HMENU menu = GetSystemMenu(main, FALSE);
             const int count = menu ? GetMenuItemCount(menu) : -1;
             if (count < 0) {
                 return 1;
             }
             for (int position = 0; position < count; ++position) {
                 wchar_t text[256] = {};
                 MENUITEMINFOW item{};
                 item.cbSize = sizeof(item);
                 item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
                 item.dwTypeData = text;
                 item.cch = 256;
                 GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item);
                 Print(std::to_wstring(item.wID) + L"\t" + ((item.fType & MFT_SEPARATOR) ? L"-" : text));
             }
             return 0;
         }},
        // opens the system menu as Alt+Space does; "key up", "key enter" then work in it
        {L"open-system-menu",
         [](HWND main, const auto&) { return PostMessageW(main, WM_SYSCOMMAND, SC_KEYMENU, L' ') ? 0 : 1; }},
        {L"system-command",
         [](HWND main, const auto& arguments) {
             return PostMessageW(main, WM_SYSCOMMAND, static_cast<WPARAM>(Number(arguments, 0, 0)), 0) ? 0 : 1;
         }},
        // title, version text, OK caption and whether it shows an icon
        {L"about",
         [](HWND main, const auto&) {
             const HWND about = WaitFor([main] { return FindOwnedDialog(main, true); }, 5000);
             if (about == nullptr) {
                 return 1;
             }
             Print(TextOf(about));
             Print(TextOf(GetDlgItem(about, IDC_VERSION_TEXT)));
             Print(TextOf(GetDlgItem(about, IDOK)));
             HWND icon = nullptr;
             for (HWND child = GetWindow(about, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
                 if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && ClassOf(child) == L"Static") {
                     icon = child;
                 }
             }
             Print(icon != nullptr && SendMessageW(icon, STM_GETICON, 0, 0) != 0 ? L"icon" : L"no icon");
             return 0;
         }},
        {L"about-ok",
         [](HWND main, const auto&) {
             const HWND about = FindOwnedDialog(main, true);
             return about != nullptr && PostMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0) ? 0 : 1;
         }},
        {L"about-gone",
         [](HWND main, const auto&) {
             for (int waited = 0; waited < 5000; waited += 50) {
                 if (FindOwnedDialog(main, true) == nullptr) {
                     return 0;
                 }
                 Sleep(50);
             }
             return 1;
         }},
        // caption and text of the message box the main window shows
        {L"message-box",
         [](HWND main, const auto& arguments) {
             const HWND box = WaitFor([main] { return FindOwnedDialog(main, false); }, Number(arguments, 0, 5000));
             return box == nullptr ? 1 : PrintMessageBox(box);
         }},
        // waits for a message box of the main window; prints the time it was first seen, its caption, text and
        // icon, then the time it went away (within MS)
        {L"watch-message-box",
         [](HWND main, const auto& arguments) {
             const int milliseconds = Number(arguments, 0, 10000);
             const HWND box = WaitFor([main] { return FindOwnedDialog(main, false); }, milliseconds);
             if (box == nullptr) {
                 return 1;
             }
             Print(UnixTimeNow());
             // The icon is told by its colours, which are on the screen only once the box has been painted.
             Sleep(300);
             PrintMessageBox(box);
             if (!WaitUntilGone(box, milliseconds)) {
                 return 1;
             }
             Print(UnixTimeNow());
             return 0;
         }},
        // what a window that does not end is doing: whether it takes input, what is active and focused, and
        // every window of its thread
        {L"state",
         [](HWND main, const auto&) {
             GUITHREADINFO info{};
             info.cbSize = sizeof(info);
             const DWORD thread = GetWindowThreadProcessId(main, nullptr);
             GetGUIThreadInfo(thread, &info);
             Print(std::wstring(L"main ") + (IsWindowEnabled(main) ? L"enabled" : L"disabled") + L", flags " +
                   std::to_wstring(info.flags) + L", active " + ClassOf(info.hwndActive) + L" \"" +
                   StoredTextOf(info.hwndActive) + L"\", focus " + ClassOf(info.hwndFocus) + L" \"" +
                   StoredTextOf(info.hwndFocus) + L"\", capture " + ClassOf(info.hwndCapture) + L", menu owner " +
                   ClassOf(info.hwndMenuOwner));
             EnumThreadWindows(
                 thread,
                 [](HWND window, LPARAM) -> BOOL {
                     Print(L"window " + ClassOf(window) + L" \"" + StoredTextOf(window) + L"\"" +
                           (IsWindowVisible(window) ? L" visible" : L" hidden") +
                           (IsWindowEnabled(window) ? L" enabled" : L" disabled"));
                     return TRUE;
                 },
                 0);
             return 0;
         }},
        // returns once the box is gone, so that the next look sees what follows it
        {L"message-box-ok",
         [](HWND main, const auto&) {
             const HWND box = FindOwnedDialog(main, false);
             return box != nullptr && PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0) &&
                            WaitUntilGone(box, 5000)
                        ? 0
                        : 1;
         }},
    };
    return commands;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        Print(L"usage: velbrix_driver wait [ms] | gone [ms] | hold-clipboard [ms] | catalogue-language | COMMAND "
              L"[ARGUMENTS]");
        return 2;
    }
    const std::wstring command = argv[1];
    const std::vector<std::wstring> arguments(argv + 2, argv + argc);

    if (command == L"wait") {
        return WaitFor(FindMainWindow, Number(arguments, 0, 20000)) != nullptr ? 0 : 1;
    }
    // The catalogue Velbrix speaks to this session's user, by Velbrix's own language choice.
    if (command == L"catalogue-language") {
        Print(std::to_wstring(CatalogueLanguageFor(ThreadLanguageFor(GetUserDefaultUILanguage()))));
        return 0;
    }
    // The spooler's printers as EnumPrintersW lists them at level 2: name, port and driver, separated by tabs.
    if (command == L"printers") {
        DWORD needed = 0;
        DWORD returned = 0;
        EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, nullptr, 0, &needed, &returned);
        std::vector<BYTE> buffer(needed);
        if (needed != 0 && !EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, buffer.data(),
                                          needed, &needed, &returned)) {
            return 1;
        }
        const auto* printers = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
        for (DWORD index = 0; index < returned; ++index) {
            Print(std::wstring(printers[index].pPrinterName) + L"\t" + printers[index].pPortName + L"\t" +
                  printers[index].pDriverName);
        }
        return 0;
    }
    if (command == L"hold-clipboard") {
        return HoldClipboard(Number(arguments, 0, 5000));
    }
    if (command == L"gone") {
        for (int waited = 0; waited < Number(arguments, 0, 10000); waited += 50) {
            if (FindMainWindow() == nullptr) {
                return 0;
            }
            Sleep(50);
        }
        return 1;
    }
    const auto found = Commands().find(command);
    if (found == Commands().end()) {
        Print(L"unknown command " + command);
        return 2;
    }
    const HWND main = FindMainWindow();
    if (main == nullptr) {
        Print(L"no Velbrix window");
        return 1;
    }
    return found->second(main, arguments);
}
