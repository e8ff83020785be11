#include "app/CVelbrixApp.h"

#include "app/LanguageChoice.h"

CVelbrixApp::CVelbrixApp(IUserInterfaceLanguage& language, IApplicationWindowing& windowing)
    : m_language(language), m_windowing(windowing) {}

bool CVelbrixApp::InitInstance() {
    m_windowing.RegisterCommonControls();

    // A dialog framework would set itself up here (control containment, a shell manager, a visual manager, a
    // registry key for profile settings). Velbrix hosts no ActiveX control, uses no shell dialogs, draws with
    // the native look and stores no profile setting, so plain Win32 has nothing to do for any of them.

    const uint16_t threadLanguage = ThreadLanguageFor(m_language.UserDefaultUILanguage());
    m_language.SetThreadUILanguage(threadLanguage);

    m_windowing.RunMainDialog(threadLanguage);
    return false;
}
