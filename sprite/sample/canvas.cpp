#include "sprite/sample/canvas.h"

#include "sprite/core/decode.h"

#include <algorithm>
#include <vector>

namespace pixmoth {

namespace {

// The colours of one cell in the order of first appearance; the bit-pair
// value of colour i is i + 1.
bool cellColours(const Canvas& canvas, int column, int row, std::vector<int>& colours) {
    colours.clear();
    for (int y = row * 8; y < row * 8 + 8; ++y) {
        for (int x = column * 4; x < column * 4 + 4; ++x) {
            const int colour = canvas.at(x, y) & 15;
            if (colour == 0 || std::find(colours.begin(), colours.end(), colour) != colours.end())
                continue;
            if (colours.size() == 3)
                return false;
            colours.push_back(colour);
        }
    }
    return true;
}

} // namespace

bool encodeCanvas(const Canvas& canvas, Picture& picture) {
    std::vector<int> colours;
    for (int row = 0; row < 25; ++row) {
        for (int column = 0; column < 40; ++column) {
            if (!cellColours(canvas, column, row, colours))
                return false;
            colours.resize(3, 0);
            const std::size_t cell = std::size_t(row * 40 + column + 1);
            picture.screenData[cell] = quint8(colours[0] << 4 | colours[1]);
            picture.colourData[cell] = quint8(colours[2]);
            for (int y = row * 8; y < row * 8 + 8; ++y) {
                int byte = 0;
                for (int x = column * 4; x < column * 4 + 4; ++x) {
                    const int colour = canvas.at(x, y) & 15;
                    const auto found = std::find(colours.begin(), colours.end(), colour);
                    const int pair = colour == 0 ? 0 : int(found - colours.begin()) + 1;
                    byte = byte << 2 | pair;
                }
                picture.bitmapData[std::size_t(locatePixel(column * 4 + 1, y + 1).byte)] =
                    quint8(byte);
            }
        }
    }
    return true;
}

QByteArray pictureFileBytes(const Picture& picture, quint16 loadAddress) {
    QByteArray bytes;
    bytes.reserve(int(kShortPictureSize));
    bytes.append(char(loadAddress & 0xff));
    bytes.append(char(loadAddress >> 8));
    const auto append = [&bytes](const auto& array, int count) {
        bytes.append(reinterpret_cast<const char*>(array.data()) + 1, count);
    };
    append(picture.colourData, 1024);
    append(picture.screenData, 1024);
    append(picture.bitmapData, kPictureBitmapBytes);
    return bytes;
}

} // namespace pixmoth
