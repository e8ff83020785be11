#include "ui/CVelbrixDlg.h"

#include <commctrl.h>

#include "app/ProgramPaths.h"
#include "resource.h"
#include "ui/CAboutDlg.h"

CVelbrixDlg::CVelbrixDlg(HINSTANCE instance, const MessageCatalogue& catalogue, IProfile& profile, ProcessState& state)
    : CDialog(instance, IDD_MAIN_DIALOG), m_catalogue(catalogue), m_profile(profile), m_state(state),
      m_icon(LoadIconW(instance, MAKEINTRESOURCEW(IDI_MAIN_ICON))) {}

CVelbrixDlg::~CVelbrixDlg() = default;

BOOL CVelbrixDlg::OnInitDialog() {
    m_window = std::make_unique<Win32MainWindow>(Handle(), m_icon);
    m_dialog =
        std::make_unique<MainDialog>(*m_window, m_catalogue, m_profile, m_state.configuration, m_state.discovery);
    m_results = std::make_unique<DiscoveryResults>(*m_window, m_catalogue, m_state.handoff, m_state.discovery,
                                                   m_state.selectedModel, m_sleeper);
    m_launcher = std::make_unique<Win32ListenerLauncher>(Handle(), m_state.handoff);
    m_search = std::make_unique<SearchControl>(*m_window, m_catalogue, m_state.configuration, m_state.discovery,
                                               m_state.selectedModel, m_state.handoff, m_spooler, *m_launcher,
                                               ApplicationNameFromExecutablePath(m_profile.ExecutablePath()));
    return m_dialog->OnInitDialog() ? TRUE : FALSE;
}

bool CVelbrixDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case WM_SYSCOMMAND:
        if (MainDialog::IsAboutCommand(static_cast<uint32_t>(wParam))) {
            CAboutDlg(Instance(), m_catalogue).DoModal(Handle());
            result = TRUE;
            return true;
        }
        return false;
    case WM_PAINT:
        return OnPaint();
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_SEARCH && HIWORD(wParam) == BN_CLICKED) {
            m_search->OnSearch();
            result = TRUE;
            return true;
        }
        return CDialog::HandleMessage(message, wParam, lParam, result);
    case WM_TIMER:
        m_search->OnTimer(static_cast<uint32_t>(wParam));
        result = TRUE;
        return true;
    case WM_MDNS_PACKET:
        m_results->OnMdnsPacket();
        SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, 0);
        result = TRUE;
        return true;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<INT_PTR>(m_icon);
        return true;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->idFrom == IDC_PRINTER_LIST &&
            reinterpret_cast<const NMHDR*>(lParam)->code == LVN_ITEMACTIVATE) {
            SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, 0);
            result = TRUE;
            return true;
        }
        return false;
    default:
        return CDialog::HandleMessage(message, wParam, lParam, result);
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
