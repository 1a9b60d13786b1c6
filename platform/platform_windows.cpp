// Windows.
#include "platform/platform.h"
#include "platform/widetext_windows.h"

#include <cerrno>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace felgrove::platform {

namespace {

int errnoOf(DWORD error) {
    switch (error) {
    case ERROR_SUCCESS:
        return 0;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return EACCES;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILE_TOO_LARGE:
        return EFBIG;
    case ERROR_INVALID_HANDLE:
        return EBADF;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
    case ERROR_INVALID_PARAMETER:
        return EINVAL;
    default:
        return EIO;
    }
}

int lastError() {
    return errnoOf(GetLastError());
}

bool isSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// A name that opens a device instead of a file, in any folder and with any
// extension: CON, PRN, AUX, NUL, COM1-9, LPT1-9, CONIN$ and CONOUT$; or a path
// into the device namespace, \\.\ or \\?\GLOBALROOT.
bool namesADevice(const std::wstring& path) {
    if (path.size() >= 4 && isSeparator(path[0]) && isSeparator(path[1]) &&
        (path[2] == L'.' || path[2] == L'?') && isSeparator(path[3])) {
        if (path[2] == L'.')
            return true;
        const std::wstring rest = path.substr(4);
        if (_wcsnicmp(rest.c_str(), L"GLOBALROOT", 10) == 0)
            return true;
    }
    std::size_t start = path.size();
    while (start > 0 && !isSeparator(path[start - 1]) && path[start - 1] != L':')
        --start;
    std::wstring name = path.substr(start);
    const std::size_t dot = name.find(L'.');
    if (dot != std::wstring::npos)
        name.resize(dot);
    while (!name.empty() && (name.back() == L' ' || name.back() == L':'))
        name.pop_back();
    static const wchar_t* const kDevices[] = {L"CON", L"PRN",    L"AUX",
                                              L"NUL", L"CONIN$", L"CONOUT$"};
    for (const wchar_t* device : kDevices) {
        if (_wcsicmp(name.c_str(), device) == 0)
            return true;
    }
    return name.size() == 4 &&
           (_wcsnicmp(name.c_str(), L"COM", 3) == 0 || _wcsnicmp(name.c_str(), L"LPT", 3) == 0) &&
           name[3] >= L'1' && name[3] <= L'9';
}

// True when a name in the path is longer than a file system on Windows
// takes (255 characters), which the system itself reports in several ways.
bool hasNameTooLong(const std::wstring& path) {
    std::size_t length = 0;
    for (const wchar_t c : path) {
        length = isSeparator(c) ? 0 : length + 1;
        if (length > 255)
            return true;
    }
    return false;
}

// Opens what a path names, following links, for `access`; a folder too.
// Refuses device names without opening them.
HANDLE openHandle(const std::wstring& path, DWORD access, DWORD flags, int& error) {
    if (path.empty()) {
        error = ENOENT;
        return INVALID_HANDLE_VALUE;
    }
    if (hasNameTooLong(path)) {
        error = ENAMETOOLONG;
        return INVALID_HANDLE_VALUE;
    }
    if (namesADevice(path)) {
        error = EINVAL;
        return INVALID_HANDLE_VALUE;
    }
    const HANDLE handle =
        CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, flags, nullptr);
    error = handle == INVALID_HANDLE_VALUE ? lastError() : 0;
    return handle;
}

struct Identity {
    int error = 0;
    Kind kind = Kind::Other;
    std::int64_t size = 0;
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
};

Identity identify(HANDLE handle) {
    if (GetFileType(handle) != FILE_TYPE_DISK)
        return {0, Kind::Other};
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle, &info))
        return {lastError()};
    const bool folder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return {0,
            folder ? Kind::Folder : Kind::File,
            std::int64_t((std::uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow),
            info.dwVolumeSerialNumber,
            info.nFileIndexHigh,
            info.nFileIndexLow};
}

Identity identify(const char* path) {
    const std::wstring name = wide(path);
    if (namesADevice(name))
        return {0, Kind::Other};
    int error = 0;
    // No access asked for: the attributes can be read even of a file that is
    // open elsewhere or may not be read.
    const HANDLE handle = openHandle(name, 0, FILE_FLAG_BACKUP_SEMANTICS, error);
    if (handle == INVALID_HANDLE_VALUE)
        return {error};
    const Identity identity = identify(handle);
    CloseHandle(handle);
    return identity;
}

