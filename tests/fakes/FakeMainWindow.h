#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "discovery/DatagramScan.h"
#include "ports/MainWindow.h"

// The main window's controls as plain values, starting as the dialog template leaves them.
class FakeMainWindow final : public IMainWindow {
public:
    struct Column {
        std::wstring heading;
        int width;
    };

    bool hasSystemMenu = true;
    // The platform's standard window menu; an empty text is a separator.
    std::vector<std::wstring> systemMenu = {L"Restore", L"Move", L"Size", L"Minimize", L"Maximize", L"", L"Close"};
    std::vector<uint32_t> systemMenuIds = {0xF120, 0xF010, 0xF000, 0xF020, 0xF030, 0, 0xF060};
    int iconsSet = 0;
    std::wstring title = L"Velbrix";
    std::map<int, std::wstring> controlTexts;
    std::map<int, bool> enabled;
    std::vector<std::wstring> log;
    int logSelection = -1;
    std::vector<std::wstring> models;
    int modelSelection = -1;
    bool gridAndFullRowSelection = false;
    int dotsPerInch = 96;
    std::vector<Column> columns;
    std::vector<std::vector<std::wstring>> rows;
    int repaints = 0;
    int selectionMark = -1;
    int modelListSelection = 0;
    int focusedControl = 2;
    struct Box {
        std::wstring text;
        std::wstring caption;
        BoxIcon icon;
    };
    std::vector<Box> boxes;
    // While a box is open, the window thread goes on handling messages: a test runs them here.
    std::function<void()> whileBoxIsOpen;
    std::map<uint32_t, uint32_t> timers;
    std::vector<std::wstring> closedTitles;

    bool HasSystemMenu() override { return hasSystemMenu; }
    void AppendSystemMenuSeparator() override { AppendMenu(0, L""); }
    void AppendSystemMenuItem(uint32_t commandId, const std::wstring& text) override { AppendMenu(commandId, text); }
    void RemoveSystemMenuItemAt(uint32_t position) override {
        if (position < systemMenu.size()) {
            systemMenu.erase(systemMenu.begin() + position);
            systemMenuIds.erase(systemMenuIds.begin() + position);
        }
    }
    void SetWindowIcons() override { iconsSet += 2; }
    void SetTitle(const std::wstring& text) override { title = text; }
    void SetControlText(int controlId, const std::wstring& text) override { controlTexts[controlId] = text; }
    void EnableControl(int controlId, bool isEnabled) override { enabled[controlId] = isEnabled; }
    bool IsEnabled(int controlId) const {
        const auto found = enabled.find(controlId);
        return found == enabled.end() || found->second;
    }
    void LogAddLine(const std::wstring& text) override { log.push_back(text); }
    int LogLineCount() override { return static_cast<int>(log.size()); }
    void LogSelectLine(int index) override { logSelection = index; }
    void LogClear() override {
        log.clear();
        logSelection = -1;
    }
    void ModelListAdd(const std::wstring& text) override { models.push_back(text); }
    void ModelListSelect(int index) override { modelSelection = index; }
    void ShowPrinterListGridAndFullRowSelection() override { gridAndFullRowSelection = true; }
    int DotsPerInch() override { return dotsPerInch; }
    void PrinterListInsertColumn(int index, const std::wstring& heading, int width) override {
        columns.insert(columns.begin() + index, Column{heading, width});
    }
    int PrinterListRowCount() override { return static_cast<int>(rows.size()); }
    void PrinterListInsertRow(int index) override { rows.insert(rows.begin() + index, std::vector<std::wstring>(6)); }
    void PrinterListSetCell(int row, int column, const std::wstring& text) override {
        // A list view shows a text up to its first zero character.
        rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)) = VisibleText(text);
    }
    void PrinterListClear() override { rows.clear(); }
    int PrinterListSelectionMark() override { return selectionMark; }
    std::wstring PrinterListCellText(int row, int column) override {
        return rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
    }
    void Repaint() override { ++repaints; }
    int ModelListSelection() override { return modelListSelection; }
    void FocusControl(int controlId) override { focusedControl = controlId; }
    void ShowMessageBox(const std::wstring& text, const std::wstring& caption, BoxIcon icon) override {
        boxes.push_back({text, caption, icon});
        if (whileBoxIsOpen) {
            whileBoxIsOpen();
        }
    }
    void StartTimer(uint32_t timerId, uint32_t milliseconds) override { timers[timerId] = milliseconds; }
    void StopTimer(uint32_t timerId) override { timers.erase(timerId); }
    void CloseWindowTitled(const std::wstring& title) override { closedTitles.push_back(title); }

private:
    void AppendMenu(uint32_t id, const std::wstring& text) {
        systemMenu.push_back(text);
        systemMenuIds.push_back(id);
    }
};
