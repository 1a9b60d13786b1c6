// The capture box, the colour lists, the flashing frame and the generate
// button, driven through the main window.
#include "sprite/core/decode.h"
#include "sprite/core/palette.h"
#include "sprite/sample/canvas.h"
#include "sprite/sample/samplepicture.h"
#include "sprite/ui/imagelist.h"
#include "sprite/ui/mainwindow.h"
#include "sprite/ui/pictureview.h"
#include "sprite/ui/resultwindow.h"
#include "testsupport/pixmoth_window_driver.h"
#include "testsupport/recordingprompts.h"
#include "testsupport/spritetext.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using pixmoth::Canvas;
using pixmoth::MainWindow;
using pixmoth::Picture;
using pixmoth::test::binaryText;
using pixmoth::test::hexText;
using pixmoth::test::settle;
using pixmoth::test::shown;

constexpr int kBlack = 0, kWhite = 1, kRed = 2, kBlue = 6, kYellow = 7, kGreen = 5;

// The palette indexes of the area with its top-left hi-res pixel at (px, py),
// read straight from the canvas, row by row.
std::vector<int> areaColours(const Canvas& canvas, int px, int py) {
    std::vector<int> colours;
    for (int r = 0; r < 21; ++r)
        for (int p = 0; p < 12; ++p)
            colours.push_back(canvas.at(px / 2 + p, py + r));
    return colours;
}

// "[none]" and then each colour of the area once, as it is first met.
QStringList expectedKeys(const Canvas& canvas, int px, int py) {
    QStringList keys{QStringLiteral("col16")};
    for (int colour : areaColours(canvas, px, py)) {
        const QString key = QStringLiteral("col%1").arg(colour, 2, 10, QLatin1Char('0'));
        if (!keys.contains(key))
            keys << key;
    }
    return keys;
}

// The worked example: the area's first row four "White", four "Red", four
// "Black", every other pixel black; the box at (48, 42) hi-res pixels.
constexpr int kExampleX = 48, kExampleY = 42;
Canvas exampleCanvas() {
    Canvas canvas;
    for (int p = 0; p < 4; ++p) {
        canvas.at(kExampleX / 2 + p, kExampleY) = kWhite;
        canvas.at(kExampleX / 2 + 4 + p, kExampleY) = kRed;
    }
    canvas.at(100, 150) = kYellow; // outside the box
    return canvas;
}

Canvas filledCanvas(int colour) {
    Canvas canvas;
    canvas.pixels.fill(quint8(colour));
    return canvas;
}

// Runs `act` each time `watched` is resized.
class OnResize : public QObject {
public:
    OnResize(QWidget* watched, std::function<void()> act) : act_(std::move(act)) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            act_();
        return false;
    }

private:
    std::function<void()> act_;
};


class CaptureWindow : public ::testing::Test {
protected:
    const pixmoth::MainControls& c() const { return window->controls(); }
    std::array<QComboBox*, 3> lists() const { return {c().cboCol1, c().cboCol2, c().cboCol3}; }

    void load(const Canvas& canvas) {
        Picture picture;
        ASSERT_TRUE(pixmoth::encodeCanvas(canvas, picture));
        const QString path = dir.filePath(QStringLiteral("p%1.prg").arg(++files));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(pixmoth::pictureFileBytes(picture, 0x6000));
        file.close();
        prompts.fileAnswers << path;
        c().mnuLoad->trigger();
        ASSERT_TRUE(window->state().PictureLoaded);
    }
    void setMagnification(int m) { (m == 1 ? c().mnu1x1 : c().mnu2x2)->trigger(); }
    // Moves the box with the arrow keys to (px, py) hi-res pixels.
    void placeBox(int px, int py) { pixmoth::test::moveBoxTo(*window, px, py); }
    void arrow(QWidget* target, Qt::Key key) { pixmoth::test::pressArrow(target, key); }
    void choose(QComboBox* list, int colour) {
        const int index =
            list->findData(QStringLiteral("col%1").arg(colour, 2, 10, QLatin1Char('0')));
        ASSERT_GE(index, 0) << colour;
        list->setCurrentIndex(index);
    }
    QString generate() {
        c().cmdGenerate->click();
        if (!window->resultWindow())
            return QStringLiteral("(no result window)");
        return window->resultWindow()->output()->toPlainText();
    }
    QImage grabbedPicture() const {
        const QImage shot = c().picStd->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return shot.copy(c().picStd->pictureArea());
    }

