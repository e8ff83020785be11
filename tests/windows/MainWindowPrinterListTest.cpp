// The printer list read back through the main window's adapter, on a list view of the test's own.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "resource.h"
#include "win32/Win32MainWindow.h"

namespace {

class PrinterList : public ::testing::Test {
protected:
    void SetUp() override {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&classes));
        m_parent = CreateWindowW(L"STATIC", L"printer list parent", WS_OVERLAPPEDWINDOW, 0, 0, 800, 300, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_parent, nullptr);
        const HWND list = CreateWindowW(WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT | LVS_SINGLESEL, 0, 0, 800, 300,
                                        m_parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PRINTER_LIST)),
                                        GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(list, nullptr);
    }
    void TearDown() override {
        if (m_parent != nullptr) {
            DestroyWindow(m_parent);
        }
    }

    HWND m_parent = nullptr;
};

} // namespace

TEST_F(PrinterList, CellsReadBackWhole) {
    Win32MainWindow window(m_parent, nullptr);
    window.PrinterListInsertColumn(0, L"IP", 100);
    window.PrinterListInsertColumn(1, L"Queue", 100);
    const struct {
        const char* name;
        std::wstring text;
    } cases[] = {
        {"empty", L""},
        {"address", L"10.77.0.11"},
        {"exactly filling the first buffer", std::wstring(259, L'q')},
        {"longer than the first buffer", std::wstring(260, L'q')},
        {"long Chinese queue name", std::wstring(3000, L'打')},
    };
    int row = 0;
    for (const auto& testCase : cases) {
        window.PrinterListInsertRow(row);
        window.PrinterListSetCell(row, 1, testCase.text);
        const std::wstring read = window.PrinterListCellText(row, 1);
        EXPECT_EQ(read.size(), testCase.text.size()) << testCase.name;
        EXPECT_TRUE(read == testCase.text) << testCase.name;
        ++row;
    }
}

TEST_F(PrinterList, SelectionMarkIsTheLastPickedRow) {
    Win32MainWindow window(m_parent, nullptr);
    window.PrinterListInsertColumn(0, L"IP", 100);
    for (int row = 0; row < 3; ++row) {
        window.PrinterListInsertRow(row);
    }
    EXPECT_EQ(window.PrinterListSelectionMark(), -1);
    const HWND list = GetDlgItem(m_parent, IDC_PRINTER_LIST);
    // A mark with no row selected: the adapter reads the mark, not the selection.
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, 2);
    EXPECT_EQ(window.PrinterListSelectionMark(), 2);
}
