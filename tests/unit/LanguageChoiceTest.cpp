#include "app/LanguageChoice.h"

#include <gtest/gtest.h>

TEST(LanguageChoice, ThreadAndCatalogueLanguageForEachUser) {
    const struct {
        const char* user;
        uint16_t userDefault;
        uint16_t thread;
        uint16_t catalogue;
    } cases[] = {
        {"Chinese, PRC", 2052, 2052, 2052},
        {"Russian", 1049, 1049, 1049},
        {"Persian", 1065, 1084, 1065},
        {"English, United States", 1033, 2057, 1033},
        {"English, United Kingdom", 2057, 2057, 1033},
        {"Chinese, Taiwan", 1028, 2057, 1033},
        {"Chinese, Hong Kong SAR", 3076, 2057, 1033},
        {"Chinese, Singapore", 4100, 2057, 1033},
        {"Russian, Moldova", 2073, 2057, 1033},
        {"German", 1031, 2057, 1033},
        {"Scottish Gaelic", 1084, 2057, 1033},
        {"neutral", 0, 2057, 1033},
    };
    for (const auto& testCase : cases) {
        const uint16_t thread = ThreadLanguageFor(testCase.userDefault);
        EXPECT_EQ(thread, testCase.thread) << testCase.user;
        EXPECT_EQ(CatalogueLanguageFor(thread), testCase.catalogue) << testCase.user;
    }
}

TEST(LanguageChoice, EveryCatalogueLanguageFindsItsOwnCatalogue) {
    for (const uint16_t language : {1033, 1049, 1065, 2052}) {
        EXPECT_EQ(CatalogueLanguageFor(language), language);
    }
}