    // The three lists hold the area's colours, identically, "[none]" chosen.
    void expectListsShow(const Canvas& canvas, int px, int py) {
        const QStringList keys = expectedKeys(canvas, px, py);
        for (const QComboBox* list : lists()) {
            SCOPED_TRACE(list->objectName().toStdString());
            ASSERT_EQ(list->count(), keys.size());
            EXPECT_EQ(list->currentIndex(), 0);
            EXPECT_EQ(list->currentText(), QLatin1String("[none]"));
            for (int i = 0; i < list->count(); ++i) {
                EXPECT_EQ(list->itemData(i).toString(), keys[i]);
                const int colour = keys[i].mid(3).toInt();
                EXPECT_EQ(list->itemText(i), pixmoth::ColourNames()[std::size_t(colour)]);
                const QImage icon = list->itemIcon(i).pixmap(16, 16).toImage();
                EXPECT_EQ(icon.convertToFormat(QImage::Format_RGB32),
                          pixmoth::ImageListImage(colour + 1).convertToFormat(QImage::Format_RGB32))
                    << i;
            }
        }
    }
    // CapturedColours and the preview show the canvas's area at (px, py).
    void expectCaptured(const Canvas& canvas, int px, int py) {
        const std::vector<int> colours = areaColours(canvas, px, py);
        const QImage& preview = c().picCapture->image();
        ASSERT_EQ(preview.size(), QSize(72, 63));
        for (int k = 1; k <= 252; ++k) {
            const int p = (k - 1) % 12, r = (k - 1) / 12;
            const int colour = colours[std::size_t(k - 1)];
            ASSERT_EQ(window->capture().colours[std::size_t(k)], colour) << k;
            const QRgb rgb = pixmoth::paletteQRgb(colour);
            // Each captured pixel is a 6 x 3 box: its two far corners.
            ASSERT_EQ(preview.pixel(6 * p, 3 * r), rgb) << p << "," << r;
            ASSERT_EQ(preview.pixel(6 * p + 5, 3 * r + 2), rgb) << p << "," << r;
        }
    }

    felgrove::RecordingPrompts prompts;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(prompts);
    QTemporaryDir dir;
    int files = 0;
};

TEST_F(CaptureWindow, ListsAndPreviewShowTheAreaUnderTheBox) {
    const Canvas sample = pixmoth::sampleCanvas();
    load(sample);
    struct Place {
        int m, px, py;
    };
    std::vector<Place> places{{1, 0, 0}, {1, 6, 7}, {1, 296, 179}, {2, 24, 21}, {2, 150, 93}};
    for (const auto& motif : pixmoth::sampleMotifs())
        places.push_back({1, motif.x - motif.x % 2, motif.y});
    for (const Place& at : places) {
        SCOPED_TRACE(std::to_string(at.m) + ": " + std::to_string(at.px) + "," +
                     std::to_string(at.py));
        setMagnification(at.m);
        placeBox(at.px, at.py);
        expectListsShow(sample, at.px, at.py);
        expectCaptured(sample, at.px, at.py);
    }
}

TEST_F(CaptureWindow, EveryCaptureChoosesNoneAgain) {
    const Canvas sample = pixmoth::sampleCanvas();
    const Canvas example = exampleCanvas();
    load(sample);
    const auto& ship = pixmoth::sampleMotifs().front();
    placeBox(ship.x, ship.y);
    // What the user does between two looks at the lists.
    enum class Act { ArrowInAList, Magnify2, Magnify1, LoadExample, MoveOntoExample, Generate };
    const struct {
        Act act;
        const Canvas* canvas; // the lists show its area; nullptr: not looked at
        int px, py;
    } cases[] = {
        {Act::ArrowInAList, &sample, ship.x + 24, ship.y},
        {Act::Magnify2, &sample, ship.x + 24, ship.y},
        {Act::Magnify1, &sample, ship.x + 24, ship.y},
        {Act::LoadExample, &example, ship.x + 24, ship.y},
        {Act::MoveOntoExample, &example, kExampleX, kExampleY},
        {Act::Generate, nullptr, kExampleX, kExampleY}, // the erase captures again
    };
    for (const auto& step : cases) {
        SCOPED_TRACE(int(step.act));
        // Something other than "[none]" in each list, a different one each.
        for (int i = 0; i < 3; ++i)
            lists()[std::size_t(i)]->setCurrentIndex(std::min(i + 1, lists()[0]->count() - 1));
        switch (step.act) {
        case Act::ArrowInAList: // released while a colour list has the focus
            arrow(c().cboCol2, Qt::Key_Right);
            break;
        case Act::Magnify2:
        case Act::Magnify1:
            setMagnification(step.act == Act::Magnify2 ? 2 : 1);
            break;
        case Act::LoadExample:
            load(example);
            break;
        case Act::MoveOntoExample:
            placeBox(kExampleX, kExampleY);
            break;
        case Act::Generate:
            generate();
            break;
        }
        if (step.canvas)
            expectListsShow(*step.canvas, step.px, step.py);
        for (const QComboBox* list : lists())
            EXPECT_EQ(list->currentIndex(), 0) << list->objectName().toStdString();
        EXPECT_EQ(window->capture().origin, (pixmoth::CaptureOrigin{step.px, step.py}));
    }
}

