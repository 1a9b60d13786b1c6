#include "platform/testing.h"
#include "sprite/core/picture.h"
#include "testsupport/testfiles.h"

#include <QFile>
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
    // An earlier picture in the arrays, which a load must replace or keep whole.
    Loading() { p.bitmapData.fill(7); }
    Picture p;
    felgrove::test::ScratchFiles dir{QStringLiteral("pic åäö %1.prg")};
};

// After the two address bytes: 1024 colour bytes, 1024 screen bytes, then
// the bitmap; a short file leaves the bitmap's end at 255.
TEST_F(Loading, EveryByteLandsInItsArray) {
    for (qint64 size : {pixmoth::kShortPictureSize, pixmoth::kLongPictureSize}) {
        const QByteArray bytes = pictureBytes(size);
        ASSERT_EQ(pixmoth::readPictureFile(dir.write(bytes), p).status, LoadStatus::Loaded);
        const auto at = [&](qint64 offset) { return quint8(bytes[offset]); };
        EXPECT_EQ(QList<int>({p.colourData[0], p.colourData[1], p.colourData[1024], p.screenData[1],
                              p.screenData[1024]}),
                  QList<int>({0, at(2), at(1025), at(1026), at(2049)}));
        for (std::size_t n = 1; n < p.bitmapData.size(); ++n)
            ASSERT_EQ(p.bitmapData[n], qint64(n) <= size - 2050 ? at(qint64(n) + 2049) : 255) << n;
    }
}

// A file that cannot be read says why, and one of any other size is refused;
// neither changes the picture. A FIFO (and a link to one) would block the
// opening for good, and a device that never ends would never finish the reading.
TEST_F(Loading, UnreadableFilesSayWhyAndChangeNothing) {
    const Picture before = p;
    QStringList unreadable = {dir.filePath(QStringLiteral("missing.prg")), dir.path(),
                              dir.filePath(QStringLiteral("no/folder/x.prg")),
                              dir.filePath(QString(300, 'n'))};
#ifdef Q_OS_WIN
    unreadable << QStringLiteral("NUL") << QStringLiteral("C:/x/CON");
#else
    const QString fifo = dir.filePath(QStringLiteral("pipe.prg"));
    const QString link = dir.filePath(QStringLiteral("link.prg"));
    ASSERT_TRUE(felgrove::platform::testing::makeFifo(fifo.toUtf8().constData()));
    ASSERT_TRUE(QFile::link(fifo, link));
    unreadable << fifo << link << QStringLiteral("/dev/zero");
#endif
    for (const QString& path : unreadable) {
        const pixmoth::LoadResult result = pixmoth::readPictureFile(path, p);
        EXPECT_EQ(result.status, LoadStatus::Unreadable) << path.toStdString();
        EXPECT_FALSE(result.reason.isEmpty());
        EXPECT_EQ(p, before);
    }
    for (qint64 size : {0LL, 2LL, 10049LL, 10051LL, 10240LL, 10242LL, 3LL * 1024 * 1024}) {
        EXPECT_EQ(pixmoth::readPictureFile(dir.write(pictureBytes(size)), p).status,
                  LoadStatus::WrongSize);
        EXPECT_EQ(p, before) << size;
    }
}

// A picture that another program keeps lengthening and cutting back while
// it is loaded: a file that had a picture's size when it was opened is read
// to that size and no further, never refused as changed.
TEST_F(Loading, AGrowingFileIsReadToTheSizeItHadWhenOpened) {
    const QByteArray bytes = pictureBytes(pixmoth::kShortPictureSize);
    const QString path = dir.write(bytes);
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
        Picture got;
        const pixmoth::LoadResult result = pixmoth::readPictureFile(path, got);
        EXPECT_NE(result.status, LoadStatus::Unreadable) << result.reason.toStdString();
        if (result.status == LoadStatus::Loaded) {
            ++loaded;
            EXPECT_EQ(got, expected);
        }
    }
    done = true;
    other.join();
    EXPECT_GT(loaded, 0);
}

} // namespace
