#include "install/InstallNotice.h"

#include "messages/names.h"

void CloseInstallNotice(IMainWindow& window, const MessageCatalogue& catalogue) {
    window.CloseWindowTitled(catalogue.Text(MSG_NOTICE_WINDOW_TITLE));
    window.StopTimer(TIMER_INSTALL_NOTICE);
}
