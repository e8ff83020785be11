#pragma once

#include <map>
#include <utility>

#include "ports/StringResources.h"
#include "support/CatalogueTexts.h"

// String tables in memory, keyed by (language, id).
class FakeStringResources final : public IStringResources {
public:
    std::map<std::pair<uint16_t, uint32_t>, std::wstring> strings;

    // The four catalogues as their sources hold them.
    static FakeStringResources WithCatalogues() {
        FakeStringResources resources;
        for (const auto& entry : CATALOGUE_TEXTS) {
            resources.strings[{entry.language, static_cast<uint32_t>(entry.id)}] = entry.text;
        }
        return resources;
    }

    std::optional<std::wstring> FindString(uint32_t id, uint16_t language) override {
        const auto found = strings.find({language, id});
        if (found == strings.end()) {
            return std::nullopt;
        }
        return found->second;
    }
};
