// The same table runs on every system; a row is skipped only where its case
// cannot exist (a FIFO on Windows, a device name on POSIX).
#include "platform/platform.h"
#include "platform/testing.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;
namespace platform = felgrove::platform;
using platform::Kind;

std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

enum class Made { Nothing, File, Fifo, SymbolicLink, HardLink };
enum class On { Every, Posix, Windows };

constexpr int kNone = -1; // the step is not taken

// What lies at a path, as the conversions meet it: an input that must be an
// ordinary file, opened without waiting, read to its size, told apart from
// another file, and a folder that takes a file's name.
TEST(Platform, WhatLiesAtAPath) {
    const fs::path dir =
        fs::temp_directory_path() / ("felgrove-platform-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
    const fs::path file = dir / "data.prg";
    fs::create_directory(dir / "x"); // the folder of the rows
    std::ofstream(file, std::ios::binary) << "\x01\x08"
                                             "C64!";
    const struct {
        On on;
        Made made;
        std::string path; // below the test's folder, or absolute
        int inspectError;
        Kind kind;
        std::int64_t size;
        int openError;   // of openInput(); kNone: not tried
        int folderError; // of openFolder(), then syncFolder(); kNone: not tried
        bool sameAsData; // names the same file as data.prg
    } cases[] = {
        {On::Every, Made::Nothing, "data.prg", 0, Kind::File, 6, 0, ENOTDIR, true},
        {On::Every, Made::Nothing, "./x/../data.prg", 0, Kind::File, 6, 0, kNone, true},
        {On::Every, Made::File, "empty.prg", 0, Kind::File, 0, 0, kNone, false},
        {On::Every, Made::File, "gr\xc3\xb6n \xe2\x82\xac.prg", 0, Kind::File, 0, 0, kNone, false},
        {On::Every, Made::HardLink, "hard.prg", 0, Kind::File, 6, 0, kNone, true},
        {On::Posix, Made::SymbolicLink, "soft.prg", 0, Kind::File, 6, 0, kNone, true},
        {On::Every, Made::Nothing, "x", 0, Kind::Folder, 0, EISDIR, 0, false},
        {On::Every, Made::Nothing, "gone.prg", ENOENT, Kind::Other, 0, ENOENT, ENOENT, false},
        {On::Every, Made::Nothing, "gone/data.prg", ENOENT, Kind::Other, 0, ENOENT, ENOENT, false},
        {On::Posix, Made::Nothing, "data.prg/a.prg", ENOTDIR, Kind::Other, 0, ENOTDIR, ENOTDIR,
         false},
        {On::Every, Made::Nothing, "", ENOENT, Kind::Other, 0, ENOENT, kNone, false},
        {On::Every, Made::Nothing, std::string(300, 'n'), ENAMETOOLONG, Kind::Other, 0,
         ENAMETOOLONG, kNone, false},
        {On::Posix, Made::Fifo, "pipe.prg", 0, Kind::Other, 0, EINVAL, ENOTDIR, false},
        {On::Posix, Made::Nothing, "/dev/zero", 0, Kind::Other, 0, EINVAL, kNone, false},
        {On::Windows, Made::Nothing, "x/CON", 0, Kind::Other, 0, EINVAL, kNone, false},
        {On::Windows, Made::Nothing, "nul.prg", 0, Kind::Other, 0, EINVAL, kNone, false},
        {On::Windows, Made::Nothing, "x\\COM1.prg", 0, Kind::Other, 0, EINVAL, kNone, false},
        {On::Windows, Made::Nothing, "\\\\.\\C:", 0, Kind::Other, 0, EINVAL, kNone, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        if ((c.on == On::Posix && kWindows) || (c.on == On::Windows && !kWindows))
            continue;
        const bool absolute = c.path.empty() || c.path.front() == '/' || c.path.front() == '\\';
        const std::string path = absolute ? c.path : utf8(dir) + "/" + c.path;
        if (c.made == Made::File)
            std::ofstream(dir / fs::path(std::u8string(c.path.begin(), c.path.end())));
        if (c.made == Made::SymbolicLink)
            fs::create_symlink(file, path);
        ASSERT_TRUE(c.made != Made::Fifo || platform::testing::makeFifo(path.c_str()));
        ASSERT_TRUE(c.made != Made::HardLink ||
                    platform::testing::makeHardLink(utf8(file).c_str(), path.c_str()));

        const platform::Found found = platform::inspect(path.c_str());
        EXPECT_EQ(found.error, c.inspectError);
        EXPECT_EQ(found.kind, c.kind);
        EXPECT_EQ(found.kind == Kind::File ? found.size : 0, c.size);
        EXPECT_EQ(platform::sameFile(path.c_str(), utf8(file).c_str()), c.sameAsData);

        const platform::Opened input = platform::openInput(path.c_str());
        EXPECT_EQ(input.error, c.openError);
        if (input.error == 0) {
            EXPECT_EQ(input.size, c.size);
            // From the second byte to the end, then nothing more.
            std::string bytes(16, '\0');
            std::int64_t got = -1;
            ASSERT_EQ(platform::seek(input.descriptor, 1), 0);
            ASSERT_EQ(platform::read(input.descriptor, bytes.data(), 16, got), 0);
            EXPECT_EQ(bytes.substr(0, std::size_t(got)), c.size > 0 ? "\x08"
                                                                      "C64!"
                                                                    : "");
            EXPECT_EQ(platform::read(input.descriptor, bytes.data(), 16, got), 0);
            EXPECT_EQ(got, 0);
            EXPECT_EQ(platform::close(input.descriptor), 0);
        } else {
            EXPECT_EQ(input.descriptor, platform::kNoDescriptor);
        }

        if (c.folderError != kNone) {
            const platform::Opened folder = platform::openFolder(path.c_str());
            EXPECT_EQ(folder.error, c.folderError);
            if (folder.error == 0) {
                EXPECT_EQ(platform::syncFolder(folder.descriptor), 0);
                EXPECT_EQ(platform::close(folder.descriptor), 0);
            }
        }
    }
    fs::remove_all(dir);
}

} // namespace