Descriptor descriptorOf(HANDLE handle, int flags, int& error) {
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags);
    if (fd < 0) {
        error = EMFILE;
        CloseHandle(handle);
    }
    return fd;
}

HANDLE handleOf(Descriptor file) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(file));
}

} // namespace

Found inspect(const char* path) {
    const Identity identity = identify(path);
    return {identity.error, identity.kind, identity.size};
}

Opened openInput(const char* path) {
    int error = 0;
    const std::wstring name = wide(path);
    // A folder opens only with backup semantics; asked first, so that it is
    // refused as a folder and not with "access denied".
    if (const Identity first = identify(path); first.error == 0 && first.kind == Kind::Folder)
        return {EISDIR};
    const HANDLE handle =
        openHandle(name, GENERIC_READ, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, error);
    if (handle == INVALID_HANDLE_VALUE)
        return {error};
    const Identity identity = identify(handle);
    error = identity.error != 0             ? identity.error
            : identity.kind == Kind::Folder ? EISDIR
            : identity.kind == Kind::Other  ? EINVAL
                                            : 0;
    if (error != 0) {
        CloseHandle(handle);
        return {error};
    }
    const Descriptor fd = descriptorOf(handle, _O_RDONLY | _O_BINARY, error);
    if (fd < 0)
        return {error};
    return {0, fd, identity.size};
}

int read(Descriptor file, char* data, std::int64_t max, std::int64_t& got) {
    const DWORD wanted = DWORD(max > 0x40000000 ? 0x40000000 : max);
    DWORD n = 0;
    if (!ReadFile(handleOf(file), data, wanted, &n, nullptr)) {
        if (GetLastError() == ERROR_HANDLE_EOF) {
            got = 0;
            return 0;
        }
        return lastError();
    }
    got = n;
    return 0;
}

int seek(Descriptor file, std::int64_t offset) {
    LARGE_INTEGER to;
    to.QuadPart = offset;
    return SetFilePointerEx(handleOf(file), to, nullptr, FILE_BEGIN) ? 0 : lastError();
}

int close(Descriptor file) {
    // Closes the system's handle with the descriptor.
    return _close(file) != 0 ? errno : 0;
}

bool sameFile(const char* a, const char* b) {
    const Identity first = identify(a);
    const Identity second = identify(b);
    return first.error == 0 && second.error == 0 && first.kind != Kind::Other &&
           first.volume == second.volume && first.indexHigh == second.indexHigh &&
           first.indexLow == second.indexLow;
}

int syncFile(Descriptor file) {
    const HANDLE handle = handleOf(file);
    if (handle == INVALID_HANDLE_VALUE)
        return EBADF;
    return FlushFileBuffers(handle) ? 0 : lastError();
}

Opened openFolder(const char* path) {
    int error = 0;
    // Write access, which FlushFileBuffers() needs; backup semantics, without
    // which no folder opens.
    HANDLE handle =
        openHandle(wide(path), GENERIC_READ | GENERIC_WRITE, FILE_FLAG_BACKUP_SEMANTICS, error);
    if (handle == INVALID_HANDLE_VALUE && error == EACCES)
        handle = openHandle(wide(path), GENERIC_READ, FILE_FLAG_BACKUP_SEMANTICS, error);
    if (handle == INVALID_HANDLE_VALUE)
        return {error};
    if (identify(handle).kind != Kind::Folder) {
        CloseHandle(handle);
        return {ENOTDIR};
    }
    const Descriptor fd = descriptorOf(handle, _O_RDONLY, error);
    if (fd < 0)
        return {error};
    return {0, fd, 0};
}

int syncFolder(Descriptor folder) {
    const HANDLE handle = handleOf(folder);
    if (handle == INVALID_HANDLE_VALUE)
        return EBADF;
    if (FlushFileBuffers(handle))
        return 0;
    // A folder that may not or cannot be flushed: see the header.
    const DWORD error = GetLastError();
    if (error == ERROR_ACCESS_DENIED || error == ERROR_INVALID_FUNCTION ||
        error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_PARAMETER)
        return 0;
    return errnoOf(error);
}

void ignoreFileSizeSignal() {}

} // namespace felgrove::platform
