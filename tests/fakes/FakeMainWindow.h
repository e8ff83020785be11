#pragma once

#include <map>
#include <string>
#include <vector>

#include "fakes/Seen.h"
#include "ports/MainWindow.h"

// The main window's controls as plain values, and what a person sees happen in it as one ordered stream.
// It keeps what the logic hands it as it was handed: it renders nothing the way the platform would.
class FakeMainWindow final : public IMainWindow {
public:
    struct Column {
        std::wstring heading;
        int width;
    };

    SeenStream seen;

    bool hasSystemMenu = true;
    int iconsSet = 0;
    std::wstring title;
    std::map<int, std::wstring> controlTexts;
    std::vector<std::wstring> log;
    int logSelection = -1;
    std::vector<std::wstring> models;
    int modelSelection = -1;
    bool gridAndFullRowSelection = false;
    int dotsPerInch = 96;
    int printerListClientWidth = 0;
    std::vector<Column> columns;
    std::vector<std::vector<std::wstring>> rows;
    int repaints = 0;
    int selectionMark = -1;
    int modelListSelection = 0;

    bool HasSystemMenu() override { return hasSystemMenu; }
    void AppendSystemMenuSeparator() override { seen.push_back(seen::MenuSeparatorAppended()); }
    void AppendSystemMenuItem(uint32_t commandId, const std::wstring& text) override {
        seen.push_back(seen::MenuItemAppended(commandId, text));
    }
    void RemoveSystemMenuItemAt(uint32_t position) override { seen.push_back(seen::MenuItemRemoved(position)); }
    void SetWindowIcons() override { iconsSet += 2; }
    void SetTitle(const std::wstring& text) override { title = text; }
    void SetControlText(int controlId, const std::wstring& text) override { controlTexts[controlId] = text; }
    void EnableControl(int controlId, bool isEnabled) override { seen.push_back(seen::Button(controlId, isEnabled)); }
    void LogAddLine(const std::wstring& text) override {
        log.push_back(text);
        seen.push_back(seen::Log(text));
    }
    int LogLineCount() override { return static_cast<int>(log.size()); }
    std::wstring LogLineText(int index) override { return log.at(static_cast<std::size_t>(index)); }
    void LogSelectLine(int index) override { logSelection = index; }
    void LogClear() override {
        log.clear();
        logSelection = -1;
        seen.push_back(seen::LogCleared());
    }
    void ModelListAdd(const std::wstring& text) override { models.push_back(text); }
    void ModelListSelect(int index) override { modelSelection = index; }
    void ShowPrinterListGridAndFullRowSelection() override { gridAndFullRowSelection = true; }
    int DotsPerInch() override { return dotsPerInch; }
    int PrinterListClientWidth() override { return printerListClientWidth; }
    void PrinterListInsertColumn(int index, const std::wstring& heading, int width) override {
        columns.insert(columns.begin() + index, Column{heading, width});
    }
    int PrinterListRowCount() override { return static_cast<int>(rows.size()); }
    void PrinterListInsertRow(int index) override { rows.insert(rows.begin() + index, std::vector<std::wstring>(6)); }
    void PrinterListSetCell(int row, int column, const std::wstring& text) override {
        rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)) = text;
    }
    void PrinterListClear() override {
        rows.clear();
        seen.push_back(seen::PrinterListEmptied());
    }
    int PrinterListSelectionMark() override { return selectionMark; }
    std::wstring PrinterListCellText(int row, int column) override {
        return rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
    }
    void Repaint() override { ++repaints; }
    int ModelListSelection() override { return modelListSelection; }
    void FocusControl(int controlId) override { seen.push_back(seen::Focus(controlId)); }
    void ShowMessageBox(const std::wstring& text, const std::wstring& caption, BoxIcon icon) override {
        seen.push_back(seen::Box(icon, caption, text));
    }
    void StartTimer(uint32_t timerId, uint32_t milliseconds) override {
        seen.push_back(seen::TimerStarted(timerId, milliseconds));
    }
    void StopTimer(uint32_t timerId) override { seen.push_back(seen::TimerKilled(timerId)); }
    void CloseWindowTitled(const std::wstring& title) override { seen.push_back(seen::AskedToClose(title)); }
};
