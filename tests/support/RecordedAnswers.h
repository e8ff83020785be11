#pragma once

#include <fstream>
#include <iterator>
#include <string>

// The bytes of a recorded answer in tests/data, or the empty text when the file cannot be read.
inline std::string RecordedAnswer(const std::string& fileName) {
    std::ifstream file(std::string(VELBRIX_TEST_DATA) + "/" + fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
