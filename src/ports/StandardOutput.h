#pragma once

#include <string>

// The process's standard output, as bytes; writes to a missing output are lost without a word. What is
// written may wait in a buffer until Flush, or until the process ends.
class IStandardOutput {
public:
    virtual ~IStandardOutput() = default;
    virtual void Write(const std::string& bytes) = 0;
    // Ends the line as the platform's text streams do.
    virtual void WriteLineEnd() = 0;
    virtual void Flush() = 0;
};
