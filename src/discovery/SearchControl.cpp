#include "discovery/SearchControl.h"

#include "discovery/EmptySearchReason.h"
#include "discovery/Inventory.h"
#include "messages/CommandButtons.h"
#include "messages/names.h"
#include "resource.h"

SearchControl::SearchControl(IMainWindow& window, const MessageCatalogue& catalogue, const Configuration& configuration,
                             DiscoveryTables& tables, SelectedModel& selected, DiscoveryHandoff& handoff,
                             IPrinterSpooler& spooler, IListenerLauncher& launcher, IFirewallPolicy& firewall,
                             std::wstring applicationName)
    : m_window(window), m_catalogue(catalogue), m_configuration(configuration), m_tables(tables), m_selected(selected),
      m_handoff(handoff), m_spooler(spooler), m_launcher(launcher), m_firewall(firewall),
      m_box(window, std::move(applicationName)), m_log(window) {}

void SearchControl::LogMessage(int id) {
    m_log.Append(m_catalogue.Text(id));
}

void SearchControl::OnSearch() {
    // The list and both tables are emptied before the choice is looked at, whatever it turns out to be.
    m_window.PrinterListClear();
    ClearDiscoveryTables(m_tables);

    const int32_t index = m_window.ModelListSelection();
    if (index == 0) {
        m_selected.Index = 0;
        m_box.Show(m_catalogue.Text(MSG_NO_MODEL_CHOSEN), IMainWindow::BoxIcon::Warning);
        m_window.FocusControl(IDC_MODEL_COMBO);
        return;
    }
    if (!FillSelectedModel(m_selected, index, m_configuration.Models)) {
        m_box.Show(m_catalogue.Text(MSG_MODEL_NOT_CONFIGURED), IMainWindow::BoxIcon::Warning);
        return;
    }

    EnableCommandButtons(m_window, false);
    m_log.Clear();
    m_log.Append(m_catalogue.Text(MSG_MODEL_ENTRY_READ) + m_configuration.Models.at(index));
    LogMessage(MSG_CHECKING_INSTALLED);

    const InventoryResult inventory = TakeInventory(m_spooler, m_selected.DriverName, m_tables.Installed);
    if (!inventory.Succeeded) {
        const std::wstring line = InventoryErrorLine(inventory.ErrorCode);
        m_log.Append(line);
        m_box.Show(line, IMainWindow::BoxIcon::None);
        EnableCommandButtons(m_window, true);
        return;
    }
    m_log.Append(m_catalogue.Format(MSG_INSTALLED_COUNTS, {inventory.Enumerated, inventory.Recorded}));

    m_window.StartTimer(TIMER_SEARCH, m_configuration.SearchDuration * 1000);

    // Counting the search up retires every listener of an earlier one: it forwards nothing more.
    const uint32_t search = m_handoff.CurrentSearch.fetch_add(1) + 1;
    m_handoff.StopSearch.store(0);
    m_handoff.Counts.BeginSearch(search, m_selected.Model);
    if (m_launcher.StartListener(search, m_configuration.SearchDuration * 1000)) {
        LogMessage(MSG_SEARCHING);
        return;
    }
    // The timer goes on running: its expiry still ends the search as usual.
    m_box.Show(m_catalogue.Text(MSG_LISTENER_NOT_STARTED), IMainWindow::BoxIcon::Warning);
    LogMessage(MSG_LISTENER_NOT_STARTED);
    EnableCommandButtons(m_window, true);
}

void SearchControl::EndSearch(const std::wstring& outcome, IMainWindow::BoxIcon icon) {
    StopDiscovery(m_handoff);
    EnableCommandButtons(m_window, true);
    m_window.StopTimer(TIMER_SEARCH);
    m_log.Append(outcome);
    m_box.Show(outcome, icon);
}

void SearchControl::OnSearchTimer() {
    if (m_tables.Discovered.Count == 0) {
        // The listener may still be winding down: what it heard up to here is what counts.
        const SearchCounts counts = m_handoff.Counts.Snapshot(m_handoff.CurrentSearch.load());
        const EmptySearchReason reason = ChooseEmptySearchReason(counts, m_firewall);
        EndSearch(m_catalogue.Text(MSG_NOTHING_FOUND), IMainWindow::BoxIcon::Warning);
        m_log.Append(EmptySearchReasonLine(reason, counts, m_selected.Model, m_catalogue));
    } else {
        EndSearch(m_catalogue.Format(MSG_FOUND_COUNT, {m_tables.Discovered.Count}), IMainWindow::BoxIcon::Information);
    }
}

void SearchControl::OnListenerNotice() {
    switch (TakeListenerNotice(m_handoff)) {
    case ListenerNotice::CouldNotListen:
        // Only while the search runs: after its end the person has already been told how it went.
        if (m_handoff.StopSearch.load() == 0) {
            EndSearch(m_catalogue.Text(MSG_CANNOT_LISTEN), IMainWindow::BoxIcon::Warning);
        }
        return;
    case ListenerNotice::Failed:
        throw ListenerFailure();
    case ListenerNotice::None:
        return;
    }
}