// Corners of the box in the picture area, hi-res (px, py) at magnification m.
std::array<QPoint, 4> frameCorners(int px, int py, int m) {
    const int x = px * m, y = py * m, right = m == 2 ? x + 47 : x + 23,
              bottom = m == 2 ? y + 41 : y + 20;
    return {QPoint(x, y), QPoint(right, y), QPoint(x, bottom), QPoint(right, bottom)};
}

TEST_F(CaptureWindow, FrameFlashesOverThePictureWithoutEnteringIt) {
    load(filledCanvas(kBlue));
    const QRgb blue = pixmoth::paletteQRgb(kBlue);
    // Black, dark, mid and light grey, yellow, white, and back, from wherever
    // the cycle stands; the tick after the tenth takes the first colour again.
    const int cycle[] = {0, 11, 12, 15, 7, 1, 7, 15, 12, 11};
    EXPECT_TRUE(c().Timer1->isActive());
    window->show(); // a tick during a rescale is made while the picture resizes
    for (int m : {1, 2}) {
        SCOPED_TRACE(m);
        setMagnification(m);
        // The new drawing carries no frame until the next tick.
        EXPECT_EQ(grabbedPicture(), c().picStd->image());
        placeBox(24, 21);
        const QImage kept = c().picStd->image();
        const int start = window->state().FlashStep;
        for (int tick = 0; tick < 11; ++tick) {
            const int step = window->state().FlashStep;
            window->DrawCaptureFrame();
            EXPECT_EQ(window->state().FlashStep, (step + 1) % 10);
            const QImage shot = grabbedPicture();
            for (const QPoint& corner : frameCorners(24, 21, m))
                EXPECT_EQ(shot.pixel(corner), pixmoth::paletteQRgb(cycle[(start + tick) % 10]))
                    << tick << " at " << corner.x() << "," << corner.y();
            // Past the arm's tip and inside the box: the picture.
            EXPECT_EQ(shot.pixel(24 * m + 4 * m + 1, 21 * m), blue);
            EXPECT_EQ(shot.pixel(24 * m + 1, 21 * m + 4 * m + 1), blue);
            EXPECT_EQ(shot.pixel(24 * m + 8, 21 * m + 8), blue);
        }
        EXPECT_EQ(c().picStd->image(), kept);
        EXPECT_EQ(kept, pixmoth::renderPicture(window->picture(), m));
        EXPECT_EQ(c().StatusBar1->text(),
                  QLatin1String("x=24, y=21, Align to grid = ON, Erase on capture = ON"));

        // The box moves on: the next tick removes the old frame.
        arrow(c().cmdGenerate, Qt::Key_Right);
        window->DrawCaptureFrame();
        const QImage moved = grabbedPicture();
        EXPECT_EQ(moved.pixel(frameCorners(24, 21, m)[0]), blue);
        EXPECT_NE(moved.pixel(frameCorners(48, 21, m)[0]), blue);
        EXPECT_EQ(c().StatusBar1->text(),
                  QLatin1String("x=48, y=21, Align to grid = ON, Erase on capture = ON"));

        // While the window rescales a tick draws nothing and keeps its step:
        // a frame drawn there would show the position at the new
        // magnification before the box has followed it.
        int ticks = 0;
        {
            const OnResize tick(c().picStd, [&] {
                const int step = window->state().FlashStep;
                window->DrawCaptureFrame();
                EXPECT_EQ(window->state().FlashStep, step);
                EXPECT_EQ(c().StatusBar1->text(),
                          QLatin1String("x=48, y=21, Align to grid = ON, Erase on capture = ON"));
                ++ticks;
            });
            setMagnification(3 - m);
        }
        EXPECT_GT(ticks, 0);
        setMagnification(m);
    }
}

