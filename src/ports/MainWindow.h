#pragma once

#include <cstdint>
#include <string>

// The main dialog's window as the logic sees it: its system menu, captions, buttons, the model list, the
// printer list and the log list box. Controls are named by their dialog ids (resource.h).
class IMainWindow {
public:
    virtual ~IMainWindow() = default;

    virtual bool HasSystemMenu() = 0;
    virtual void AppendSystemMenuSeparator() = 0;
    virtual void AppendSystemMenuItem(uint32_t commandId, const std::wstring& text) = 0;
    virtual void RemoveSystemMenuItemAt(uint32_t position) = 0;

    // Sets the application icon as the window's big icon, then as its small one.
    virtual void SetWindowIcons() = 0;
    virtual void SetTitle(const std::wstring& text) = 0;
    // The control with id -1 is the model label.
    virtual void SetControlText(int controlId, const std::wstring& text) = 0;
    virtual void EnableControl(int controlId, bool enabled) = 0;

    virtual void LogAddLine(const std::wstring& text) = 0;
    virtual int LogLineCount() = 0;
    virtual std::wstring LogLineText(int index) = 0;
    virtual void LogSelectLine(int index) = 0;
    virtual void LogClear() = 0;

    virtual void ModelListAdd(const std::wstring& text) = 0;
    virtual void ModelListSelect(int index) = 0;

    // Draws grid lines between the printer list's cells and selects a row by a click anywhere in it; the
    // list's other looks stay as they are.
    virtual void ShowPrinterListGridAndFullRowSelection() = 0;
    // The dots per inch the window is drawn at: 96 at 100 % display scaling, 144 at 150 %.
    virtual int DotsPerInch() = 0;
    // The width of the printer list's inside, where its columns are shown, in pixels; 0 when unknown.
    virtual int PrinterListClientWidth() = 0;
    virtual void PrinterListInsertColumn(int index, const std::wstring& heading, int width) = 0;
    virtual int PrinterListRowCount() = 0;
    // A row with an empty first column, at index.
    virtual void PrinterListInsertRow(int index) = 0;
    virtual void PrinterListSetCell(int row, int column, const std::wstring& text) = 0;
    virtual void PrinterListClear() = 0;
    // The row the user picked last, -1 when there is none.
    virtual int PrinterListSelectionMark() = 0;
    // A cell's text as the list shows it.
    virtual std::wstring PrinterListCellText(int row, int column) = 0;

    // Paints what has changed at once, while the handler is still running.
    virtual void Repaint() = 0;

    // The model list's selected position, -1 when nothing is selected.
    virtual int ModelListSelection() = 0;
    virtual void FocusControl(int controlId) = 0;

    enum class BoxIcon { None, Warning, Information };
    // A modal box with an OK button, owned by the main window; the window thread goes on handling timers
    // and the packet message while it is open.
    virtual void ShowMessageBox(const std::wstring& text, const std::wstring& caption, BoxIcon icon) = 0;

    virtual void StartTimer(uint32_t timerId, uint32_t milliseconds) = 0;
    virtual void StopTimer(uint32_t timerId) = 0;
    // Asks the top-level window with exactly this title, if there is one, to close.
    virtual void CloseWindowTitled(const std::wstring& title) = 0;
};
