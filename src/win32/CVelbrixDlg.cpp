#include "win32/CVelbrixDlg.h"

#include "resource.h"
#include "win32/CAboutDlg.h"
#include "win32/WindowMessages.h"

namespace {

// The log's context menu has one item.
constexpr UINT IDM_COPY_LOG = 1;

} // namespace

CVelbrixDlg::CVelbrixDlg(HINSTANCE instance, const MessageCatalogue& catalogue, IProcessEnd& processEnd,
                         Connect connect)
    : CDialog(instance, IDD_MAIN_DIALOG), m_catalogue(catalogue), m_processEnd(processEnd),
      m_connect(std::move(connect)), m_icon(LoadIconW(instance, MAKEINTRESOURCEW(IDI_MAIN_ICON))) {}

BOOL CVelbrixDlg::OnInitDialog() {
    m_flows = m_connect(Handle(), m_icon);
    return m_flows->dialog.OnInitDialog() ? TRUE : FALSE;
}

bool CVelbrixDlg::OnButtonClicked(int controlId) {
    switch (controlId) {
    case IDC_SEARCH:
        m_flows->search.OnSearch();
        return true;
    case IDC_INSTALL:
        m_flows->install.OnInstall();
        return true;
    default:
        return CDialog::OnButtonClicked(controlId);
    }
}

bool CVelbrixDlg::OnNotify(int controlId, const NMHDR& header) {
    // A double click on a printer row only selects it.
    return controlId == IDC_PRINTER_LIST && header.code == LVN_ITEMACTIVATE;
}

bool CVelbrixDlg::OnTimer(uintptr_t timerId) {
    // Each flow names its own timer; two flows that chose the same number would not compile here.
    switch (timerId) {
    case TIMER_SEARCH:
        m_flows->search.OnSearchTimer();
        return true;
    case TIMER_INSTALL_NOTICE:
        m_flows->install.OnNoticeTimer();
        return true;
    default:
        return false;
    }
}

bool CVelbrixDlg::OnSysCommand(uint32_t command) {
    if (!MainDialog::IsAboutCommand(command)) {
        return false;
    }
    CAboutDlg(Instance(), m_catalogue).DoModal(Handle());
    return true;
}

bool CVelbrixDlg::OnListBoxKey(int controlId, UINT virtualKey) {
    if (controlId != IDC_LOG || virtualKey != 'C' || GetKeyState(VK_CONTROL) >= 0) {
        return false;
    }
    m_flows->log.CopyAll(m_flows->clipboard);
    return true;
}

bool CVelbrixDlg::OnContextMenu(int controlId, int x, int y) {
    if (controlId != IDC_LOG) {
        return false;
    }
    if (x == -1 && y == -1) {
        RECT log;
        GetWindowRect(GetDlgItem(Handle(), IDC_LOG), &log);
        x = log.left;
        y = log.top;
    }
    const HMENU menu = CreatePopupMenu();
    if (menu == nullptr) {
        return true;
    }
    AppendMenuW(menu, MF_STRING, IDM_COPY_LOG, m_catalogue.Text(MSG_LOG_COPY).c_str());
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, x, y, 0, Handle(), nullptr));
    DestroyMenu(menu);
    if (chosen == IDM_COPY_LOG) {
        m_flows->log.CopyAll(m_flows->clipboard);
    }
    return true;
}

bool CVelbrixDlg::OnPrivateMessage(UINT message) {
    switch (message) {
    case WM_MDNS_PACKET:
        m_flows->results.OnMdnsPacket();
        return true;
    case WM_MDNS_NOTICE:
        m_flows->search.OnListenerNotice();
        return true;
    default:
        return false;
    }
}

void CVelbrixDlg::OnHandlerFailure() {
    // Without flows (their making failed) there is no window to speak through yet.
    if (m_flows) {
        m_flows->failure.OnHandlerFailure();
    } else {
        HandlerFailure::OnHandlerFailureWithoutWindow(m_processEnd);
    }
}

bool CVelbrixDlg::OnPaint() {
    if (!IsIconic(Handle())) {
        return false;
    }
    PAINTSTRUCT paint;
    const HDC context = BeginPaint(Handle(), &paint);
    SendMessageW(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(context), 0);
    RECT client;
    GetClientRect(Handle(), &client);
    const IconOrigin origin = MinimisedIconOrigin(client.right - client.left, client.bottom - client.top,
                                                  GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    DrawIcon(context, origin.x, origin.y, m_icon);
    EndPaint(Handle(), &paint);
    return true;
}
