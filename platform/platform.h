// The calls into the operating system that Qt does not give portably: one
// header, one implementation per system family (platform_posix.cpp for Linux
// and macOS, platform_windows.cpp for Windows). Plain C++, no Qt.
//
// Paths are UTF-8 text. A failure is an errno value from <cerrno>, which
// strerror() turns into the system's words; Windows' own error codes are
// translated to the nearest errno value (ERROR_FILE_NOT_FOUND is ENOENT,
// ERROR_ACCESS_DENIED is EACCES, one that has no match is EIO).
#pragma once

#include <cstdint>

namespace felgrove::platform {

// An open file or folder: a file descriptor on POSIX; on Windows a C runtime
// descriptor over the system's handle, as QFileDevice::handle() gives one.
using Descriptor = int;
constexpr Descriptor kNoDescriptor = -1;

enum class Kind {
    File,   // an ordinary file on a disk
    Folder, // a folder
    Other,  // POSIX: a FIFO, a device or a socket. Windows: a device name
            // (CON, NUL, COM1, LPT1, ... with or without an extension), a
            // path beginning with \\.\ , or anything GetFileType does not
            // call a disk file.
};

// What lies at a path, symbolic links followed. Nothing is opened that
// could wait or act on a device: a device name or a \\.\ path is refused by
// its name alone.
struct Found {
    int error = 0; // ENOENT, ENAMETOOLONG, EACCES, ...
    Kind kind = Kind::Other;
    std::int64_t size = 0; // the bytes of a File
};
Found inspect(const char* path);

// Opens an ordinary file for reading only, never waiting: a FIFO or a device
// put in the file's place after an inspect() is refused, not waited on. A
// folder gives EISDIR and anything else but a File EINVAL; the descriptor is
// then already closed. `size` is the file's size when it was opened.
struct Opened {
    int error = 0;
    Descriptor descriptor = kNoDescriptor;
    std::int64_t size = 0;
};
Opened openInput(const char* path);

// Reads at most `max` bytes at the file position into `data` and advances the
// position; `got` is 0 at the end of the file. An interrupted read is tried
// again. Returns 0 or the error.
int read(Descriptor file, char* data, std::int64_t max, std::int64_t& got);
// Moves the file position to `offset` from the start. Returns 0 or the error.
int seek(Descriptor file, std::int64_t offset);
// Closes what openInput() or openFolder() opened. Returns 0 or the error.
int close(Descriptor file);

// True when both paths name one existing file or folder, however spelt
// (another spelling, a symbolic link, a hard link): device and inode on
// POSIX, volume serial number and file index on Windows.
bool sameFile(const char* a, const char* b);

// Puts what was written to `file` on the disk, returns 0 only once it is
// there, or the error.
// - Linux: fsync().
// - macOS: fcntl(F_FULLFSYNC), because fsync() there leaves the bytes in the
//   drive's cache; a file system that does not support it (a network or FAT
//   disk) gets fsync().
// - Windows: FlushFileBuffers(), which the drive's cache does not escape.
int syncFile(Descriptor file);

// The folder that holds a file that is about to be renamed into it, opened
// so that syncFolder() can make the rename durable: ENOTDIR for anything but
// a folder. The descriptor stays on the folder that was opened, whatever
// happens to its name afterwards.
Opened openFolder(const char* path);

// Puts the folder's entries, and so a rename into it, on the disk.
// - POSIX: fsync() on the folder. A file system that cannot sync a folder
//   (EINVAL, EOPNOTSUPP) writes its entries at once, and this returns 0.
// - Windows: FlushFileBuffers() on the folder. NTFS journals every change of
//   a folder, and the flush puts the journal, with the rename, on the disk.
//   Where the system refuses to flush a folder (another file system, or a
//   Windows without it) this returns 0 too: a rename on NTFS is then whole
//   after a crash (the old file or the new one, never a mix) but may be
//   undone by one.
int syncFolder(Descriptor folder);

// A write past the process's file-size limit raises SIGXFSZ on POSIX, which
// ends the program without a word. Ignoring it makes that write fail with
// EFBIG instead, to be reported like a full disk. Windows has no such limit
// and no such signal: nothing to do.
void ignoreFileSizeSignal();

} // namespace felgrove::platform
