#include "win32/VelbrixProcess.h"

#include <commctrl.h>

#include "app/CVelbrixApp.h"
#include "app/ProgramPaths.h"
#include "messages/MessageCatalogue.h"
#include "win32/CVelbrixDlg.h"
#include "win32/Win32UserInterfaceLanguage.h"

VelbrixProcess::VelbrixProcess(HINSTANCE instance) : m_instance(instance), m_resources(instance) {}

void VelbrixProcess::Run() {
    Win32UserInterfaceLanguage language;
    CVelbrixApp app(language, *this);
    app.InitInstance();
}

void VelbrixProcess::RegisterCommonControls() {
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof(classes);
    classes.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&classes);
}

void VelbrixProcess::RunMainDialog(uint16_t threadLanguage) {
    const MessageCatalogue catalogue(m_resources, threadLanguage);
    const std::wstring applicationName = ApplicationNameFromExecutablePath(m_profile.ExecutablePath());
    const ProcessParts parts{catalogue,
                             applicationName,
                             m_profile,
                             m_spooler,
                             m_sleeper,
                             m_configuration,
                             m_tables,
                             m_selectedModel,
                             m_handoff,
                             m_firewall,
                             m_installTarget,
                             {m_icmp, m_worker, m_spooler, m_scriptFile, m_scriptProcess, m_clipboard, m_elevation,
                              m_printPolicy, m_networkPath},
                             m_processEnd};
    CVelbrixDlg dialog(m_instance, catalogue, m_processEnd, [&parts](HWND window, HICON icon) {
        return std::make_unique<MainDialogFlows>(window, icon, parts);
    });
    dialog.DoModal(nullptr);
}
