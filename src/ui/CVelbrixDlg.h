#pragma once

#include <memory>

#include "app/ProcessState.h"
#include "discovery/DiscoveryResults.h"
#include "discovery/SearchControl.h"
#include "platform/Profile.h"
#include "platform/win32/Dialog.h"
#include "platform/win32/Win32ListenerLauncher.h"
#include "platform/win32/Win32MainWindow.h"
#include "platform/win32/Win32PrinterSpooler.h"
#include "platform/win32/Win32Sleeper.h"
#include "ui/MainDialog.h"
#include "ui/MessageCatalogue.h"

// The main dialog's window: it receives the window messages and hands each to the logic object that owns
// that flow.
class CVelbrixDlg final : public CDialog {
public:
    CVelbrixDlg(HINSTANCE instance, const MessageCatalogue& catalogue, IProfile& profile, ProcessState& state);
    ~CVelbrixDlg() override;

protected:
    BOOL OnInitDialog() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    bool OnPaint();

    const MessageCatalogue& m_catalogue;
    IProfile& m_profile;
    ProcessState& m_state;
    HICON m_icon;
    Win32Sleeper m_sleeper;
    std::unique_ptr<Win32MainWindow> m_window;
    std::unique_ptr<MainDialog> m_dialog;
    std::unique_ptr<DiscoveryResults> m_results;
    Win32PrinterSpooler m_spooler;
    std::unique_ptr<Win32ListenerLauncher> m_launcher;
    std::unique_ptr<SearchControl> m_search;
};
