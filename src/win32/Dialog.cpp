#include "win32/Dialog.h"

#include <windowsx.h>

INT_PTR CDialog::DoModal(HWND parent) {
    // The templates exist in Chinese only; asking for that language explicitly finds them whatever the
    // thread's language, instead of relying on the platform's resource-language fallback.
    const HRSRC found = FindResourceExW(m_instance, RT_DIALOG, MAKEINTRESOURCEW(m_templateId),
                                        MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
    const HGLOBAL loaded = found ? LoadResource(m_instance, found) : nullptr;
    const auto* dialogTemplate = static_cast<LPCDLGTEMPLATEW>(loaded ? LockResource(loaded) : nullptr);
    if (dialogTemplate == nullptr) {
        return -1;
    }
    return DialogBoxIndirectParamW(m_instance, dialogTemplate, parent, DialogProcedure, reinterpret_cast<LPARAM>(this));
}

bool CDialog::OnCommand(UINT notifyCode, int controlId) {
    return notifyCode == BN_CLICKED && OnButtonClicked(controlId);
}

bool CDialog::OnButtonClicked(int controlId) {
    if (controlId == IDOK || controlId == IDCANCEL) {
        End(controlId);
        return true;
    }
    return false;
}

bool CDialog::Answered(LRESULT value, INT_PTR& result) {
    SetWindowLongPtrW(m_window, DWLP_MSGRESULT, value);
    result = TRUE;
    return true;
}

bool CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    result = TRUE;
    switch (message) {
    case WM_COMMAND:
        return OnCommand(HIWORD(wParam), LOWORD(wParam));
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        return OnNotify(static_cast<int>(header.idFrom), header) && Answered(0, result);
    }
    case WM_TIMER:
        return OnTimer(static_cast<uintptr_t>(wParam));
    case WM_SYSCOMMAND:
        return OnSysCommand(SystemCommandOf(wParam));
    case WM_PAINT:
        return OnPaint();
    case WM_VKEYTOITEM:
        // Answered directly: -2 when the key was handled, -1 for the list box's own handling.
        result = OnListBoxKey(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)), LOWORD(wParam)) ? -2 : -1;
        return true;
    case WM_CONTEXTMENU:
        return OnContextMenu(GetDlgCtrlID(reinterpret_cast<HWND>(wParam)), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_QUERYDRAGICON: {
        const HICON icon = OnQueryDragIcon();
        result = reinterpret_cast<INT_PTR>(icon);
        return icon != nullptr;
    }
    default:
        return message >= WM_USER && OnPrivateMessage(message) && Answered(0, result);
    }
}

INT_PTR CDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        m_window = window;
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        return OnInitDialog();
    }
    // The failure's box runs a message loop of its own; what it delivers reaches no handler, so that no flow
    // goes on from the state the failed handler left.
    if (m_failed) {
        return FALSE;
    }
    INT_PTR result = FALSE;
    if (!Dispatch(message, wParam, lParam, result)) {
        return FALSE;
    }
    return result;
}

void CDialog::EndForFailure() noexcept {
    if (m_failed) {
        return;
    }
    m_failed = true;
    try {
        OnHandlerFailure();
    } catch (...) {
        // Nothing more can be told; ending the dialog is all that is left to do.
    }
    EndDialog(m_window, IDABORT);
}

INT_PTR CALLBACK CDialog::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* dialog = message == WM_INITDIALOG ? reinterpret_cast<CDialog*>(lParam)
                                               : reinterpret_cast<CDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (dialog == nullptr) {
        return FALSE;
    }
    // The system's frames below this one know nothing of C++ exceptions: one that reached them would end the
    // process without a word, or unwind the system's own state half way.
    try {
        return dialog->Procedure(window, message, wParam, lParam);
    } catch (...) {
        dialog->EndForFailure();
        return FALSE;
    }
}
