#include "ui/CVelbrixDlg.h"

#include "resource.h"

CVelbrixDlg::CVelbrixDlg(HINSTANCE instance, const MessageCatalogue& catalogue)
    : CDialog(instance, IDD_MAIN_DIALOG), m_catalogue(catalogue),
      m_icon(LoadIconW(instance, MAKEINTRESOURCEW(IDI_MAIN_ICON))) {}

CVelbrixDlg::~CVelbrixDlg() = default;

BOOL CVelbrixDlg::OnInitDialog() {
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    m_catalogue.Load(102, m_message);
    SetWindowTextW(Handle(), m_message.c_str());
    return TRUE;
}
