#include "sprite/core/decode.h"
#include "sprite/sample/canvas.h"
#include "sprite/sample/samplepicture.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using pixmoth::Canvas;
using pixmoth::Picture;

// Every multicolour pixel of the decoded picture is the canvas's colour.
void expectDecodesTo(const Picture& picture, const Canvas& canvas) {
    for (int y = 0; y < Canvas::kHeight; ++y)
        for (int x = 0; x < Canvas::kWidth; ++x)
            ASSERT_EQ(pixmoth::pixelColour(picture, x + 1, y + 1), canvas.at(x, y))
                << x << "," << y;
}

// Cell 1: three colours and black, the first seen through 01, the second
// through 10, the third through 11; cell 2: one colour; the last cell
// another three. A fourth colour in a cell is refused.
TEST(Canvas, EncodesUpToThreeColoursACell) {
    Canvas canvas;
    const int pixels[][3] = {{0, 0, 7},  {3, 5, 2},     {1, 7, 15},    {2, 7, 7},
                             {5, 0, 14}, {159, 199, 1}, {156, 192, 9}, {158, 195, 3}};
    for (const auto& [x, y, colour] : pixels)
        canvas.at(x, y) = quint8(colour);
    Picture picture;
    ASSERT_TRUE(pixmoth::encodeCanvas(canvas, picture));
    expectDecodesTo(picture, canvas);
    EXPECT_EQ(QPoint(picture.screenData[1], picture.colourData[1]), QPoint(0x72, 15));
    canvas.at(0, 1) = 5;
    EXPECT_FALSE(pixmoth::encodeCanvas(canvas, picture));
}

// A short picture file loading at $5800, mostly black, whose motifs each
// show three colours of their own (at least six sets) under the capture box
// at the motif's place, and nothing else but black.
TEST(SamplePicture, MotifsInTheirOwnColoursOnBlack) {
    const QByteArray bytes = pixmoth::samplePictureBytes();
    EXPECT_EQ(bytes.left(2), QByteArray("\x00\x58", 2));
    Picture picture;
    ASSERT_EQ(pixmoth::readPictureBytes(bytes, picture).status, pixmoth::LoadStatus::Loaded);
    EXPECT_EQ(bytes.size(), pixmoth::kShortPictureSize);
    const Canvas canvas = pixmoth::sampleCanvas();
    expectDecodesTo(picture, canvas);
    std::set<std::set<int>> colourSets;
    for (const auto& motif : pixmoth::sampleMotifs()) {
        SCOPED_TRACE(motif.name.toStdString());
        ASSERT_TRUE(motif.x >= 0 && motif.x <= 296 && motif.x % 2 == 0 && motif.y >= 0 &&
                    motif.y <= 179);
        std::set<int> found;
        for (int r = 0; r < 21; ++r)
            for (int p = 0; p < 12; ++p)
                found.insert(canvas.at(motif.x / 2 + p, motif.y + r));
        found.erase(0);
        EXPECT_EQ(found, std::set<int>(std::begin(motif.colours), std::end(motif.colours)));
        colourSets.insert(found);
    }
    EXPECT_GE(colourSets.size(), 6u);
    EXPECT_GT(std::count(canvas.pixels.begin(), canvas.pixels.end(), 0),
              Canvas::kWidth * Canvas::kHeight * 3 / 4);
}

} // namespace
