#pragma once

#include <windows.h>

// A modal dialog run from a template of the executable's resources. The derived class receives the dialog's
// messages through HandleMessage and turns them into calls of its handlers.
class CDialog {
public:
    CDialog(HINSTANCE instance, int templateId) : m_instance(instance), m_templateId(templateId) {}
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog until EndDialog; returns its result, or -1 when it could not be created.
    INT_PTR DoModal(HWND parent);

    HWND Handle() const { return m_window; }
    HINSTANCE Instance() const { return m_instance; }
    HWND Item(int id) const { return GetDlgItem(m_window, id); }

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    // Returns true when the message was handled; result is then the dialog procedure's answer.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    void End(INT_PTR result) { EndDialog(m_window, result); }

private:
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE m_instance;
    int m_templateId;
    HWND m_window = nullptr;
};
