#include "messages/CommandButtons.h"

#include "resource.h"

void EnableCommandButtons(IMainWindow& window, bool enabled) {
    for (const int button : {IDC_SEARCH, IDC_INSTALL, IDCANCEL}) {
        window.EnableControl(button, enabled);
    }
}
