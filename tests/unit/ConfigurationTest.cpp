#include "app/Configuration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/ModelEntry.h"
#include "fakes/FakeProfile.h"
#include "messages/names.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const std::wstring INI_PATH = L"C:\\Suppliers\\Velbrix\\velbrix.ini";

struct Loaded {
    Configuration configuration;
    ConfigurationReport report;
    FakeProfile profile;
};

Loaded Load(FakeProfile::File file, bool fileExists = true) {
    Loaded loaded;
    if (fileExists) {
        loaded.profile.files[INI_PATH] = std::move(file);
    }
    loaded.report = LoadConfiguration(loaded.profile, loaded.configuration);
    return loaded;
}

FakeProfile::Section Model(const std::wstring& model, const std::wstring& driver, const std::wstring& path) {
    return {{L"PrinterModel", model}, {L"PrinterDriverName", driver}, {L"PrinterDriverPath", path}};
}

bool SectionWasRead(const FakeProfile& profile, const std::wstring& section) {
    for (const auto& read : profile.reads) {
        if (read.second == section) {
            return true;
        }
    }
    return false;
}

} // namespace

TEST(LoadConfiguration, MissingFileGivesDefaultsSilently) {
    const auto loaded = Load({}, false);
    EXPECT_EQ(loaded.configuration.ProgramDirectory, L"C:\\Suppliers\\Velbrix\\");
    EXPECT_EQ(loaded.configuration.SearchDuration, 3u);
    EXPECT_EQ(loaded.configuration.DisplayConsole, 0u);
    EXPECT_EQ(loaded.configuration.InstallMode, 0u);
    EXPECT_THAT(loaded.report.ModelNames, IsEmpty());
    EXPECT_THAT(loaded.report.Messages, IsEmpty());
    EXPECT_TRUE(loaded.configuration.Models.empty());
    for (const auto& read : loaded.profile.reads) {
        EXPECT_EQ(read.first, INI_PATH) << "every read goes through the full path beside the executable";
    }
}

TEST(LoadConfiguration, SoundFileFillsSettingsAndModels) {
    const auto loaded = Load({
        {L"COMMON",
         {{L"PrinterModelNums", L"2"}, {L"SearchDuration", L"10"}, {L"DisplayConsole", L"1"}, {L"InstallMode", L"1"}}},
        {L"PRT1", Model(L"M1", L"Vantrel M1 PCL6", L"drivers\\m1\\m1.inf")},
        {L"PRT2", Model(L"M2", L"Vantrel M2 PS", L"drivers\\m2\\m2.inf")},
    });
    EXPECT_EQ(loaded.configuration.SearchDuration, 10u);
    EXPECT_EQ(loaded.configuration.DisplayConsole, 1u);
    EXPECT_EQ(loaded.configuration.InstallMode, 1u);
    EXPECT_THAT(loaded.report.ModelNames, ElementsAre(L"M1", L"M2"));
    EXPECT_THAT(loaded.report.Messages, IsEmpty());
    EXPECT_EQ(loaded.configuration.Models.at(2), L"M2|Vantrel M2 PS|drivers\\m2\\m2.inf");
}

TEST(LoadConfiguration, SearchDurationIsClamped) {
    const struct {
        const wchar_t* written;
        uint32_t expected;
    } cases[] = {{L"0", 3}, {L"1", 3}, {L"2", 3}, {L"3", 3}, {L"120", 120}, {L"121", 120}, {L"4294967294", 120}};
    for (const auto& testCase : cases) {
        const auto loaded = Load({{L"COMMON", {{L"SearchDuration", testCase.written}}}});
        EXPECT_EQ(loaded.configuration.SearchDuration, testCase.expected) << "SearchDuration=" << testCase.written;
    }
}

TEST(LoadConfiguration, MinusOneIsReportedOnceAndReadingGoesOn) {
    const struct {
        const char* name;
        FakeProfile::Section common;
        uint32_t searchDuration;
    } cases[] = {
        {"SearchDuration", {{L"SearchDuration", L"-1"}}, 120},
        {"DisplayConsole", {{L"DisplayConsole", L"-1"}}, 3},
        {"InstallMode", {{L"InstallMode", L"-1"}, {L"SearchDuration", L"7"}}, 7},
        {"all three", {{L"SearchDuration", L"-1"}, {L"DisplayConsole", L"-1"}, {L"InstallMode", L"-1"}}, 120},
    };
    for (const auto& testCase : cases) {
        const auto loaded = Load({{L"COMMON", testCase.common}, {L"PRT1", Model(L"M1", L"D", L"P")}});
        EXPECT_THAT(loaded.report.Messages, ElementsAre(MSG_INI_SETTING_INVALID)) << testCase.name;
        EXPECT_EQ(loaded.configuration.SearchDuration, testCase.searchDuration) << testCase.name;
    }
}

