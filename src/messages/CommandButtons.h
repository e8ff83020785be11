#pragma once

#include "ports/MainWindow.h"

// Search, install and exit: a flow that runs a while switches all three off together, so that no other flow
// starts and the window is not closed under it, and on again on every way out.
void EnableCommandButtons(IMainWindow& window, bool enabled);
