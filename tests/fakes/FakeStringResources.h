#pragma once

#include <map>
#include <utility>

#include "platform/StringResources.h"

// String tables in memory, keyed by (language, id); counts the lookups by language.
class FakeStringResources final : public IStringResources {
public:
    std::map<std::pair<uint16_t, uint32_t>, std::wstring> strings;

    std::optional<std::wstring> FindString(uint32_t id, uint16_t language) override {
        const auto found = strings.find({language, id});
        if (found == strings.end()) {
            return std::nullopt;
        }
        return found->second;
    }
};
