#include "ui/HandlerFailure.h"

#include <gtest/gtest.h>

#include "discovery/SearchControl.h"
#include "fakes/FakeMainWindow.h"
#include "fakes/FakeProcessEnd.h"
#include "fakes/FakeStringResources.h"
#include "install/InstallNotice.h"

TEST(HandlerFailure, TheFlowsStopBeforeOneBoxSaysVelbrixClosesAndTheProcessEndsWhenItIsClosed) {
    // A datagram handler that failed while it held the slot, in the middle of a search.
    FakeMainWindow window;
    FakeProcessEnd process{window.seen};
    FakeStringResources resources = FakeStringResources::WithCatalogues();
    const MessageCatalogue catalogue{resources, 2057};
    DiscoveryHandoff handoff;
    handoff.HandoffState = HANDOFF_READING;
    HandlerFailure failure{window, catalogue, handoff, process, L"Velbrix"};

    failure.OnHandlerFailure();

    EXPECT_EQ(window.seen,
              (SeenStream{seen::TimerKilled(TIMER_SEARCH), seen::TimerKilled(TIMER_INSTALL_NOTICE),
                          seen::Box(IMainWindow::BoxIcon::Warning, L"Velbrix", EnglishText(MSG_HANDLER_FAILED)),
                          seen::ProcessEnded(HANDLER_FAILURE_EXIT_CODE)}));
    EXPECT_EQ(handoff.StopSearch.load(), 1) << "the listener forwards nothing more";
    EXPECT_EQ(handoff.HandoffState.load(), HANDOFF_FREE) << "the slot the handler held is free again";
}
