// Pixmoth's main window as its user drives it: the menus, loading, the
// magnification, the arrow keys, the capture box with its colour lists and
// flashing frame, and the generate button.
#include "sprite/core/captureframe.h"
#include "sprite/core/decode.h"
#include "sprite/core/palette.h"
#include "sprite/sample/canvas.h"
#include "sprite/sample/samplepicture.h"
#include "sprite/ui/imagelist.h"
#include "sprite/ui/mainwindow.h"
#include "sprite/ui/pictureview.h"
#include "sprite/ui/windowlayout.h"
#include "testsupport/accessiblecheck.h"
#include "testsupport/controltable.h"
#include "testsupport/droptest.h"
#include "testsupport/pixmoth_window_driver.h"
#include "testsupport/recordingprompts.h"
#include "testsupport/testfiles.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using felgrove::PromptIcon;
using felgrove::test::Drag;
using pixmoth::Canvas;
using pixmoth::MainWindow;
using pixmoth::Picture;
using pixmoth::test::moveBoxTo;

constexpr int kBlack = 0, kWhite = 1, kRed = 2, kBlue = 6, kNone = 16;

// The worked example: the area's first row four "White", four "Red", four
// "Black", every other pixel black; the box at (48, 42) hi-res pixels.
constexpr int kExampleX = 48, kExampleY = 42;
Canvas exampleCanvas() {
    Canvas canvas;
    for (int p = 0; p < 4; ++p) {
        canvas.at(kExampleX / 2 + p, kExampleY) = kWhite;
        canvas.at(kExampleX / 2 + 4 + p, kExampleY) = kRed;
    }
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

class Window : public ::testing::Test {
protected:
    const pixmoth::MainControls& c() const { return window->controls(); }
    std::array<QComboBox*, 3> lists() const { return {c().cboCol1, c().cboCol2, c().cboCol3}; }
    template <typename T = QWidget> T* child(const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString write(const QByteArray& bytes) { return dir.write(bytes); }
    // File > Load with `path` as the dialog's answer.
    void load(const QString& path) {
        prompts.fileAnswers << path;
        c().mnuLoad->trigger();
    }
    void load(const Canvas& canvas) {
        Picture picture;
        ASSERT_TRUE(pixmoth::encodeCanvas(canvas, picture));
        load(write(pixmoth::pictureFileBytes(picture, 0x6000)));
        ASSERT_TRUE(window->state().PictureLoaded);
    }
    void setMagnification(int m) { (m == 1 ? c().mnu1x1 : c().mnu2x2)->trigger(); }
    void choose(QComboBox* list, int colour) {
        const int index = list->findData(pixmoth::colourKey(colour));
        ASSERT_GE(index, 0) << colour;
        list->setCurrentIndex(index);
    }
    // The first line of the text that Generate shows.
    QString generate() {
        c().cmdGenerate->click();
        if (!window->resultWindow())
            return QStringLiteral("(no result window)");
        return window->resultWindow()->output()->toPlainText().section(QLatin1Char('\n'), 0, 0);
    }
    QString status() const { return c().StatusBar1->text(); }
    const QImage& drawn() const { return c().picStd->image(); }
    QImage grabbedPicture() const {
        const QImage shot = c().picStd->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return shot.copy(c().picStd->pictureArea());
    }
    void show() {
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    felgrove::RecordingPrompts prompts;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(prompts);
    felgrove::test::ScratchFiles dir{QStringLiteral("picture %1.prg")};
};

const felgrove::test::Control kControls[] = {
    {"picStd", "client", nullptr, 0, nullptr, 0},
    {"Frame1", "client", nullptr, 0, nullptr, 0},
    {"picCapture", "Frame1", nullptr, 0, nullptr, 0},
    {"Frame3", "client", nullptr, 0, nullptr, 0},
    {"Label1", "Frame3", "$d025", 0, nullptr, 0},
    {"cboCol1", "Frame3", nullptr, 0, nullptr, 1},
    {"Label3", "Frame3", "$d026", 0, nullptr, 0},
    {"cboCol2", "Frame3", nullptr, 0, nullptr, 2},
    {"Label5", "Frame3", "$d027-2e", 0, nullptr, 0},
    {"cboCol3", "Frame3", nullptr, 0, nullptr, 3},
    {"Frame2", "client", "Output", 0, nullptr, 0},
    {"opbOutput0", "Frame2", "Hex", 0, nullptr, 4},
    {"opbOutput1", "Frame2", "Binary", 0, nullptr, 5},
    {"cmdGenerate", "client", "&Generate data tables", 'G', nullptr, 6},
    {"ProgressBar1", "client", nullptr, 0, nullptr, 0},
};

TEST_F(Window, EveryControlInItsPlace) {
    show();
    for (QComboBox* list : lists())
        list->setEnabled(true); // as a picture leaves them, to be tab stops
    felgrove::test::expectControls(window.get(), kControls);
}

// Each menu item in its menu, pressed by its shortcut on the window: Ctrl+L
// asks for a file (here cancelled: nothing loads), F1/F2 switch the
// magnification, F3/F4 untick their option and the status line says so.
TEST_F(Window, MenuShortcuts) {
    const struct {
        const char* name;
        const char* menu;
        const char* shortcut;
        bool checkable;
        int magnification;
        const char* status;
    } rows[] = {
        {"mnuLoad", "mnuFile", "Ctrl+L", false, 1, "Align to grid = ON, Erase on capture = ON"},
        {"mnu2x2", "mnuMagnification", "F2", false, 2, "Align to grid = ON, Erase on capture = ON"},
        {"mnu1x1", "mnuMagnification", "F1", false, 1, "Align to grid = ON, Erase on capture = ON"},
        {"mnuAlignToGrid", "mnuOptions", "F3", true, 1, "Align to grid = OFF, Erase on capture = ON"},
        {"mnuEraseOnCapture", "mnuOptions", "F4", true, 1, "Align to grid = OFF, Erase on capture = OFF"},
    };
    show();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto* action = child<QAction>(row.name);
        EXPECT_TRUE(child<QMenu>(row.menu)->actions().contains(action));
        EXPECT_EQ(action->isCheckable(), row.checkable);
        QTest::keySequence(window.get(), QKeySequence(QLatin1String(row.shortcut)));
        EXPECT_FALSE(action->isChecked());
        EXPECT_EQ(prompts.fileRequests.size(), 1u);
        EXPECT_EQ(window->state().Magnification, row.magnification);
        EXPECT_EQ(status(), QLatin1String(row.status));
    }
    EXPECT_FALSE(window->state().PictureLoaded);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(prompts.fileRequests[0].folder, QCoreApplication::applicationDirPath());
}

TEST_F(Window, AboutAndExit) {
    c().mnuAbout->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::None);
    window->show();
    c().mnuExit->trigger();
    EXPECT_FALSE(window->isVisible());
}

// Files loaded in turn by File > Load or dropped on the window or its
// picture: both picture sizes load and are drawn, the lists come on in the
// theme's entry colour and "[none]" chosen; any other size, or a file that
// cannot be read, is reported and the previous picture drawn again. A drag
// of anything but one local file is refused. Before any picture the lists
// are off in the window's colour.
TEST_F(Window, LoadsPicturesAndRefusesOtherFiles) {
    const struct {
        qint64 size;        // -1: a file that is not there
        const char* target; // where it is dropped ("" the window); nullptr: File > Load
        Drag drag;
        PromptIcon report;  // None: no message
        bool taken;         // the file becomes the picture
    } rows[] = {
        {10049, nullptr, Drag::OneLocalFile, PromptIcon::Information, false},
        {pixmoth::kShortPictureSize, nullptr, Drag::OneLocalFile, PromptIcon::None, true},
        {10242, "", Drag::OneLocalFile, PromptIcon::Information, false},
        {pixmoth::kLongPictureSize, "picStd", Drag::OneLocalFile, PromptIcon::None, true},
        {pixmoth::kShortPictureSize, "", Drag::OneLocalFile, PromptIcon::None, true},
        {pixmoth::kShortPictureSize, "", Drag::TwoFiles, PromptIcon::None, false},
        {pixmoth::kShortPictureSize, "picStd", Drag::RemoteAddress, PromptIcon::None, false},
        {pixmoth::kShortPictureSize, "", Drag::PlainText, PromptIcon::None, false},
        {0, nullptr, Drag::OneLocalFile, PromptIcon::Information, false},
        {-1, nullptr, Drag::OneLocalFile, PromptIcon::Warning, false},
    };
    Picture expected;
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        prompts.clear();
        for (QComboBox* list : lists())
            list->setCurrentIndex(list->count() - 1);
        const QByteArray bytes(std::max<qint64>(row.size, 0), char(17 * (&row - rows)));
        const QString path = row.size < 0 ? dir.filePath(QStringLiteral("gone.prg")) : write(bytes);
        if (row.target) {
            QWidget* target = *row.target ? child(row.target) : window.get();
            const auto mime = felgrove::test::dragData(row.drag, path);
            EXPECT_EQ(felgrove::test::dragAndDrop(target, mime.get()), row.drag == Drag::OneLocalFile);
        } else {
            load(path);
        }
        if (row.taken)
            pixmoth::readPictureBytes(bytes, expected);
        EXPECT_EQ(prompts.fileRequests.size(), row.target ? 0u : 1u);
        EXPECT_EQ(prompts.messages.size(), row.report == PromptIcon::None ? 0u : 1u);
        for (const auto& message : prompts.messages) {
            EXPECT_EQ(message.icon, row.report);
            EXPECT_EQ(message.text.contains(QDir::toNativeSeparators(path)), row.size < 0);
            Picture scratch; // and why
            EXPECT_TRUE(message.text.contains(pixmoth::readPictureFile(path, scratch).reason));
        }
        EXPECT_EQ(window->picture(), expected);
        const bool loaded = window->state().PictureLoaded;
        EXPECT_EQ(loaded, &row != rows);
        EXPECT_EQ(drawn(), pixmoth::renderPicture(expected, 1));
        EXPECT_TRUE(c().ProgressBar1->isHidden());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr); // the busy pointer is gone
        for (const QComboBox* list : lists()) {
            EXPECT_EQ(list->isEnabled(), loaded);
            // Each load captures again, even a refused one.
            EXPECT_EQ(list->currentIndex(), row.target && row.drag != Drag::OneLocalFile ? list->count() - 1 : 0);
            EXPECT_EQ(list->palette().color(QPalette::Base),
                      QApplication::palette().color(loaded ? QPalette::Base : QPalette::Button));
        }
    }
}

