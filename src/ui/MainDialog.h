#pragma once

#include <cstdint>
#include <string>

#include "app/Configuration.h"
#include "discovery/DiscoveryTables.h"
#include "messages/LogPane.h"
#include "messages/MessageCatalogue.h"
#include "ports/MainWindow.h"
#include "ports/Profile.h"

// Where the minimised window draws its icon, centred in the client area.
struct IconOrigin {
    int x;
    int y;
};
IconOrigin MinimisedIconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight);

// The main dialog's behaviour; CVelbrixDlg turns window messages into calls of it.
class MainDialog {
public:
    MainDialog(IMainWindow& window, const MessageCatalogue& catalogue, IProfile& profile, Configuration& configuration,
               DiscoveryTables& tables);

    // Prepares the window and reads the configuration; true lets the first control in tab order, the exit
    // button, take the keyboard focus.
    bool OnInitDialog();

    // Whether a system-menu command, without the bits the system uses itself, is the About item.
    static bool IsAboutCommand(uint32_t command);

private:
    void LoadMessage(int id);

    IMainWindow& m_window;
    const MessageCatalogue& m_catalogue;
    IProfile& m_profile;
    Configuration& m_configuration;
    DiscoveryTables& m_tables;
    LogPane m_log;

    // Every catalogue text the dialog shows is loaded into the working text first.
    std::wstring m_message;
};
