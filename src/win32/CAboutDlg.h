#pragma once

#include "messages/MessageCatalogue.h"
#include "win32/Dialog.h"

// The About box: the icon, the version text and an OK button.
class CAboutDlg final : public CDialog {
public:
    CAboutDlg(HINSTANCE instance, const MessageCatalogue& catalogue);

protected:
    BOOL OnInitDialog() override;

private:
    const MessageCatalogue& m_catalogue;
};