TEST(LoadConfiguration, ModelCountDecidesWhichSectionsAreRead) {
    const FakeProfile::File file = {
        {L"PRT0", Model(L"Zero", L"D0", L"P0")},
        {L"PRT1", Model(L"M1", L"D1", L"P1")},
        {L"PRT2", Model(L"M2", L"D2", L"P2")},
    };
    const struct {
        const wchar_t* count;
        std::vector<std::wstring> names;
    } cases[] = {
        {L"0", {}},
        {L"1", {L"M1"}},
        {L"3", {L"M1", L"M2", L""}},
    };
    for (const auto& testCase : cases) {
        FakeProfile::File withCount = file;
        withCount[L"COMMON"] = {{L"PrinterModelNums", testCase.count}};
        const auto loaded = Load(withCount);
        EXPECT_EQ(loaded.report.ModelNames, testCase.names) << "PrinterModelNums=" << testCase.count;
        EXPECT_EQ(loaded.configuration.Models.size(), testCase.names.size());
        EXPECT_FALSE(SectionWasRead(loaded.profile, L"PRT0")) << "PRT0 is never read";
    }
    FakeProfile::File three = file;
    three[L"COMMON"] = {{L"PrinterModelNums", L"3"}};
    EXPECT_EQ(Load(three).configuration.Models.at(3), L"||");
}

TEST(LoadConfiguration, ModelCountIsBounded) {
    const struct {
        const wchar_t* count;
        std::vector<int> messages;
    } cases[] = {{L"-1", {MSG_INI_SETTING_INVALID}}, {L"4294967294", {}}, {L"1001", {}}, {L"1000", {}}};
    for (const auto& testCase : cases) {
        const auto loaded = Load({{L"COMMON", {{L"PrinterModelNums", testCase.count}}}});
        EXPECT_EQ(loaded.report.ModelNames.size(), PRINTER_MODEL_NUMS_MAX) << "PrinterModelNums=" << testCase.count;
        EXPECT_EQ(loaded.configuration.Models.rbegin()->first, 1000);
        EXPECT_EQ(loaded.report.Messages, testCase.messages);
        EXPECT_FALSE(SectionWasRead(loaded.profile, L"PRT1001"));
    }
}

TEST(LoadConfiguration, DuplicateModelNamesKeepBothEntries) {
    const auto loaded = Load({
        {L"COMMON", {{L"PrinterModelNums", L"2"}}},
        {L"PRT1", Model(L"M1", L"Driver A", L"a.inf")},
        {L"PRT2", Model(L"M1", L"Driver B", L"b.inf")},
    });
    EXPECT_THAT(loaded.report.ModelNames, ElementsAre(L"M1", L"M1"));
    EXPECT_EQ(loaded.configuration.Models.at(1), L"M1|Driver A|a.inf");
    EXPECT_EQ(loaded.configuration.Models.at(2), L"M1|Driver B|b.inf");
}

TEST(LoadConfiguration, BarInsideAValueIsNotProtected) {
    const auto loaded = Load({{L"COMMON", {{L"PrinterModelNums", L"1"}}}, {L"PRT1", Model(L"A|B", L"D", L"P")}});
    ASSERT_EQ(loaded.configuration.Models.at(1), L"A|B|D|P");
    const auto parts = DecodeModelEntry(loaded.configuration.Models.at(1));
    EXPECT_EQ(parts.Model, L"A");
    EXPECT_EQ(parts.DriverName, L"B");
    EXPECT_EQ(parts.DriverPath, L"DP");
}

TEST(LoadConfiguration, LongValuesAreCutTo259Characters) {
    const std::wstring longName(300, L'x');
    const auto loaded =
        Load({{L"COMMON", {{L"PrinterModelNums", L"1"}}}, {L"PRT1", Model(longName, longName, longName)}});
    ASSERT_EQ(loaded.report.ModelNames.size(), 1u);
    EXPECT_EQ(loaded.report.ModelNames[0], std::wstring(259, L'x'));
    EXPECT_EQ(loaded.configuration.Models.at(1).size(), 259u * 3 + 2);
}

TEST(LoadConfiguration, ExecutablePathWithoutDirectoryReports109AndReadsTheBareName) {
    Configuration configuration;
    FakeProfile profile;
    profile.executablePath = L"Velbrix.exe";
    profile.files[L"velbrix.ini"] = {{L"COMMON", {{L"SearchDuration", L"-1"}}}};
    const auto report = LoadConfiguration(profile, configuration);
    EXPECT_EQ(configuration.ProgramDirectory, L"");
    EXPECT_THAT(report.Messages, ElementsAre(MSG_NO_PROGRAM_DIRECTORY, MSG_INI_SETTING_INVALID));
    EXPECT_EQ(configuration.SearchDuration, 120u);
}
