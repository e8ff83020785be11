#include "ui/MainDialog.h"

#include <gtest/gtest.h>

#include "fakes/FakeMainWindow.h"
#include "fakes/FakeProfile.h"
#include "fakes/FakeStringResources.h"
#include "resource.h"
#include "ui/AboutBox.h"

namespace {

const std::wstring INI_PATH = L"C:\\Suppliers\\Velbrix\\velbrix.ini";

// Restore, then Size, Minimize and Maximize go; About is appended after a separator.
SeenStream SystemMenu(const std::wstring& aboutText) {
    SeenStream stream;
    if (!aboutText.empty()) {
        stream = {seen::MenuSeparatorAppended(), seen::MenuItemAppended(IDM_SHOW_ABOUT, aboutText)};
    }
    return seen::Joined(
        {stream,
         {seen::MenuItemRemoved(0), seen::MenuItemRemoved(1), seen::MenuItemRemoved(1), seen::MenuItemRemoved(1)}});
}

// The log emptied, the configuration's messages, the install button off, the start-up line.
SeenStream StartUpLog(const std::vector<int>& configurationMessages) {
    SeenStream stream = {seen::LogCleared()};
    for (const int id : configurationMessages) {
        stream.push_back(seen::Log(EnglishText(id)));
    }
    return seen::Joined({stream, {seen::Button(IDC_INSTALL, false), seen::Log(EnglishText(MSG_READY))}});
}

struct StartedDialog {
    FakeMainWindow window;
    FakeProfile profile;
    FakeStringResources resources = FakeStringResources::WithCatalogues();
    Configuration configuration;
    DiscoveryTables tables;
    bool focusToFirstControl = false;

    void Start() {
        const MessageCatalogue catalogue(resources, 2057);
        MainDialog dialog(window, catalogue, profile, configuration, tables);
        focusToFirstControl = dialog.OnInitDialog();
    }
};

} // namespace

TEST(MainDialog, InitialisationPreparesEveryControl) {
    StartedDialog started;
    started.profile.files[INI_PATH] = {{L"COMMON", {{L"PrinterModelNums", L"2"}}},
                                       {L"PRT1", {{L"PrinterModel", L"M1"}}},
                                       {L"PRT2", {{L"PrinterModel", L"M2"}}}};
    started.Start();
    const FakeMainWindow& window = started.window;

    EXPECT_EQ(window.title, EnglishText(MSG_MAIN_TITLE));
    EXPECT_EQ(window.controlTexts.at(IDC_STATIC), EnglishText(MSG_MODEL_LABEL));
    EXPECT_EQ(window.controlTexts.at(IDC_SEARCH), EnglishText(MSG_SEARCH_BUTTON));
    EXPECT_EQ(window.controlTexts.at(IDC_INSTALL), EnglishText(MSG_INSTALL_BUTTON));
    EXPECT_EQ(window.controlTexts.at(2), EnglishText(MSG_EXIT_BUTTON));
    EXPECT_EQ(window.iconsSet, 2);
    EXPECT_EQ(window.seen, seen::Joined({SystemMenu(EnglishText(MSG_ABOUT_MENU_ITEM)), StartUpLog({})}));
    EXPECT_EQ(window.logSelection, 0);
    EXPECT_EQ(window.models, (std::vector<std::wstring>{EnglishText(MSG_MODEL_PROMPT), L"M1", L"M2"}));
    EXPECT_EQ(window.modelSelection, 0);
    EXPECT_TRUE(window.gridAndFullRowSelection);
    EXPECT_TRUE(started.focusToFirstControl);

    const std::vector<std::pair<std::wstring, int>> expectedColumns = {{L"", 0},
                                                                       {EnglishText(MSG_COLUMN_ADDRESS), 110},
                                                                       {EnglishText(MSG_COLUMN_QUEUE), 130},
                                                                       {EnglishText(MSG_COLUMN_PORT), 330},
                                                                       {EnglishText(MSG_COLUMN_STATUS), 330},
                                                                       {EnglishText(MSG_COLUMN_REMARK), 210}};
    ASSERT_EQ(window.columns.size(), expectedColumns.size());
    for (std::size_t column = 0; column < expectedColumns.size(); ++column) {
        EXPECT_EQ(window.columns[column].heading, expectedColumns[column].first) << column;
        EXPECT_EQ(window.columns[column].width, expectedColumns[column].second) << column;
    }
}

