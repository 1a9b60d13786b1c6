// Windows.
#include "platform/testing.h"
#include "platform/widetext_windows.h"

#include <string>

#include <windows.h>

namespace felgrove::platform::testing {

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
