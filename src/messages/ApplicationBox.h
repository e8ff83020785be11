#pragma once

#include <string>
#include <utility>

#include "ports/MainWindow.h"

// The application's message box: owned by the main window and captioned with the application's name, as
// every flow tells its outcome.
class ApplicationBox {
public:
    ApplicationBox(IMainWindow& window, std::wstring applicationName)
        : m_window(window), m_applicationName(std::move(applicationName)) {}

    void Show(const std::wstring& text, IMainWindow::BoxIcon icon);

private:
    IMainWindow& m_window;
    std::wstring m_applicationName;
};
