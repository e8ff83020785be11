#include "ui/HandlerFailure.h"

#include "discovery/SearchControl.h"
#include "install/InstallNotice.h"
#include "messages/names.h"

HandlerFailure::HandlerFailure(IMainWindow& window, const MessageCatalogue& catalogue, DiscoveryHandoff& handoff,
                               IProcessEnd& process, std::wstring applicationName)
    : m_window(window), m_catalogue(catalogue), m_handoff(handoff), m_process(process),
      m_box(window, std::move(applicationName)) {}

void HandlerFailure::OnHandlerFailure() {
    // The box's own loop goes on delivering timers and datagrams: they are stopped first, so that no flow
    // moves on while the box is open.
    StopDiscovery(m_handoff);
    m_window.StopTimer(TIMER_SEARCH);
    m_window.StopTimer(TIMER_INSTALL_NOTICE);
    try {
        m_box.Show(m_catalogue.Text(MSG_HANDLER_FAILED), IMainWindow::BoxIcon::Warning);
    } catch (...) {
        // Out of memory even for the box's text: the process ends all the same, without a word.
    }
    OnHandlerFailureWithoutWindow(m_process);
}

void HandlerFailure::OnHandlerFailureWithoutWindow(IProcessEnd& process) {
    process.EndProcess(HANDLER_FAILURE_EXIT_CODE);
}
