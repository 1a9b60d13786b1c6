#include "sprite/core/picture.h"
#include "testsupport/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using pixmoth::LoadStatus;
using pixmoth::Picture;

QByteArray pictureBytes(qint64 size) {
    QByteArray bytes(size, '\0');
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char((i * 31 + 7) & 0xff);
    return bytes;
}

class Loading : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes) { return dir.write(bytes); }
    felgrove::test::ScratchFiles dir{QStringLiteral("pic åäö %1.prg")};
};

TEST_F(Loading, EveryByteLandsInItsArray) {
    for (qint64 size : {pixmoth::kShortPictureSize, pixmoth::kLongPictureSize}) {
        const QByteArray bytes = pictureBytes(size);
        Picture p;
        ASSERT_EQ(pixmoth::readPictureFile(write(bytes), p).status, LoadStatus::Loaded);
        const auto at = [&](qint64 offset) { return quint8(bytes[offset]); };
        EXPECT_EQ(p.colourData[1], at(2));
        EXPECT_EQ(p.colourData[1024], at(1025));
        EXPECT_EQ(p.screenData[1], at(1026));
        EXPECT_EQ(p.screenData[1024], at(2049));
        const int bitmapBytes = int(size - 2050);
        for (int n = 1; n <= bitmapBytes; ++n)
            ASSERT_EQ(p.bitmapData[std::size_t(n)], at(n + 2049)) << n;
        for (std::size_t n = std::size_t(bitmapBytes) + 1; n < p.bitmapData.size(); ++n)
            ASSERT_EQ(p.bitmapData[n], 255) << n;
        EXPECT_EQ(p.colourData[0], 0);
    }
}

TEST_F(Loading, NothingOfAnEarlierPictureSurvives) {
    Picture p;
    p.bitmapData.fill(7);
    ASSERT_EQ(pixmoth::readPictureFile(write(pictureBytes(pixmoth::kShortPictureSize)), p).status,
              LoadStatus::Loaded);
    EXPECT_EQ(p.bitmapData[8241], 255);
    EXPECT_EQ(p.bitmapData[8001], 255);
}

TEST_F(Loading, WrongSizesChangeNothing) {
    Picture p;
    p.bitmapData[5] = 42;
    const Picture before = p;
    for (qint64 size : {0LL, 2LL, 10049LL, 10051LL, 10240LL, 10242LL, 3LL * 1024 * 1024}) {
        EXPECT_EQ(pixmoth::readPictureFile(write(pictureBytes(size)), p).status,
                  LoadStatus::WrongSize)
            << size;
        EXPECT_EQ(p, before) << size;
    }
}

TEST_F(Loading, UnreadableFilesSayWhyAndChangeNothing) {
    Picture p;
    p.bitmapData[5] = 42;
    const Picture before = p;
    const QString cases[] = {dir.filePath(QStringLiteral("missing.prg")), dir.path(),
                             dir.filePath(QStringLiteral("no/folder/x.prg"))};
    for (const QString& path : cases) {
        const pixmoth::LoadResult result = pixmoth::readPictureFile(path, p);
        EXPECT_EQ(result.status, LoadStatus::Unreadable) << path.toStdString();
        EXPECT_FALSE(result.reason.isEmpty());
        EXPECT_EQ(p, before);
    }
}

// A picture that another program keeps lengthening and cutting back while
// it is loaded: a file that had a picture's size when it was opened is read
// to that size and no further, never refused as changed.
TEST_F(Loading, AGrowingFileIsReadToTheSizeItHadWhenOpened) {
    const QByteArray bytes = pictureBytes(pixmoth::kShortPictureSize);
    const QString path = write(bytes);
    Picture expected;
    pixmoth::readPictureBytes(bytes, expected);
    std::atomic<bool> done = false;
    std::thread other([&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite))
            return;
        while (!done) {
            file.seek(pixmoth::kShortPictureSize);
            file.write(QByteArray(65536, 'x'));
            file.resize(pixmoth::kShortPictureSize);
        }
    });
    int loaded = 0;
    // Thousands of loads, or as many as a second takes where loading is slow.
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    for (int i = 0; i < 5000 && std::chrono::steady_clock::now() < end; ++i) {
        Picture p;
        const pixmoth::LoadResult result = pixmoth::readPictureFile(path, p);
        EXPECT_NE(result.status, LoadStatus::Unreadable) << result.reason.toStdString();
        if (result.status == LoadStatus::Loaded) {
            ++loaded;
            EXPECT_EQ(p, expected);
        }
    }
    done = true;
    other.join();
    EXPECT_GT(loaded, 0);
}

} // namespace