// A switch lays the window out for the new magnification and fits the
// window to it. Before any picture the box keeps its numbers (kept inside
// the picture); with one, the picture is drawn anew, the box follows and
// the lists capture again. The same magnification again changes nothing.
TEST_F(Window, MagnificationSwitches) {
    const struct {
        bool picture;
        int from, x, y; // the box's corner in picture pixels at `from`
        int to, toX, toY;
    } rows[] = {
        {false, 1, 4, 7, 2, 4, 7},    {false, 2, 296, 179, 1, 296, 179},
        {true, 2, 24, 3, 1, 24, 3},   {true, 2, 296, 179, 1, 296, 179},
        {true, 1, 24, 21, 2, 48, 42}, {true, 2, 24, 21, 2, 48, 42},
    };
    window->show();
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        if (row.picture && !window->state().PictureLoaded)
            load(pixmoth::sampleCanvas());
        setMagnification(row.from);
        moveBoxTo(*window, row.x, row.y);
        c().cboCol1->setCurrentIndex(c().cboCol1->count() - 1);
        const int chosen = c().cboCol1->currentIndex();
        setMagnification(row.to);
        QApplication::processEvents();
        EXPECT_EQ(window->state().CaptureX, row.toX);
        EXPECT_EQ(window->state().CaptureY, row.toY);
        EXPECT_FALSE(window->state().Rescaling);
        EXPECT_EQ(c().cboCol1->currentIndex(), row.picture && row.from != row.to ? 0 : chosen);
        EXPECT_EQ(c().Timer1->isActive(), row.picture); // nothing drawn without a picture
        if (row.picture) {
            EXPECT_EQ(drawn(), pixmoth::renderPicture(window->picture(), row.to));
        }
        const pixmoth::WindowLayout l = pixmoth::controlPlaces(
            row.to, 1.0, c().Frame1->width() - pixmoth::FramePlaces::kColumnWidth);
        EXPECT_EQ(c().picStd->geometry(), l.picStd);
        // Menu bar, client area and status bar, exactly.
        EXPECT_EQ(window->size(), QSize(l.client.width(), window->menuBar()->height() +
                                                              l.client.height() +
                                                              window->statusBar()->height()));
    }
}

