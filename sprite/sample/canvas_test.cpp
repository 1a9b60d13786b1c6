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

TEST(Canvas, EncodesUpToThreeColoursACell) {
    Canvas canvas;
    // Cell 1: three colours and black; cell 2: one colour; the last cell
    // another three.
    canvas.at(0, 0) = 7;
    canvas.at(3, 5) = 2;
    canvas.at(1, 7) = 15;
    canvas.at(2, 7) = 7;
    canvas.at(5, 0) = 14;
    canvas.at(159, 199) = 1;
    canvas.at(156, 192) = 9;
    canvas.at(158, 195) = 3;
    Picture picture;
    ASSERT_TRUE(pixmoth::encodeCanvas(canvas, picture));
    expectDecodesTo(picture, canvas);
    EXPECT_EQ(picture.screenData[1], 0x72); // first seen 01, second 10
    EXPECT_EQ(picture.colourData[1], 15);   // third 11

    canvas.at(0, 1) = 5; // a fourth colour in cell 1
    EXPECT_FALSE(pixmoth::encodeCanvas(canvas, picture));
}

TEST(SamplePicture, MotifsInTheirOwnColoursOnBlack) {
    // A short picture file loading at $5800, whose every cell keeps to its
    // four colours.
    const QByteArray bytes = pixmoth::samplePictureBytes();
    ASSERT_EQ(bytes.size(), pixmoth::kShortPictureSize);
    EXPECT_EQ(bytes.left(2), QByteArray("\x00\x58", 2));
    Picture picture;
    ASSERT_EQ(pixmoth::readPictureBytes(bytes, picture).status, pixmoth::LoadStatus::Loaded);
    const Canvas canvas = pixmoth::sampleCanvas();
    expectDecodesTo(picture, canvas);

    const auto& motifs = pixmoth::sampleMotifs();
    ASSERT_GE(motifs.size(), 6u);
    std::set<std::set<int>> colourSets;
    int black = 0;
    for (const auto& motif : motifs) {
        SCOPED_TRACE(motif.name.toStdString());
        EXPECT_TRUE(motif.x >= 0 && motif.x <= 296 && motif.x % 2 == 0);
        EXPECT_TRUE(motif.y >= 0 && motif.y <= 179);
        // The area under the capture box holds the motif's three colours
        // and nothing else but black.
        std::set<int> found;
        for (int r = 0; r < 21; ++r)
            for (int p = 0; p < 12; ++p)
                found.insert(canvas.at(motif.x / 2 + p, motif.y + r));
        found.erase(0);
        EXPECT_EQ(found, std::set<int>(std::begin(motif.colours), std::end(motif.colours)));
        colourSets.insert(found);
    }
    EXPECT_GE(colourSets.size(), 6u);
    for (quint8 colour : canvas.pixels)
        black += colour == 0;
    EXPECT_GT(black, Canvas::kWidth * Canvas::kHeight * 3 / 4); // mostly black background
}

} // namespace
