#pragma once

#include <optional>
#include <string>

// Code page 936 (GBK), the code page the command interpreter reads the installation script in.
class ICodePage936 {
public:
    virtual ~ICodePage936() = default;

    // The text's bytes in code page 936, every character by a form of its own, so that they read back as exactly
    // this text; nothing when any character has none, where the platform would put a default character or a
    // best-fit stand-in ("é" for "É") in its place.
    virtual std::optional<std::string> ExactForm(const std::wstring& text) = 0;
};
