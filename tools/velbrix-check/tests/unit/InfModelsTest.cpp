// The INF reader: which driver names an INF file's model sections give, and which sections 64-bit Windows uses.
#include <gtest/gtest.h>

#include "velbrix-check/logic/InfModels.h"

namespace {

struct Section {
    std::wstring name;
    bool forX64;
    std::vector<std::wstring> driverNames;
};

TEST(InfModels, ManufacturerSectionsAndTheirModels) {
    const struct {
        const char* name;
        std::wstring inf;
        bool hasManufacturer;
        std::vector<Section> sections;
    } cases[] = {
        {"string keys and decorations",
         L"[Manufacturer]\r\n%Mfg%=Vantrel,NTamd64,NTamd64.10.0\r\n[Vantrel]\r\n%M1%=M1_Install,VANTREL_M1\r\n"
         L"[Vantrel.NTamd64]\r\n%M1%=M1_Install,VANTREL_M1\r\n[Vantrel.NTamd64.10.0]\r\n"
         L"\"Vantrel M2 PS\"=M2_Install,VANTREL_M2\r\n[Strings]\r\nMfg=\"Vantrel\"\r\nM1=\"Vantrel M1 PCL6\"\r\n",
         true,
         {{L"Vantrel", false, {L"Vantrel M1 PCL6"}},
          {L"Vantrel.NTamd64", true, {L"Vantrel M1 PCL6"}},
          {L"Vantrel.NTamd64.10.0", true, {L"Vantrel M2 PS"}}}},
        {"a manufacturer's name alone names its section",
         L"[Manufacturer]\n\"Vantrel\"\n[Vantrel]\n\"Vantrel M1\" = Install\n",
         true,
         {{L"Vantrel", false, {L"Vantrel M1"}}}},
        {"comments, doubled quotes and a semicolon inside quotes",
         L"; a supplier's note\n[Manufacturer] ; makers\nVantrel=Vantrel,NTamd64\n[Vantrel.NTamd64]\n"
         L"\"Vantrel \"\"Pro\"\" 5; draft\" = Install ; the fifth\n",
         true,
         {{L"Vantrel", false, {}}, {L"Vantrel.NTamd64", true, {L"Vantrel \"Pro\" 5; draft"}}}},
        {"a line ending in a backslash goes on",
         L"[Manufacturer]\r\nVantrel=Vantrel, \\\r\n  NTamd64\r\n[Vantrel.NTamd64]\r\n\"Vantrel M1\" = "
         L"\\\r\nInstall\r\n",
         true,
         {{L"Vantrel", false, {}}, {L"Vantrel.NTamd64", true, {L"Vantrel M1"}}}},
        {"names of sections and string keys without regard to case",
         L"[MANUFACTURER]\n%mfg%=Vantrel,ntamd64\n[VANTREL.NTAMD64]\n%m1%=Install\n[strings]\nMFG=Vantrel\nM1=M1 PS\n",
         true,
         {{L"Vantrel", false, {}}, {L"Vantrel.ntamd64", true, {L"M1 PS"}}}},
        {"a doubled percent sign and an unknown string key",
         L"[Manufacturer]\nV=V,NTamd64\n[V.NTamd64]\n100%% Laser=Install\n%Unknown%=Install\n",
         true,
         {{L"V", false, {}}, {L"V.NTamd64", true, {L"100% Laser", L"%Unknown%"}}}},
        {"other architectures are not 64-bit Windows's",
         L"[Manufacturer]\nV=V,NTx86,NTamd64x,NTia64,NT\n[V.NTx86]\n\"M1\"=I\n",
         true,
         {{L"V", false, {}},
          {L"V.NTx86", false, {L"M1"}},
          {L"V.NTamd64x", false, {}},
          {L"V.NTia64", false, {}},
          {L"V.NT", false, {}}}},
        {"sections of the same name are one",
         L"[Manufacturer]\nV=V\n[V]\n\"A\"=I\n[V]\n\"B\"=I\n\"A\"=I\n",
         true,
         {{L"V", false, {L"A", L"B"}}}},
        {"no [Manufacturer] section", L"[Version]\nClass=Printer\n[V]\n\"A\"=I\n", false, {}},
        {"lines before any section and lines without a value",
         L"\"Stray\"=I\n[Manufacturer]\nV=V\n[V]\nInclude\n",
         true,
         {{L"V", false, {}}}},
    };
    for (const auto& testCase : cases) {
        const InfModels models = ReadInfModels(testCase.inf);
        EXPECT_EQ(models.HasManufacturer, testCase.hasManufacturer) << testCase.name;
        ASSERT_EQ(models.Sections.size(), testCase.sections.size()) << testCase.name;
        for (std::size_t index = 0; index < testCase.sections.size(); ++index) {
            const InfModelSection& section = models.Sections[index];
            EXPECT_EQ(section.Name, testCase.sections[index].name) << testCase.name;
            EXPECT_EQ(section.ForX64, testCase.sections[index].forX64) << testCase.name;
            EXPECT_EQ(section.DriverNames, testCase.sections[index].driverNames) << testCase.name;
        }
    }
}

} // namespace
