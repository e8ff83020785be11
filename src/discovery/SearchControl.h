#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "app/Configuration.h"
#include "discovery/DiscoveryTables.h"
#include "discovery/PacketHandoff.h"
#include "messages/ApplicationBox.h"
#include "messages/LogPane.h"
#include "messages/MessageCatalogue.h"
#include "ports/FirewallPolicy.h"
#include "ports/ListenerLauncher.h"
#include "ports/MainWindow.h"
#include "ports/PrinterSpooler.h"

constexpr uint32_t TIMER_SEARCH = 1;

// The listener thread of the search failed with an exception, which it could only report.
class ListenerFailure : public std::runtime_error {
public:
    ListenerFailure() : std::runtime_error("the listener of the search failed") {}
};

// The search button and the end of a search: checks the model, takes stock of the installed printers, and
// opens a window of SearchDuration seconds in which the listener fills the printer list. A search that lists
// nothing says why, from what its listener heard.
class SearchControl {
public:
    SearchControl(IMainWindow& window, const MessageCatalogue& catalogue, const Configuration& configuration,
                  DiscoveryTables& tables, SelectedModel& selected, DiscoveryHandoff& handoff, IPrinterSpooler& spooler,
                  IListenerLauncher& launcher, IFirewallPolicy& firewall, std::wstring applicationName);

    void OnSearch();
    // The search timer's expiry: the end of the search.
    void OnSearchTimer();
    // What the listener of the current search told the window: one that could open no socket ends the search at
    // once, saying so; one that failed makes this handler fail too (ListenerFailure), so that the dialog's
    // barrier ends Velbrix as after any failed handler.
    void OnListenerNotice();

private:
    void LogMessage(int id);
    // Ends the search: the listener is stopped, the buttons are enabled again, and the outcome is logged and
    // shown in a box.
    void EndSearch(const std::wstring& outcome, IMainWindow::BoxIcon icon);

    IMainWindow& m_window;
    const MessageCatalogue& m_catalogue;
    const Configuration& m_configuration;
    DiscoveryTables& m_tables;
    SelectedModel& m_selected;
    DiscoveryHandoff& m_handoff;
    IPrinterSpooler& m_spooler;
    IListenerLauncher& m_launcher;
    IFirewallPolicy& m_firewall;
    ApplicationBox m_box;
    LogPane m_log;
};
