// Identifiers shared by the resource script and the code.
#pragma once

#define IDD_ABOUTBOX 100
#define IDD_MAIN_DIALOG 102
#define IDI_MAIN_ICON 131

#define IDC_PRINTER_LIST 1000
#define IDC_SEARCH 1003
#define IDC_MODEL_COMBO 1004
#define IDC_INSTALL 1005
#define IDC_LOG 1006
#define IDC_VERSION_TEXT 1010

#define IDM_SHOW_ABOUT 0x0010

// The exit button is the dialog's cancel button; the logic names it without the Windows headers.
#ifndef IDCANCEL
#define IDCANCEL 2
#endif

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
