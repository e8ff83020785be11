#pragma once

#include <string>

#include "app/Configuration.h"
#include "discovery/DiscoveryResults.h"
#include "discovery/SearchControl.h"
#include "install/InstallCommand.h"
#include "install/InstallNotice.h"
#include "messages/MessageCatalogue.h"
#include "ui/HandlerFailure.h"
#include "ui/MainDialog.h"
#include "win32/Win32ListenerLauncher.h"
#include "win32/Win32MainWindow.h"

// What the process lends the main dialog's flows: its catalogue, its lasting values and its adapters.
struct ProcessParts {
    const MessageCatalogue& catalogue;
    std::wstring applicationName;
    IProfile& profile;
    IPrinterSpooler& spooler;
    ISleeper& sleeper;
    Configuration& configuration;
    DiscoveryTables& tables;
    SelectedModel& selectedModel;
    DiscoveryHandoff& handoff;
    IFirewallPolicy& firewall;
    InstallTarget& installTarget;
    InstallPorts install;
    IProcessEnd& processEnd;
};

// The objects that live as long as the main dialog's window: the window as the logic sees it, and the logic
// of each flow the dialog's messages start.
struct MainDialogFlows {
    MainDialogFlows(HWND handle, HICON icon, const ProcessParts& parts)
        : window(handle, icon), launcher(handle, parts.handoff),
          dialog(window, parts.catalogue, parts.profile, parts.configuration, parts.tables),
          results(window, parts.catalogue, parts.handoff, parts.tables, parts.selectedModel, parts.sleeper),
          search(window, parts.catalogue, parts.configuration, parts.tables, parts.selectedModel, parts.handoff,
                 parts.spooler, launcher, parts.firewall, parts.applicationName),
          install(window, parts.catalogue, parts.configuration, parts.tables, parts.selectedModel, parts.installTarget,
                  parts.install, parts.applicationName),
          failure(window, parts.catalogue, parts.handoff, parts.processEnd, parts.applicationName), log(window),
          clipboard(parts.install.clipboard) {}

    Win32MainWindow window;
    Win32ListenerLauncher launcher;
    MainDialog dialog;
    DiscoveryResults results;
    SearchControl search;
    InstallCommand install;
    HandlerFailure failure;
    LogPane log;
    IClipboard& clipboard;
};
