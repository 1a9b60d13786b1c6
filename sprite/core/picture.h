#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>

namespace pixmoth {

// A C64 multicolour bitmap as Pixmoth keeps it. Every array counts from 1 as
// the bytes of the picture do (cell 1, bitmap byte 1); index 0 is not used.
struct Picture {
    std::array<quint8, 1025> colourData{}; // colour RAM: cell k's low nibble is pair 11
    std::array<quint8, 1025> screenData{}; // screen RAM: high nibble pair 01, low nibble 10
    std::array<quint8, 8242> bitmapData{}; // 8 bytes per cell, 40 cells a row, 25 rows

    bool operator==(const Picture&) const = default;
};

// The two file sizes a picture can have: load address, 1024 colour-RAM bytes,
// 1024 screen-RAM bytes, and 8000 or 8191 bitmap bytes.
constexpr qint64 kShortPictureSize = 10050;
constexpr qint64 kLongPictureSize = 10241;

// Bytes of the bitmap that form the picture (40 x 25 cells of 8 bytes).
constexpr int kPictureBitmapBytes = 8000;

enum class LoadStatus { Loaded, WrongSize, Unreadable };

struct LoadResult {
    LoadStatus status = LoadStatus::Loaded;
    QString reason; // why an Unreadable file could not be read
};

// The main window's LoadBitmapFile without its message: checks the size of the file at `path`
// and, when it is one of the two picture sizes, fills `picture` (indexes 1..
// set to 255 first, then every byte of the file placed). `picture` changes
// only when the result is Loaded.
LoadResult readPictureFile(const QString& path, Picture& picture);

// The same from bytes in memory.
LoadResult readPictureBytes(const QByteArray& bytes, Picture& picture);

} // namespace pixmoth