TEST_F(CaptureWindow, GenerateShowsTheWorkedExampleWhollySelected) {
    load(exampleCanvas());
    c().mnuEraseOnCapture->trigger(); // off: the picture stays for both notations
    // Two steps right and two down with Align to grid: (48, 42).
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down})
        arrow(c().cboCol1, key);
    ASSERT_EQ(window->capture().origin, (pixmoth::CaptureOrigin{kExampleX, kExampleY}));
    const struct {
        int button;
        QString text;
        int length;
    } cases[] = {
        {0, hexText(QStringLiteral(".byte $55,$FF,$00,$00,$00,$00,$00,$00")), 310},
        {1, binaryText(QStringLiteral(".byte %01010101,%11111111,%00000000")), 792},
    };
    pixmoth::ResultWindow* first = nullptr;
    for (const auto& n : cases) {
        SCOPED_TRACE(n.button);
        ASSERT_EQ(n.text.size(), n.length);
        c().opbOutput[std::size_t(n.button)]->setChecked(true);
        choose(c().cboCol1, kWhite);
        choose(c().cboCol2, kRed);
        EXPECT_EQ(generate(), shown(n.text));
        pixmoth::ResultWindow* result = window->resultWindow();
        ASSERT_NE(result, nullptr);
        EXPECT_TRUE(result->isVisible());
        const QTextCursor cursor = result->output()->textCursor();
        EXPECT_EQ(cursor.selectedText().size(), result->output()->toPlainText().size());
        // The second press replaces the text in the same window.
        EXPECT_TRUE(first == nullptr || result == first);
        first = result;
    }
    // The same colour for $d025 and $d026: $d025 wins, 01.
    c().opbOutput[0]->setChecked(true);
    choose(c().cboCol1, kRed);
    choose(c().cboCol2, kRed);
    choose(c().cboCol3, kWhite);
    EXPECT_EQ(generate(), shown(hexText(QStringLiteral(".byte $AA,$55,$00,$00,$00,$00,$00,$00"))));
}

TEST_F(CaptureWindow, EraseOnCaptureClearsTheChosenColoursOnly) {
    for (const bool erase : {true, false}) {
        for (int m : {1, 2}) {
            SCOPED_TRACE(std::string(erase ? "erase" : "keep") + " at " + std::to_string(m));
            window = std::make_unique<MainWindow>(prompts);
            if (!erase)
                c().mnuEraseOnCapture->trigger();
            const Canvas canvas = exampleCanvas();
            load(canvas);
            setMagnification(m);
            placeBox(kExampleX, kExampleY);
            choose(c().cboCol1, kWhite); // red stays unchosen
            const Picture before = window->picture();
            const QImage shownBefore = c().picStd->image();
            const QImage previewBefore = c().picCapture->image();

            EXPECT_EQ(generate(),
                      shown(hexText(QStringLiteral(".byte $55,$00,$00,$00,$00,$00,$00,$00"))));
            const int white = kExampleX / 2 + 1, red = kExampleX / 2 + 5, row = kExampleY + 1;
            if (erase) {
                Canvas after = canvas;
                for (int p = 0; p < 4; ++p)
                    after.at(kExampleX / 2 + p, kExampleY) = kBlack;
                EXPECT_EQ(pixmoth::pixelColour(window->picture(), white, row), kBlack);
                EXPECT_EQ(pixmoth::pixelColour(window->picture(), red, row), kRed);
                EXPECT_EQ(c().picStd->image(), pixmoth::renderPicture(window->picture(), m));
                EXPECT_EQ(c().picStd->image().pixel(2 * m * (white - 1), m * (row - 1)),
                          pixmoth::paletteQRgb(kBlack));
                expectCaptured(after, kExampleX, kExampleY);
                expectListsShow(after, kExampleX, kExampleY);
                // At once again: every list at "[none]", 64 zero bytes.
                EXPECT_EQ(generate(), shown(hexText(QStringLiteral(".byte $00,$00,$00,$00,$00,$00,$00,$00"))));
                // What survived still encodes.
                choose(c().cboCol2, kRed);
                EXPECT_EQ(generate(),
                          shown(hexText(QStringLiteral(".byte $00,$FF,$00,$00,$00,$00,$00,$00"))));
            } else {
                EXPECT_EQ(window->picture(), before);
                EXPECT_EQ(c().picStd->image(), shownBefore);
                EXPECT_EQ(c().picCapture->image(), previewBefore);
                EXPECT_EQ(c().cboCol1->currentData().toString(), QLatin1String("col01"));
            }
        }
    }
}

TEST_F(CaptureWindow, EscapeClosesTheResultWindowAndTheNextPressOpensItAgain) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    // Before any picture: the lists are off, the area all black, 64 zero bytes.
    EXPECT_EQ(generate(), shown(hexText(QStringLiteral(".byte $00,$00,$00,$00,$00,$00,$00,$00"))));
    QPointer<pixmoth::ResultWindow> first = window->resultWindow();
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first->parentWidget(), window.get());
    // Beside the main window, not over its picture, and on the screen.
    EXPECT_GE(first->x(), window->frameGeometry().left() + c().picStd->width());
    EXPECT_TRUE(window->screen()->availableGeometry().contains(first->frameGeometry()));

    QTest::keyClick(first->output(), Qt::Key_Escape);
    settle();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(window->resultWindow(), nullptr);

    load(filledCanvas(kGreen));
    choose(c().cboCol3, kGreen); // 10 for every pixel
    EXPECT_TRUE(generate().startsWith(QLatin1String(".byte $AA,$AA,$AA,$AA,$AA,$AA,$AA,$AA\n")));
    ASSERT_NE(window->resultWindow(), nullptr);
    EXPECT_TRUE(window->resultWindow()->isVisible());
}

} // namespace
