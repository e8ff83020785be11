#pragma once

#include <functional>
#include <memory>

#include "messages/MessageCatalogue.h"
#include "ports/ProcessEnd.h"
#include "win32/Dialog.h"
#include "win32/MainDialogFlows.h"

// The main dialog's window: it receives the window messages and hands each to the logic object that owns
// that flow.
class CVelbrixDlg final : public CDialog {
public:
    // Builds the flows once the window exists.
    using Connect = std::function<std::unique_ptr<MainDialogFlows>(HWND window, HICON icon)>;

    CVelbrixDlg(HINSTANCE instance, const MessageCatalogue& catalogue, IProcessEnd& processEnd, Connect connect);

protected:
    BOOL OnInitDialog() override;
    bool OnButtonClicked(int controlId) override;
    bool OnNotify(int controlId, const NMHDR& header) override;
    bool OnTimer(uintptr_t timerId) override;
    bool OnSysCommand(uint32_t command) override;
    bool OnPaint() override;
    HICON OnQueryDragIcon() override { return m_icon; }
    bool OnPrivateMessage(UINT message) override;
    bool OnListBoxKey(int controlId, UINT virtualKey) override;
    bool OnContextMenu(int controlId, int x, int y) override;
    void OnHandlerFailure() override;

private:
    const MessageCatalogue& m_catalogue;
    IProcessEnd& m_processEnd;
    Connect m_connect;
    HICON m_icon;
    std::unique_ptr<MainDialogFlows> m_flows;
};
