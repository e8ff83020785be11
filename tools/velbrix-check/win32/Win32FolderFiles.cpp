#include "velbrix-check/win32/Win32FolderFiles.h"

#include <windows.h>

#include <vector>

namespace {

class FileHandle {
public:
    explicit FileHandle(const std::wstring& path)
        : m_handle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~FileHandle() {
        if (IsOpen()) {
            CloseHandle(m_handle);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    bool IsDiskFile() const { return IsOpen() && GetFileType(m_handle) == FILE_TYPE_DISK; }
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

} // namespace

std::wstring Win32FolderFiles::FullPath(const std::wstring& path) {
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) {
        return {};
    }
    std::vector<wchar_t> buffer(needed);
    const DWORD length = GetFullPathNameW(path.c_str(), needed, buffer.data(), nullptr);
    if (length == 0 || length >= needed) {
        return {};
    }
    return std::wstring(buffer.data(), length);
}

IFolderFiles::PathKind Win32FolderFiles::KindOf(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        // A device such as CON has no attributes on some systems but opens all the same.
        const FileHandle file(path);
        return file.IsOpen() ? PathKind::Device : PathKind::Missing;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return PathKind::Folder;
    }
    const FileHandle file(path);
    return !file.IsOpen() || file.IsDiskFile() ? PathKind::File : PathKind::Device;
}

IFolderFiles::FileBytes Win32FolderFiles::Read(const std::wstring& path, std::size_t maxBytes) {
    FileBytes result;
    const FileHandle file(path);
    LARGE_INTEGER size{};
    if (!file.IsDiskFile() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) {
        return result;
    }
    result.Size = static_cast<uint64_t>(size.QuadPart);
    if (result.Size > maxBytes) {
        result.Status = ReadStatus::TooLarge;
        return result;
    }
    result.Bytes.resize(static_cast<std::size_t>(result.Size));
    std::size_t done = 0;
    while (done < result.Bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), result.Bytes.data() + done, static_cast<DWORD>(result.Bytes.size() - done), &read,
                      nullptr)) {
            result.Bytes.clear();
            return result;
        }
        if (read == 0) {
            break;
        }
        done += read;
    }
    // A file that shrank while it was read is taken as far as it goes.
    result.Bytes.resize(done);
    result.Status = ReadStatus::Read;
    return result;
}
