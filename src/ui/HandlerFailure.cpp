#include "ui/HandlerFailure.h"

#include "discovery/SearchControl.h"
#include "install/InstallNotice.h"
#include "messages/names.h"

HandlerFailure::HandlerFailure(IMainWindow& window, const MessageCatalogue& catalogue, DiscoveryHandoff& handoff,
                               std::wstring applicationName)
    : m_window(window), m_catalogue(catalogue), m_handoff(handoff), m_box(window, std::move(applicationName)) {}

void HandlerFailure::OnHandlerFailure() {
    // The box's own loop goes on delivering timers and datagrams: they are stopped first, so that no flow
    // moves on while the box is open.
    StopDiscovery(m_handoff);
    m_window.StopTimer(TIMER_SEARCH);
    m_window.StopTimer(TIMER_INSTALL_NOTICE);
    m_box.Show(m_catalogue.Text(MSG_HANDLER_FAILED), IMainWindow::BoxIcon::Warning);
}
