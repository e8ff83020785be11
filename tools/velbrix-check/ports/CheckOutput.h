#pragma once

#include <string>

// Where the checker's report goes, one line at a time.
class ICheckOutput {
public:
    virtual ~ICheckOutput() = default;
    virtual void WriteLine(const std::wstring& line) = 0;
};
