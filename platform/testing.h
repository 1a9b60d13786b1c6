// What the tests do to the file system that Qt cannot: in a library that
// only tests link. Paths are UTF-8 text, as in platform.h.
#pragma once

#include <cstdint>

namespace felgrove::platform::testing {

// Makes a FIFO at `path`. False where it fails, and on Windows, which has
// no FIFOs in its file system.
bool makeFifo(const char* path);

// Gives the file `existing` a second name `link` (a hard link).
bool makeHardLink(const char* existing, const char* link);

// Lets everyone write into the folder or file at `path`, or no one (the
// permission bits on POSIX, the read-only attribute on Windows). As root
// on POSIX, a read-only place still takes new files.
bool makeWritable(const char* path, bool writable);

// True where this process runs with every right over files (root).
bool ownsEveryFile();

constexpr std::uint64_t kUnlimited = ~std::uint64_t(0);

// While it lives, every file this process writes fails past `bytes` bytes
// with EFBIG, as a full disk fails a write in the middle of a file. The
// kernel enforces the limit for root too. Nothing happens on Windows.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uint64_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    std::uint64_t m_saved = kUnlimited;
    void (*m_savedHandler)(int) = nullptr;
};

} // namespace felgrove::platform::testing
