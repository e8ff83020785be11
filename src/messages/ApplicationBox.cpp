#include "messages/ApplicationBox.h"

void ApplicationBox::Show(const std::wstring& text, IMainWindow::BoxIcon icon) {
    m_window.ShowMessageBox(text, m_applicationName, icon);
}
