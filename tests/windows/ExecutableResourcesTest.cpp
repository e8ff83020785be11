// The resources of the real Velbrix.exe built beside this test program.
#include <gtest/gtest.h>

#include <string>

#include "messages/MessageCatalogue.h"
#include "resource.h"
#include "support/CatalogueTexts.h"
#include "win32/Win32StringResources.h"
#include "windows/WindowsTestSupport.h"

namespace {

class ExecutableResources : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_path = TestProgramDirectory() + L"Velbrix.exe";
        s_module = LoadLibraryExW(s_path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    }
    static void TearDownTestSuite() {
        if (s_module != nullptr) {
            FreeLibrary(s_module);
        }
    }
    void SetUp() override { ASSERT_NE(s_module, nullptr) << "Velbrix.exe not found beside the tests"; }

    static std::string ResourceBytes(LPCWSTR type, LPCWSTR name, WORD language) {
        const HRSRC found = FindResourceExW(s_module, type, name, language);
        if (found == nullptr) {
            return {};
        }
        const void* data = LockResource(LoadResource(s_module, found));
        return std::string(static_cast<const char*>(data), SizeofResource(s_module, found));
    }

    static inline std::wstring s_path;
    static inline HMODULE s_module = nullptr;
};

std::wstring VersionString(const std::string& record, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring query = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
    if (!VerQueryValueW(record.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) || value == nullptr) {
        return L"<missing>";
    }
    return std::wstring(value);
}

#pragma pack(push, 2)
struct IconDirectoryEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInResource;
    WORD id;
};
struct IconDirectory {
    WORD reserved, type, count;
    IconDirectoryEntry entries[1];
};
#pragma pack(pop)

} // namespace

TEST_F(ExecutableResources, EveryMessageInEveryLanguageReadsAsItsSource) {
    Win32StringResources resources(s_module);
    for (const auto& entry : CATALOGUE_TEXTS) {
        const auto found = resources.FindString(static_cast<uint32_t>(entry.id), entry.language);
        ASSERT_TRUE(found.has_value()) << entry.language << "/" << entry.id;
        EXPECT_EQ(*found, entry.text) << entry.language << "/" << entry.id;
    }
    EXPECT_FALSE(resources.FindString(LAST_MESSAGE + 1, 2052).has_value());
    EXPECT_FALSE(resources.FindString(101, 2057).has_value()) << "no catalogue of its own for British English";
    EXPECT_FALSE(resources.FindString(101, 1084).has_value()) << "no catalogue of its own for Scottish Gaelic";
}

// The two thread languages without string tables of their own read the catalogue our fallback names, never
// what the platform's own resource-language fallback would pick.
TEST_F(ExecutableResources, ThreadLanguagesWithoutTablesOfTheirOwnReadTheirCatalogue) {
    Win32StringResources resources(s_module);
    const struct {
        uint16_t threadLanguage;
        uint16_t catalogue;
    } cases[] = {{1084, 1065}, {2057, 1033}};
    for (const auto& testCase : cases) {
        const MessageCatalogue catalogue(resources, testCase.threadLanguage);
        for (int id = FIRST_MESSAGE; id <= LAST_MESSAGE; ++id) {
            if (!IsCatalogueMessage(id)) {
                continue;
            }
            std::wstring text;
            ASSERT_TRUE(catalogue.Load(id, text)) << testCase.threadLanguage << "/" << id;
            EXPECT_EQ(text, CatalogueTextOf(testCase.catalogue, id)) << testCase.threadLanguage << "/" << id;
        }
    }
}

TEST_F(ExecutableResources, VersionRecord) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(s_path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::string record(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoW(s_path.c_str(), 0, size, record.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x000C0000u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x000C0000u);

    WORD* translation = nullptr;
    ASSERT_TRUE(
        VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 1200);
    EXPECT_EQ(VersionString(record, L"ProductName"), L"Velbrix");
    EXPECT_EQ(VersionString(record, L"FileDescription"), L"Velbrix");
    EXPECT_EQ(VersionString(record, L"OriginalFilename"), L"Velbrix.exe");
    EXPECT_EQ(VersionString(record, L"FileVersion"), L"1.0.12.0");
}

TEST_F(ExecutableResources, ManifestAsksForCommonControls6AsInvokerAndDpiAwareness) {
    const std::string manifest = ResourceBytes(MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1), 0);
    ASSERT_FALSE(manifest.empty());
    for (const char* part : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"", "level=\"asInvoker\"",
                             "<dpiAware", ">true</dpiAware>"}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
}

TEST_F(ExecutableResources, IconIsOne128PixelImageOf32Bits) {
    const WORD chinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
    const std::string group = ResourceBytes(MAKEINTRESOURCEW(14), MAKEINTRESOURCEW(IDI_MAIN_ICON), chinese);
    ASSERT_GE(group.size(), sizeof(IconDirectory));
    const auto* directory = reinterpret_cast<const IconDirectory*>(group.data());
    ASSERT_EQ(directory->count, 1);
    EXPECT_EQ(directory->entries[0].width, 128);
    EXPECT_EQ(directory->entries[0].height, 128);
    EXPECT_EQ(directory->entries[0].bitCount, 32);

    const std::string image = ResourceBytes(MAKEINTRESOURCEW(3), MAKEINTRESOURCEW(directory->entries[0].id), chinese);
    ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(image.data());
    EXPECT_EQ(header->biWidth, 128);
    EXPECT_EQ(header->biHeight, 256) << "colour and mask";
    EXPECT_EQ(header->biBitCount, 32);
}

TEST_F(ExecutableResources, DialogTemplatesExistInChinese) {
    const WORD chinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
    for (const int id : {IDD_ABOUTBOX, IDD_MAIN_DIALOG}) {
        EXPECT_FALSE(ResourceBytes(MAKEINTRESOURCEW(5), MAKEINTRESOURCEW(id), chinese).empty()) << id;
    }
}
