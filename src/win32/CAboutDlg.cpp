#include "win32/CAboutDlg.h"

#include "resource.h"
#include "ui/AboutBox.h"

CAboutDlg::CAboutDlg(HINSTANCE instance, const MessageCatalogue& catalogue)
    : CDialog(instance, IDD_ABOUTBOX), m_catalogue(catalogue) {}

BOOL CAboutDlg::OnInitDialog() {
    const AboutBoxTexts texts = LoadAboutBoxTexts(m_catalogue);
    SetDlgItemTextW(Handle(), IDC_VERSION_TEXT, texts.Version.c_str());
    SetWindowTextW(Handle(), texts.Title.c_str());
    return TRUE;
}