TEST(MainDialog, PrinterListColumnsGrowAsTheListDid) {
    const struct {
        const char* name;
        int dotsPerInch;
        int listWidth;
        std::vector<int> widths;
    } cases[] = {
        {"100 %: the widths as given, whatever the list", 96, 1300, {0, 110, 130, 330, 330, 210}},
        {"125 %: rounded down, so that they never pass the list's edge", 120, 1400, {0, 137, 163, 413, 413, 263}},
        {"150 %, a list that grew less than the DPI", 144, 1640, {0, 161, 191, 484, 484, 308}},
        {"200 %", 192, 2200, {0, 216, 256, 650, 650, 413}},
        {"a list whose width is unknown grows with the DPI", 144, 0, {0, 165, 195, 495, 495, 315}},
        {"neither known", 0, 0, {0, 110, 130, 330, 330, 210}},
    };
    for (const auto& testCase : cases) {
        StartedDialog started;
        started.window.dotsPerInch = testCase.dotsPerInch;
        started.window.printerListClientWidth = testCase.listWidth;
        started.Start();
        std::vector<int> widths;
        for (const auto& column : started.window.columns) {
            widths.push_back(column.width);
        }
        EXPECT_EQ(widths, testCase.widths) << testCase.name;
    }
}

TEST(MainDialog, TheConfigurationsMessagesAreLoggedBeforeTheStartUpLine) {
    StartedDialog started;
    started.profile.executablePath = L"Velbrix.exe";
    started.profile.files[L"velbrix.ini"] = {{L"COMMON", {{L"PrinterModelNums", L"1"}, {L"InstallMode", L"-1"}}}};
    started.window.hasSystemMenu = false;
    started.Start();
    EXPECT_EQ(started.window.seen, StartUpLog({MSG_NO_PROGRAM_DIRECTORY, MSG_INI_SETTING_INVALID}));
    EXPECT_EQ(started.window.logSelection, 2);
    EXPECT_EQ(started.window.models, (std::vector<std::wstring>{EnglishText(MSG_MODEL_PROMPT), L""}));
}

TEST(MainDialog, SystemMenuKeepsMoveAndCloseAndEndsWithAbout) {
    const struct {
        const char* name;
        bool hasSystemMenu;
        bool emptyAboutText;
        SeenStream menu;
    } cases[] = {
        {"empty About text", true, true, SystemMenu(L"")},
        {"no system menu", false, false, {}},
    };
    for (const auto& testCase : cases) {
        StartedDialog started;
        started.window.hasSystemMenu = testCase.hasSystemMenu;
        if (testCase.emptyAboutText) {
            started.resources.strings.erase({1033, MSG_ABOUT_MENU_ITEM});
        }
        started.Start();
        EXPECT_EQ(started.window.seen, seen::Joined({testCase.menu, StartUpLog({})})) << testCase.name;
    }
}

TEST(MainDialog, InitialisationResetsTheDiscoveryTables) {
    StartedDialog started;
    started.tables.Discovered.Count = 7;
    started.tables.Discovered.Rows[3] = {L"10.0.0.9", L"queue"};
    started.tables.Installed.Count = 20;
    started.Start();
    EXPECT_EQ(started.tables.Discovered.Count, 0);
    EXPECT_EQ(started.tables.Installed.Count, 0);
    for (const auto& row : started.tables.Discovered.Rows) {
        EXPECT_EQ(row, PrinterRecord(4));
    }
    for (const auto& row : started.tables.Installed.Rows) {
        EXPECT_EQ(row, PrinterRecord(5));
    }
}

TEST(MainDialog, TheAboutBoxShowsItsTitleAndVersion) {
    FakeStringResources resources = FakeStringResources::WithCatalogues();
    const AboutBoxTexts about = LoadAboutBoxTexts(MessageCatalogue(resources, 2057));
    EXPECT_EQ(about.Title, EnglishText(MSG_ABOUT_TITLE));
    EXPECT_EQ(about.Version, EnglishText(MSG_ABOUT_VERSION));
}

TEST(MainDialog, MinimisedIconIsCentredRoundingTowardZero) {
    const struct {
        int clientWidth, clientHeight, iconWidth, iconHeight, x, y;
    } cases[] = {
        {100, 100, 32, 32, 34, 34}, {101, 99, 32, 32, 35, 34}, {160, 28, 32, 32, 64, -1}, {20, 0, 32, 32, -5, -15}};
    for (const auto& testCase : cases) {
        const IconOrigin origin =
            MinimisedIconOrigin(testCase.clientWidth, testCase.clientHeight, testCase.iconWidth, testCase.iconHeight);
        EXPECT_EQ(origin.x, testCase.x) << testCase.clientWidth;
        EXPECT_EQ(origin.y, testCase.y) << testCase.clientHeight;
    }
}