// The arrows move the box whichever control has the focus, on the release:
// the press neither moves it nor changes a list's choice, and the capture
// the move makes chooses "[none]" again. Other keys move nothing.
TEST_F(Window, ArrowKeysMoveTheBoxWhicheverControlHasTheFocus) {
    QComboBox* list = c().cboCol1;
    load(filledCanvas(kBlack)); // the lists hold "[none]" and "Black"
    const struct {
        int x, y;
        Qt::Key key;
        const char* target;
        int toX, toY;
    } rows[] = {
        {0, 0, Qt::Key_Right, "cmdGenerate", 24, 0}, {24, 0, Qt::Key_Left, "opbOutput1", 0, 0},
        {0, 0, Qt::Key_Down, "opbOutput0", 0, 21},   {0, 21, Qt::Key_Up, "cboCol1", 0, 0},
        {0, 0, Qt::Key_Down, "picStd", 0, 21},     {24, 21, Qt::Key_A, "cboCol1", 24, 21},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        moveBoxTo(*window, row.x, row.y);
        list->setCurrentIndex(1);
        QWidget* target = child(row.target);
        QTest::keyPress(target, row.key);
        EXPECT_EQ(window->state().CaptureX, row.x);
        EXPECT_EQ(list->currentIndex(), 1);
        QTest::keyRelease(target, row.key);
        EXPECT_EQ(window->state().CaptureX, row.toX);
        EXPECT_EQ(window->state().CaptureY, row.toY);
        EXPECT_EQ(list->currentIndex(), row.key == Qt::Key_A ? 1 : 0);
        EXPECT_TRUE(c().opbOutput[0]->isChecked());
    }
    // A key held down repeats releases; only the real release moves.
    moveBoxTo(*window, 0, 0);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(list, &repeat);
    EXPECT_EQ(window->state().CaptureX, 0);
    // In the menu bar the arrows go from menu to menu.
    show();
    window->menuBar()->setFocus();
    QTest::keyClick(window->menuBar(), Qt::Key_Right);
    EXPECT_EQ(window->state().CaptureX, 0);
}

