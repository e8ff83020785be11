#pragma once

#include <string>

#include "platform/win32/Dialog.h"
#include "ui/MessageCatalogue.h"

// The main dialog: the program's only window.
class CVelbrixDlg final : public CDialog {
public:
    CVelbrixDlg(HINSTANCE instance, const MessageCatalogue& catalogue);
    ~CVelbrixDlg() override;

protected:
    BOOL OnInitDialog() override;

private:
    const MessageCatalogue& m_catalogue;
    std::wstring m_message;
    HICON m_icon;
};
