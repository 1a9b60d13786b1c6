// Linux and macOS.
#include "platform/testing.h"

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace felgrove::platform::testing {

bool makeFifo(const char* path) {
    return ::mkfifo(path, 0644) == 0;
}

bool makeHardLink(const char* existing, const char* link) {
    return ::link(existing, link) == 0;
}

bool makeWritable(const char* path, bool writable) {
    struct stat info;
    if (::stat(path, &info) != 0)
        return false;
    const mode_t folder = S_ISDIR(info.st_mode) ? 0111 : 0;
    return ::chmod(path, (writable ? 0644 : 0444) | folder) == 0;
}

bool ownsEveryFile() {
    return ::geteuid() == 0;
}

namespace {

rlim_t limitOf(std::uint64_t bytes) {
    return bytes == kUnlimited ? RLIM_INFINITY : rlim_t(bytes);
}

} // namespace

FileSizeLimit::FileSizeLimit(std::uint64_t bytes) {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    m_saved = limit.rlim_cur == RLIM_INFINITY ? kUnlimited : std::uint64_t(limit.rlim_cur);
    // The signal would end the process; the failed write is the test.
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = limitOf(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = limitOf(m_saved);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_savedHandler);
}

} // namespace felgrove::platform::testing
