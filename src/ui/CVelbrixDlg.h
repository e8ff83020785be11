#pragma once

#include <memory>

#include "app/Configuration.h"
#include "discovery/DiscoveryTables.h"
#include "platform/Profile.h"
#include "platform/win32/Dialog.h"
#include "platform/win32/Win32MainWindow.h"
#include "ui/MainDialog.h"
#include "ui/MessageCatalogue.h"

// The main dialog's window: it receives the window messages and hands each to the handler of MainDialog
// that owns it.
class CVelbrixDlg final : public CDialog {
public:
    CVelbrixDlg(HINSTANCE instance, const MessageCatalogue& catalogue, IProfile& profile, Configuration& configuration,
                DiscoveryTables& tables);
    ~CVelbrixDlg() override;

protected:
    BOOL OnInitDialog() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    bool OnPaint();

    const MessageCatalogue& m_catalogue;
    IProfile& m_profile;
    Configuration& m_configuration;
    DiscoveryTables& m_tables;
    HICON m_icon;
    std::unique_ptr<Win32MainWindow> m_window;
    std::unique_ptr<MainDialog> m_dialog;
};
