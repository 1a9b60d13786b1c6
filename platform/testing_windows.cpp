// Windows.
#include "platform/testing.h"

#include <string>

#include <windows.h>

namespace felgrove::platform::testing {

namespace {

std::wstring wide(const char* utf8) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    if (length <= 1)
        return {};
    std::wstring text(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text.data(), length);
    text.resize(std::size_t(length - 1));
    return text;
}

} // namespace

bool makeFifo(const char*) {
    return false;
}

bool makeHardLink(const char* existing, const char* link) {
    return CreateHardLinkW(wide(link).c_str(), wide(existing).c_str(), nullptr) != 0;
}

bool makeWritable(const char* path, bool writable) {
    const std::wstring name = wide(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    const DWORD changed = writable ? attributes & ~DWORD(FILE_ATTRIBUTE_READONLY)
                                   : attributes | FILE_ATTRIBUTE_READONLY;
    return SetFileAttributesW(name.c_str(), changed) != 0;
}

bool ownsEveryFile() {
    return false;
}

FileSizeLimit::FileSizeLimit(std::uint64_t) {}

FileSizeLimit::~FileSizeLimit() {}

} // namespace felgrove::platform::testing
