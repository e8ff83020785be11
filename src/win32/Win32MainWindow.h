#pragma once

#include <windows.h>

#include "ports/MainWindow.h"

class Win32MainWindow final : public IMainWindow {
public:
    Win32MainWindow(HWND window, HICON icon) : m_window(window), m_icon(icon) {}

    bool HasSystemMenu() override;
    void AppendSystemMenuSeparator() override;
    void AppendSystemMenuItem(uint32_t commandId, const std::wstring& text) override;
    void RemoveSystemMenuItemAt(uint32_t position) override;
    void SetWindowIcons() override;
    void SetTitle(const std::wstring& text) override;
    void SetControlText(int controlId, const std::wstring& text) override;
    void EnableControl(int controlId, bool enabled) override;
    void LogAddLine(const std::wstring& text) override;
    int LogLineCount() override;
    std::wstring LogLineText(int index) override;
    void LogSelectLine(int index) override;
    void LogClear() override;
    void ModelListAdd(const std::wstring& text) override;
    void ModelListSelect(int index) override;
    void ShowPrinterListGridAndFullRowSelection() override;
    int DotsPerInch() override;
    int PrinterListClientWidth() override;
    void PrinterListInsertColumn(int index, const std::wstring& heading, int width) override;
    int PrinterListRowCount() override;
    void PrinterListInsertRow(int index) override;
    void PrinterListSetCell(int row, int column, const std::wstring& text) override;
    void PrinterListClear() override;
    int PrinterListSelectionMark() override;
    std::wstring PrinterListCellText(int row, int column) override;
    void Repaint() override;
    int ModelListSelection() override;
    void FocusControl(int controlId) override;
    void ShowMessageBox(const std::wstring& text, const std::wstring& caption, BoxIcon icon) override;
    void StartTimer(uint32_t timerId, uint32_t milliseconds) override;
    void StopTimer(uint32_t timerId) override;
    void CloseWindowTitled(const std::wstring& title) override;

private:
    LRESULT SendToControl(int controlId, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window;
    HICON m_icon;
};
