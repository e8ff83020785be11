#pragma once

#include <string>

// The installation script's file, as the command interpreter reads it: code page 936 (GBK) text.
class IScriptFile {
public:
    virtual ~IScriptFile() = default;

    // Creates the file afresh (an existing one is replaced) and writes exactly the text, in code page 936,
    // with no byte-order mark and no line end. Answers false, and leaves the file as it was, when a character
    // has no form of its own in code page 936: a best-fit stand-in would name another folder or driver than
    // the supplier's. Answers false too when the file could not be opened or written; it may then remain,
    // partly written.
    // The written file stays held from then on: nothing can write to it, delete it or rename it, while the
    // command interpreter can still read it. Answers false, and holds nothing, when what is held is not
    // exactly these bytes.
    virtual bool Write(const std::wstring& path, const std::wstring& text) = 0;
    // Lets go of the file: its script has ended, or never started.
    virtual void Release() = 0;
};
