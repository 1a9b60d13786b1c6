#include "sprite/sample/samplepicture.h"

#include <cmath>

namespace pixmoth {

namespace {

constexpr int kBlue = 6, kLightBlue = 14, kWhite = 1, kYellow = 7, kLightBrown = 8, kPink = 10,
              kRed = 2, kGreen = 5, kLightGreen = 13, kBrown = 9, kPurple = 4, kLightGrey = 15,
              kCyan = 3, kMidGrey = 12;

// A motif is 12 x 21 multicolour pixels; art rows use '.' for black and
// 'a', 'b', 'c' for the motif's three colours.
using Art = std::array<const char*, 21>;

constexpr Art kShip = {
    ".....aa.....", "....aaaa....", "....abba....", "...aabbaa...", "...aabbaa...", "...aaaaaa...",
    "...aaaaaa...", "...aabbaa...", "..aaabbaaa..", "..aaaaaaaa..", ".aaaaaaaaaa.", "aa.aaaaaa.aa",
    "a..aaaaaa..a", "a..aaaaaa..a", "a...aaaa...a", "....c..c....", "...cc..cc...", "....c..c....",
    "...c....c...", "............", "............"};

constexpr Art kTree = {
    ".....bb.....", "....bbab....", "....baaa....", "...bbaaaa...", "...baaaaa...", "..bbaaaaaa..",
    "....baaa....", "...bbaaaa...", "..bbaaaaaa..", "..baaaaaaa..", ".bbaaaaaaaa.", "....baaaa...",
    "...bbaaaaa..", "..bbaaaaaaa.", ".bbaaaaaaaaa", "baaaaaaaaaaa", ".....cc.....", ".....cc.....",
    ".....cc.....", "....cccc....", "............"};

constexpr Art kGhost = {
    "....aaaa....", "..aaaaaaaa..", ".aaaaaaaaaa.", ".aaaaaaaaaa.", "aabbaaaabbaa", "abbbbaabbbba",
    "abbccaabbcca", "abbccaabbcca", "aabbaaaabbaa", "aaaaaaaaaaaa", "aaaaaaaaaaaa", "aaaaaaaaaaaa",
    "aaaaaaaaaaaa", "aaaaaaaaaaaa", "aaaaaaaaaaaa", "aaaaaaaaaaaa", "aaaaaaaaaaaa", "aaaaaaaaaaaa",
    "aa.aa..aa.aa", "a...a..a...a", "............"};

// Which of a motif's colours (1..3, 0 for black) a pixel of a drawn motif
// has; (sx, sy) is the pixel's centre in hi-res pixels from the motif's
// centre, so shapes come out round on the screen.
using Shape = int (*)(double sx, double sy);

int ball(double sx, double sy) {
    if (sx * sx + sy * sy > 10.4 * 10.4)
        return 0;
    const double shine = std::hypot(sx + 4, sy + 4);
    return shine < 2.5 ? 3 : shine < 7 ? 2 : 1;
}

int face(double sx, double sy) {
    const double d = std::hypot(sx, sy);
    if (d > 10.4)
        return 0;
    if (d > 9)
        return 2; // the rim
    const bool eye = std::abs(std::abs(sx) - 4) <= 1.5 && std::abs(sy + 3) <= 2;
    const bool mouth = d >= 4.5 && d <= 6.2 && sy > 1.5;
    if (eye || mouth)
        return 0;
    return std::hypot(std::abs(sx) - 7, sy - 3) < 1.8 ? 3 : 1;
}

int heart(double sx, double sy) {
    const double u = sx / 9.5, v = -sy / 9.0 + 0.15;
    const double a = u * u + v * v - 1;
    if (a * a * a - u * u * v * v * v > 0)
        return 0;
    if (std::hypot(sx + 5, sy + 4) < 1.8)
        return 3;
    return std::hypot(sx + 4, sy + 3) < 5 ? 2 : 1;
}

struct Placed {
    SampleMotif motif;
    const Art* art;
    Shape shape;
};

const std::vector<Placed>& placedMotifs() {
    // Grid places are multiples of the sprite size, 24 x 21; the rows of
    // motifs are far enough apart that no 4 x 8 cell holds two of them.
    static const std::vector<Placed> motifs = {
        {{QStringLiteral("ship"), 24, 21, {kLightGrey, kCyan, kYellow}}, &kShip, nullptr},
        {{QStringLiteral("ball"), 120, 21, {kBlue, kLightBlue, kWhite}}, nullptr, ball},
        {{QStringLiteral("face"), 216, 21, {kYellow, kLightBrown, kPink}}, nullptr, face},
        {{QStringLiteral("heart"), 72, 105, {kRed, kPink, kWhite}}, nullptr, heart},
        {{QStringLiteral("tree"), 168, 105, {kGreen, kLightGreen, kBrown}}, &kTree, nullptr},
        {{QStringLiteral("ghost"), 264, 105, {kPurple, kWhite, kBlue}}, &kGhost, nullptr},
        {{QStringLiteral("rocket"), 152, 160, {kLightGreen, kWhite, kRed}}, &kShip, nullptr},
    };
    return motifs;
}

void drawMotif(Canvas& canvas, const Placed& placed) {
    const SampleMotif& m = placed.motif;
    for (int r = 0; r < 21; ++r) {
        for (int p = 0; p < 12; ++p) {
            int which = 0;
            if (placed.art) {
                const char c = (*placed.art)[std::size_t(r)][p];
                which = c == '.' ? 0 : c - 'a' + 1;
            } else {
                which = placed.shape(2.0 * p + 1 - 12, r + 0.5 - 10.5);
            }
            if (which > 0)
                canvas.at(m.x / 2 + p, m.y + r) = quint8(m.colours[which - 1]);
        }
    }
}

bool cellIsEmpty(const Canvas& canvas, int x, int y) {
    const int left = x / 4 * 4, top = y / 8 * 8;
    for (int cy = top; cy < top + 8; ++cy)
        for (int cx = left; cx < left + 4; ++cx)
            if (canvas.at(cx, cy) != 0)
                return false;
    return true;
}

// A star field in the cells the motifs leave empty, one star a cell, from a
// fixed sequence so that every build draws the same picture.
void drawStars(Canvas& canvas) {
    const int colours[] = {kWhite, kLightGrey, kMidGrey, kYellow};
    quint32 seed = 64;
    const auto next = [&seed](quint32 range) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % range;
    };
    for (int i = 0; i < 90; ++i) {
        const int x = int(next(Canvas::kWidth)), y = int(next(Canvas::kHeight));
        const int colour = colours[next(4)];
        if (cellIsEmpty(canvas, x, y))
            canvas.at(x, y) = quint8(colour);
    }
}

} // namespace

const std::vector<SampleMotif>& sampleMotifs() {
    static const std::vector<SampleMotif> motifs = [] {
        std::vector<SampleMotif> list;
        for (const Placed& p : placedMotifs())
            list.push_back(p.motif);
        return list;
    }();
    return motifs;
}

Canvas sampleCanvas() {
    Canvas canvas;
    for (const Placed& placed : placedMotifs())
        drawMotif(canvas, placed);
    drawStars(canvas);
    return canvas;
}

QByteArray samplePictureBytes() {
    Picture picture;
    encodeCanvas(sampleCanvas(), picture);
    return pictureFileBytes(picture, 0x5800);
}

} // namespace pixmoth
