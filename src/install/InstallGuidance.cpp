#include "install/InstallGuidance.h"

#include "discovery/VisibleText.h"
#include "messages/names.h"

void ShowInstallGuidance(IMainWindow& window, const MessageCatalogue& catalogue, IClipboard& clipboard,
                         const std::wstring& portAddress) {
    const std::wstring address = VisibleText(portAddress);
    const std::wstring caption = catalogue.Text(MSG_GUIDANCE_CAPTION);
    LogPane log(window);
    if (clipboard.PutText(address)) {
        window.ShowMessageBox(catalogue.Text(MSG_GUIDANCE_BOX), caption, IMainWindow::BoxIcon::Information);
        for (const int line : {MSG_GUIDANCE_COPIED, MSG_GUIDANCE_STEP_1, MSG_GUIDANCE_STEP_2, MSG_GUIDANCE_STEP_3_PASTE,
                               MSG_GUIDANCE_STEP_4}) {
            log.Append(catalogue.Text(line));
        }
        return;
    }
    // Another program holds the clipboard: the user is shown the address to type in.
    window.ShowMessageBox(catalogue.Text(MSG_GUIDANCE_BUSY_BOX_START) + address +
                              catalogue.Text(MSG_GUIDANCE_BUSY_BOX_END),
                          caption, IMainWindow::BoxIcon::Information);
    log.Append(catalogue.Text(MSG_GUIDANCE_BUSY_LINE_START) + address + catalogue.Text(MSG_GUIDANCE_BUSY_LINE_END));
    for (const int line : {MSG_GUIDANCE_BUSY_STEP_1, MSG_GUIDANCE_BUSY_STEP_2, MSG_GUIDANCE_BUSY_STEP_3_TYPE,
                           MSG_GUIDANCE_BUSY_STEP_4}) {
        log.Append(catalogue.Text(line));
    }
}
