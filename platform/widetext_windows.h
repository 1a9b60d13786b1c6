// Windows only: the file calls take UTF-16 names, the layer's callers UTF-8.
#pragma once

#include <string>

#include <windows.h>

namespace felgrove::platform {

// `utf8` as UTF-16; empty for an empty or undecodable text.
inline std::wstring wide(const char* utf8) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    if (length <= 1)
        return {};
    std::wstring text(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text.data(), length);
    text.resize(std::size_t(length - 1));
    return text;
}

} // namespace felgrove::platform