TEST_F(Window, ScreenReaderHearsWhatTheScreenShows) {
    moveBoxTo(*window, 72, 42);
    window->DrawCaptureFrame(); // a tick writes the position
    ASSERT_TRUE(status().startsWith(QLatin1String("x=72, y=42, ")));
    EXPECT_EQ(felgrove::test::misreadTexts(window.get()), "");
    c().cmdGenerate->click();
    ASSERT_NE(window->resultWindow(), nullptr);
    EXPECT_EQ(felgrove::test::misreadTexts(window->resultWindow()), "");
}

// Tab reaches each option button whichever is selected, and Space selects
// the one with the focus; a screen reader hears option buttons, the
// selected one checked.
TEST_F(Window, TabReachesBothOptionButtonsAndSpaceSelects) {
    show();
    load(filledCanvas(kBlack));
    QRadioButton* hex = c().opbOutput[0];
    QRadioButton* binary = c().opbOutput[1];
    for (QRadioButton* chosen : {binary, hex}) {
        chosen->setFocus();
        QTest::keyClick(chosen, Qt::Key_Space);
        EXPECT_TRUE(chosen->isChecked());
        EXPECT_NE(hex->isChecked(), binary->isChecked());
        EXPECT_EQ(felgrove::test::tabRound(c().cboCol3, 4),
                  "cboCol3 opbOutput0 opbOutput1 cmdGenerate");
        for (QRadioButton* button : {hex, binary}) {
            QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(button);
            ASSERT_NE(heard, nullptr);
            EXPECT_EQ(heard->role(), QAccessible::RadioButton);
            EXPECT_EQ(bool(heard->state().checked), button->isChecked());
        }
    }
}

// A colour list works as any list: Alt+Down, Alt+Up or Space opens it, and
// in the open list the arrows choose without moving the capture box; Return
// takes the colour, Escape leaves the choice as it was. Typing a colour's
// first letter chooses it, and F4 stays "Erase on capture".
TEST_F(Window, ColourListsWorkAsAnyList) {
    show();
    load(filledCanvas(kBlack));
    const struct {
        Qt::Key opener;
        Qt::KeyboardModifier modifier;
        Qt::Key closer;
        int chosen;
    } rows[] = {{Qt::Key_Down, Qt::AltModifier, Qt::Key_Return, 1},
                {Qt::Key_Up, Qt::AltModifier, Qt::Key_Escape, 0},
                {Qt::Key_Space, Qt::NoModifier, Qt::Key_Escape, 0}};
    QComboBox* list = c().cboCol2;
    list->setFocus();
    QAbstractItemView* open = list->view();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.opener);
        list->setCurrentIndex(0);
        QTest::keyClick(list, row.opener, row.modifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return open->isVisible(); }));
        QWidget* inOpenList = open->window()->focusWidget() ? open->window()->focusWidget() : open;
        QTest::keyClick(inOpenList, Qt::Key_Down);
        EXPECT_EQ(open->currentIndex().row(), 1);
        QTest::keyClick(inOpenList, row.closer);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !open->isVisible(); }));
        EXPECT_EQ(list->currentIndex(), row.chosen);
        EXPECT_EQ(window->state().CaptureY, 0);
    }
    list->setCurrentIndex(0);
    QTest::keyClicks(list, QStringLiteral("B"));
    EXPECT_EQ(list->currentText(), QLatin1String("Black"));
    QTest::keyClick(list, Qt::Key_F4);
    EXPECT_FALSE(window->state().EraseOnCapture);
    EXPECT_FALSE(open->isVisible());
}

