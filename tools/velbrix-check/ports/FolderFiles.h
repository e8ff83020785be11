#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The supplier's folder as the checker sees it: what a path names, and a file's bytes, read only up to a bound
// so that no file, however large, can hold the checker up.
class IFolderFiles {
public:
    enum class PathKind { Missing, File, Folder, Device };
    enum class ReadStatus { Read, TooLarge, Unreadable };
    struct FileBytes {
        ReadStatus Status = ReadStatus::Unreadable;
        std::string Bytes;
        // The file's size, also when it is too large to be read.
        uint64_t Size = 0;
    };

    virtual ~IFolderFiles() = default;

    // The path made absolute as the platform resolves it (a relative one from the current folder); empty when
    // the platform cannot.
    virtual std::wstring FullPath(const std::wstring& path) = 0;

    // What the path names; Device for a name the platform opens as something other than a file on a disk
    // (a console, a pipe, a printer port), which must never be read.
    virtual PathKind KindOf(const std::wstring& path) = 0;

    // The whole file when it has at most maxBytes bytes; only its size when it is larger.
    virtual FileBytes Read(const std::wstring& path, std::size_t maxBytes) = 0;
};
