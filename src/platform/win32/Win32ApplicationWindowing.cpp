#include "platform/win32/Win32ApplicationWindowing.h"

#include <commctrl.h>

#include "app/ProcessState.h"
#include "platform/win32/Win32Profile.h"
#include "platform/win32/Win32StringResources.h"
#include "ui/CVelbrixDlg.h"
#include "ui/MessageCatalogue.h"

void Win32ApplicationWindowing::RegisterCommonControls() {
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof(classes);
    classes.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&classes);
}

void Win32ApplicationWindowing::RunMainDialog(uint16_t threadLanguage) {
    Win32StringResources resources(m_instance);
    const MessageCatalogue catalogue(resources, threadLanguage);
    Win32Profile profile;
    CVelbrixDlg dialog(m_instance, catalogue, profile, TheProcessState());
    dialog.DoModal(nullptr);
}