// Each capture (a move, a switch of magnification, a new picture) shows the
// area under the box: the preview, and the same entries in the three
// lists, each with its colour's icon, "[none]" chosen again.
TEST_F(Window, ListsAndPreviewShowTheAreaUnderTheBox) {
    const Canvas sample = pixmoth::sampleCanvas(), example = exampleCanvas();
    const struct {
        const Canvas* load; // loaded with the box left where it is; nullptr: the box moves
        int m, px, py;
    } rows[] = {{&sample, 1, 0, 0},   {nullptr, 1, 6, 7},     {nullptr, 1, 296, 179},
                {nullptr, 2, 150, 93}, {&example, 2, 150, 93}, {nullptr, 1, kExampleX, kExampleY}};
    const Canvas* shown = nullptr;
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        for (QComboBox* list : lists())
            list->setCurrentIndex(list->count() - 1);
        setMagnification(row.m);
        if (row.load) {
            load(*row.load);
            shown = row.load;
        } else {
            moveBoxTo(*window, row.px, row.py);
        }
        const pixmoth::Capture& captured = window->capture();
        EXPECT_EQ(captured.origin, (pixmoth::CaptureOrigin{row.px, row.py}));
        for (int k = 1; k <= pixmoth::kCapturedPixels; ++k)
            ASSERT_EQ(captured.colours[std::size_t(k)],
                      shown->at(row.px / 2 + (k - 1) % 12, row.py + (k - 1) / 12)) << k;
        EXPECT_EQ(c().picCapture->image(), captured.preview);
        for (const QComboBox* list : lists()) {
            ASSERT_EQ(list->count(), captured.listEntries.size());
            EXPECT_EQ(list->currentIndex(), 0);
            for (int i = 0; i < list->count(); ++i) {
                const pixmoth::ColourListEntry& entry = captured.listEntries[i];
                EXPECT_EQ(list->itemData(i).toString(), entry.key);
                EXPECT_EQ(list->itemText(i), entry.text);
                EXPECT_EQ(list->itemIcon(i).pixmap(16, 16).toImage().convertToFormat(QImage::Format_RGB32),
                          pixmoth::ImageListImage(entry.image(),
                                                 list->palette().color(QPalette::Active, QPalette::Text).rgb())
                              .convertToFormat(QImage::Format_RGB32));
            }
        }
    }
}

// Each tick draws the frame over the shown picture in the next flashing
// colour, its marks outside the box's inside, and writes the position; the
// picture itself keeps no frame. A new drawing has none until the next
// tick, a move leaves none behind, and a tick while the window rescales
// draws nothing and keeps its step (it would show the box at the new
// magnification before the box has followed).
TEST_F(Window, FrameFlashesOverThePictureWithoutEnteringIt) {
    load(filledCanvas(kBlue));
    const QRgb blue = pixmoth::paletteQRgb(kBlue);
    window->show(); // a tick during a rescale is made while the picture resizes
    for (int m : {1, 2}) {
        SCOPED_TRACE(m);
        setMagnification(m);
        EXPECT_EQ(grabbedPicture(), c().picStd->image());
        moveBoxTo(*window, 24, 21);
        const QImage kept = c().picStd->image();
        for (int tick = 0; tick < 2; ++tick) {
            const int step = window->state().FlashStep;
            window->DrawCaptureFrame();
            EXPECT_EQ(window->state().FlashStep, (step + 1) % 10);
            const QImage shot = grabbedPicture();
            const QRgb frame = pixmoth::paletteQRgb(pixmoth::kFlashColours[std::size_t(step)]);
            EXPECT_EQ(shot.pixel(24 * m, 21 * m), frame);
            EXPECT_EQ(shot.pixel(48 * m - 1, 42 * m - 1), frame);
            EXPECT_EQ(shot.pixel(24 * m + 8, 21 * m + 8), blue);
        }
        EXPECT_EQ(c().picStd->image(), kept);
        EXPECT_EQ(c().StatusBar1->text(),
                  QLatin1String("x=24, y=21, Align to grid = ON, Erase on capture = ON"));

        pixmoth::test::pressArrow(c().cmdGenerate, Qt::Key_Right);
        window->DrawCaptureFrame();
        const QImage moved = grabbedPicture();
        EXPECT_EQ(moved.pixel(24 * m, 21 * m), blue);
        EXPECT_NE(moved.pixel(48 * m, 21 * m), blue);

        int ticks = 0;
        {
            const OnResize tick(c().picStd, [&] {
                const int step = window->state().FlashStep;
                const QString status = c().StatusBar1->text();
                window->DrawCaptureFrame();
                EXPECT_EQ(window->state().FlashStep, step);
                EXPECT_EQ(c().StatusBar1->text(), status);
                ++ticks;
            });
            setMagnification(3 - m);
        }
        EXPECT_GT(ticks, 0);
        setMagnification(m);
    }
}

