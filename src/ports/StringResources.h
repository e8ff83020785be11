#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The string tables compiled into the executable, looked up by number in one explicit language.
class IStringResources {
public:
    virtual ~IStringResources() = default;

    // The text stored under id in the table of that very language, or nothing when that language's table
    // does not hold the id. No fallback to another language happens here.
    virtual std::optional<std::wstring> FindString(uint32_t id, uint16_t language) = 0;
};
