#pragma once

#include <cstdint>

#include "messages/MessageCatalogue.h"
#include "ports/MainWindow.h"

// The notice an automatic installation shows while its script starts. The box is modal, so it cannot close
// itself: a timer started with it fires inside the box's own loop and closes it by its title.
constexpr uint32_t TIMER_INSTALL_NOTICE = 2;
constexpr uint32_t INSTALL_NOTICE_MS = 5000;

// The notice timer's expiry: the notice is asked to close and the timer ends.
void CloseInstallNotice(IMainWindow& window, const MessageCatalogue& catalogue);
