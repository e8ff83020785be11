#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>

// A system-menu command without the four low bits the system keeps for itself.
inline uint32_t SystemCommandOf(WPARAM wParam) {
    return static_cast<uint32_t>(wParam & 0xFFF0);
}

// A modal dialog run from a template of the executable's resources. The dialog procedure turns each window
// message into a typed handler; a derived class overrides the handlers it needs and answers whether it
// handled the message. No exception a handler lets out goes further than the dialog procedure: the
// system's frames that called it cannot be unwound through. The dialog then tells it (OnHandlerFailure),
// runs no handler again and ends.
class CDialog {
public:
    CDialog(HINSTANCE instance, int templateId) : m_instance(instance), m_templateId(templateId) {}
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog until EndDialog; returns its result, IDABORT when a handler failed, or -1 when it could
    // not be created.
    INT_PTR DoModal(HWND parent);

    HWND Handle() const { return m_window; }
    HINSTANCE Instance() const { return m_instance; }

protected:
    // True lets the dialog give the focus to the first control in tab order.
    virtual BOOL OnInitDialog() { return TRUE; }
    // A command from a control; a button click goes on to OnButtonClicked.
    virtual bool OnCommand(UINT notifyCode, int controlId);
    // The OK and cancel buttons (and Esc, and the close box) end the dialog.
    virtual bool OnButtonClicked(int controlId);
    // A notification from a common control; the answer to it is 0.
    virtual bool OnNotify(int, const NMHDR&) { return false; }
    virtual bool OnTimer(uintptr_t) { return false; }
    // A system-menu command, without the four low bits the system keeps for itself.
    virtual bool OnSysCommand(uint32_t) { return false; }
    virtual bool OnPaint() { return false; }
    // The icon the window shows while it is dragged minimised; none by default.
    virtual HICON OnQueryDragIcon() { return nullptr; }
    // A key pressed in a list box that passes its keys on first (LBS_WANTKEYBOARDINPUT); true when handled, and
    // the list box then does nothing more with it.
    virtual bool OnListBoxKey(int, UINT) { return false; }
    // A context menu asked for over a control, at a point on the screen; from the keyboard the point is -1, -1.
    virtual bool OnContextMenu(int, int, int) { return false; }
    // A private message (WM_USER and above); the answer to it is 0.
    virtual bool OnPrivateMessage(UINT) { return false; }
    // Once, after a handler let an exception out and before the dialog ends. Whatever it throws is dropped:
    // the dialog ends all the same.
    virtual void OnHandlerFailure() {}

    void End(INT_PTR result) { EndDialog(m_window, result); }

private:
    // Returns true when the message was handled; result is then the dialog procedure's answer.
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    // Sets the answer of a handled message that returns a value through the dialog's message result.
    bool Answered(LRESULT value, INT_PTR& result);
    INT_PTR Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void EndForFailure() noexcept;
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE m_instance;
    int m_templateId;
    HWND m_window = nullptr;
    bool m_failed = false;
};