// Generate makes the text from the notation button and the three lists,
// even before any picture (64 zero bytes), and shows it in one result
// window that belongs to the main window, beside it and on the screen. The
// worked example with "White" for $d025, "Red" for $d026, or "White" for
// $d027-2e:
TEST_F(Window, GenerateReadsTheNotationAndTheThreeLists) {
    const struct {
        int button;
        int colours[3];
        const char* firstLine;
    } rows[] = {
        {0, {kWhite, kRed, kNone}, ".byte $55,$FF,$00,$00,$00,$00,$00,$00"},
        {1, {kWhite, kRed, kNone}, ".byte %01010101,%11111111,%00000000"},
        {0, {kNone, kNone, kWhite}, ".byte $AA,$00,$00,$00,$00,$00,$00,$00"},
    };
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(generate(), QLatin1String(".byte $00,$00,$00,$00,$00,$00,$00,$00"));
    const pixmoth::ResultWindow* result = window->resultWindow();
    EXPECT_EQ(result->parentWidget(), window.get());
    EXPECT_GE(result->x(), window->frameGeometry().left() + c().picStd->width());
    EXPECT_TRUE(window->screen()->availableGeometry().contains(result->frameGeometry()));
    load(exampleCanvas());
    c().mnuEraseOnCapture->trigger(); // off: the picture stays for every row
    moveBoxTo(*window, kExampleX, kExampleY);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.firstLine);
        c().opbOutput[std::size_t(row.button)]->setChecked(true);
        for (std::size_t i = 0; i < 3; ++i)
            choose(lists()[i], row.colours[i]);
        EXPECT_EQ(generate(), QLatin1String(row.firstLine));
        EXPECT_EQ(window->resultWindow(), result);
        EXPECT_TRUE(result->isVisible());
    }
}

// With Erase on capture the chosen colours' pixels of the area turn black
// in the picture and on the screen, the unchosen ones stay, and the area is
// captured again; without, nothing changes.
TEST_F(Window, EraseOnCaptureClearsTheChosenColoursOnly) {
    const struct {
        bool erase;
        int m;
        int whiteBecomes;
        qsizetype entries; // in each list afterwards
        int chosen;        // in $d025's list afterwards
    } rows[] = {{true, 1, kBlack, 3, 0}, {true, 2, kBlack, 3, 0}, {false, 1, kWhite, 4, 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        window = std::make_unique<MainWindow>(prompts);
        if (!row.erase)
            c().mnuEraseOnCapture->trigger();
        load(exampleCanvas());
        setMagnification(row.m);
        moveBoxTo(*window, kExampleX, kExampleY);
        choose(c().cboCol1, kWhite); // red stays unchosen
        EXPECT_EQ(generate(), QLatin1String(".byte $55,$00,$00,$00,$00,$00,$00,$00"));
        const int white = kExampleX / 2 + 1, red = kExampleX / 2 + 5, row1 = kExampleY + 1;
        EXPECT_EQ(pixmoth::pixelColour(window->picture(), white, row1), row.whiteBecomes);
        EXPECT_EQ(pixmoth::pixelColour(window->picture(), red, row1), kRed);
        EXPECT_EQ(c().picStd->image(), pixmoth::renderPicture(window->picture(), row.m));
        EXPECT_EQ(window->capture().colours[1], row.whiteBecomes);
        EXPECT_EQ(c().cboCol1->count(), row.entries);
        EXPECT_EQ(c().cboCol1->currentIndex(), row.chosen);
    }
}

} // namespace
