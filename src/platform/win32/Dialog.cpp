#include "platform/win32/Dialog.h"

INT_PTR CDialog::DoModal(HWND parent) {
    // The templates exist in Chinese only; asking for that language explicitly finds them whatever the
    // thread's language, instead of relying on the platform's resource-language fallback.
    const HRSRC found = FindResourceExW(m_instance, MAKEINTRESOURCEW(5), MAKEINTRESOURCEW(m_templateId),
                                        MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
    const HGLOBAL loaded = found ? LoadResource(m_instance, found) : nullptr;
    const auto* dialogTemplate = static_cast<LPCDLGTEMPLATEW>(loaded ? LockResource(loaded) : nullptr);
    if (dialogTemplate == nullptr) {
        return -1;
    }
    return DialogBoxIndirectParamW(m_instance, dialogTemplate, parent, DialogProcedure, reinterpret_cast<LPARAM>(this));
}

bool CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED &&
        (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        End(LOWORD(wParam));
        result = TRUE;
        return true;
    }
    return false;
}

INT_PTR CALLBACK CDialog::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->m_window = window;
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        return dialog->OnInitDialog();
    }
    dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (dialog == nullptr) {
        return FALSE;
    }
    INT_PTR result = FALSE;
    if (!dialog->HandleMessage(message, wParam, lParam, result)) {
        return FALSE;
    }
    return result;
}
