// Pixmoth's main window as its user drives it: the menus, loading, the
// magnification, the arrow keys, the capture box with its colour lists and
// flashing frame, and the generate button.
#include "sprite/core/captureframe.h"
#include "sprite/sample/canvas.h"
#include "sprite/sample/samplepicture.h"
#include "sprite/ui/imagelist.h"
#include "sprite/ui/mainwindow.h"
#include "sprite/ui/pictureview.h"
#include "sprite/ui/windowlayout.h"
#include "testsupport/accessiblecheck.h"
#include "testsupport/controltable.h"
#include "testsupport/droptest.h"
#include "testsupport/recordingprompts.h"
#include "testsupport/testfiles.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using felgrove::PromptIcon;
using felgrove::test::Drag;
using pixmoth::Canvas;
using pixmoth::MainWindow;
using pixmoth::Picture;

constexpr int kBlack = 0, kWhite = 1, kRed = 2, kBlue = 6, kNone = 16;
constexpr qint64 kShort = pixmoth::kShortPictureSize, kLong = pixmoth::kLongPictureSize;

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
    // File > Load with `path` as the dialog's answer.
    void load(const QString& path) {
        prompts.fileAnswers << path;
        c().mnuLoad->trigger();
    }
    void load(const Canvas& canvas) {
        Picture picture;
        ASSERT_TRUE(pixmoth::encodeCanvas(canvas, picture));
        load(dir.write(pixmoth::pictureFileBytes(picture, 0x6000)));
        ASSERT_TRUE(window->state().PictureLoaded);
    }
    static void pressArrow(QWidget* target, Qt::Key key) {
        QTest::keyPress(target, key);
        QTest::keyRelease(target, key);
    }
    // Moves the box's corner to (px, py) picture pixels (px even) with the
    // arrow keys, by sprites aligned, then by pixels; every step captures.
    void moveBoxTo(int px, int py) {
        const bool aligned = c().mnuAlignToGrid->isChecked();
        const std::pair<Qt::Key, int> presses[] = {
            {Qt::Key_Left, 13},           {Qt::Key_Up, 9},
            {Qt::Key_Right, px / 24},     {Qt::Key_Down, py / 21},
            {Qt::Key_Right, px % 24 / 2}, {Qt::Key_Down, py % 21}};
        for (int i = 0; i < 6; ++i) {
            if (i == 4 || (i == 0 && !aligned))
                c().mnuAlignToGrid->trigger();
            for (int n = 0; n < presses[i].second; ++n)
                pressArrow(c().picStd, presses[i].first);
        }
        if (aligned)
            c().mnuAlignToGrid->trigger();
    }
    void setMagnification(int m) { (m == 1 ? c().mnu1x1 : c().mnu2x2)->trigger(); }
    void chooseLast() {
        for (QComboBox* list : lists())
            list->setCurrentIndex(list->count() - 1);
    }
    // The first line of the text that Generate shows.
    QString generate() {
        c().cmdGenerate->click();
        if (!window->resultWindow())
            return QStringLiteral("(no result window)");
        return window->resultWindow()->output()->toPlainText().section(QLatin1Char('\n'), 0, 0);
    }
    QString status() const { return c().StatusBar1->text(); }
    QPoint box() const { return {window->state().CaptureX, window->state().CaptureY}; }
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

// Each menu item, in its menu, by its shortcut: Ctrl+L asks for a file in the
// program's folder, F1/F2 switch the magnification, F3/F4 untick their option
// as the status line says. About shows a plain message; Exit closes.
TEST_F(Window, MenuItems) {
    const char *on = "Align to grid = ON, Erase on capture = ON", *mag = "mnuMagnification";
    const std::tuple<const char*, const char*, const char*, int, const char*> rows[] = {
        {"mnuLoad", "mnuFile", "Ctrl+L", 1, on},
        {"mnu2x2", mag, "F2", 2, on},
        {"mnu1x1", mag, "F1", 1, on},
        {"mnuAlignToGrid", "mnuOptions", "F3", 1, "Align to grid = OFF, Erase on capture = ON"},
        {"mnuEraseOnCapture", "mnuOptions", "F4", 1, "Align to grid = OFF, Erase on capture = OFF"},
    };
    show();
    for (const auto& [name, menu, keys, m, text] : rows) {
        auto* action = child<QAction>(name);
        EXPECT_TRUE(child<QMenu>(menu)->actions().contains(action)) << name;
        QTest::keySequence(window.get(), QKeySequence(QLatin1String(keys)));
        EXPECT_FALSE(action->isChecked()) << name;
        EXPECT_EQ(window->state().Magnification, m) << name;
        EXPECT_EQ(status(), QLatin1String(text));
    }
    ASSERT_EQ(prompts.fileRequests.size(), 1u);
    EXPECT_EQ(prompts.fileRequests[0].folder, QCoreApplication::applicationDirPath());
    EXPECT_FALSE(window->state().PictureLoaded);
    c().mnuAbout->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::None);
    c().mnuExit->trigger();
    EXPECT_FALSE(window->isVisible());
}

// Files loaded by File > Load (no target) or dropped on the window ("") or its
// picture: both sizes load and are drawn, the lists come on; any other size or
// an unreadable file (-1) is reported with why, and the last picture stays. A
// drag of anything but one local file is refused. Before any picture the
// picture is black and the lists are off in the window's colour.
TEST_F(Window, LoadsPicturesAndRefusesOtherFiles) {
    using enum PromptIcon;
    const std::tuple<qint64, const char*, Drag, PromptIcon> rows[] = {
        {10049, nullptr, Drag::OneLocalFile, Information},
        {kShort, nullptr, Drag::OneLocalFile, None},
        {10242, "", Drag::OneLocalFile, Information},
        {kLong, "picStd", Drag::OneLocalFile, None},
        {kShort, "", Drag::OneLocalFile, None},
        {kShort, "", Drag::TwoFiles, None},
        {kShort, "picStd", Drag::RemoteAddress, None},
        {kShort, "", Drag::PlainText, None},
        {-1, nullptr, Drag::OneLocalFile, Warning},
    };
    Picture expected, scratch;
    EXPECT_EQ(drawn(), pixmoth::renderPicture(expected, 1));
    int i = -1;
    for (const auto& [size, target, drag, report] : rows) {
        SCOPED_TRACE(++i);
        prompts.clear();
        chooseLast();
        const QByteArray bytes(std::max<qint64>(size, 0), char(17 * i));
        const QString path = size < 0 ? dir.filePath("gone.prg") : dir.write(bytes);
        const bool dropped = drag == Drag::OneLocalFile;
        if (target) {
            const auto mime = felgrove::test::dragData(drag, path);
            QWidget* on = *target ? child(target) : window.get();
            EXPECT_EQ(felgrove::test::dragAndDrop(on, mime.get()), dropped);
        } else {
            load(path);
        }
        if (dropped && report == None)
            pixmoth::readPictureBytes(bytes, expected);
        EXPECT_EQ(prompts.fileRequests.size(), target ? 0u : 1u);
        EXPECT_EQ(prompts.messages.size(), report == None ? 0u : 1u);
        for (const auto& message : prompts.messages) {
            EXPECT_EQ(message.icon, report);
            EXPECT_EQ(message.text.contains(QDir::toNativeSeparators(path)), size < 0);
            EXPECT_TRUE(message.text.contains(pixmoth::readPictureFile(path, scratch).reason));
        }
        EXPECT_EQ(window->picture(), expected);
        const bool loaded = window->state().PictureLoaded;
        EXPECT_EQ(loaded, i != 0);
        EXPECT_EQ(drawn(), pixmoth::renderPicture(expected, 1));
        EXPECT_TRUE(c().ProgressBar1->isHidden());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr); // the busy pointer is gone
        for (const QComboBox* list : lists()) {
            EXPECT_EQ(list->isEnabled(), loaded);
            // Each load captures again, even a refused one.
            EXPECT_EQ(list->currentIndex(), target && !dropped ? list->count() - 1 : 0);
            EXPECT_EQ(list->palette().color(QPalette::Base),
                      QApplication::palette().color(loaded ? QPalette::Base : QPalette::Button));
        }
    }
}

// A switch lays the window out anew and fits the window to it. Before any
// picture the box keeps its numbers; with one, the picture is drawn anew and
// the box follows. Each switch, move or new picture (loaded with the box left
// where it is) captures the area under the box: the preview, and in each list
// the entries with their icons, "[none]" chosen. The same magnification again
// changes nothing.
TEST_F(Window, MagnificationMovesAndPicturesCaptureTheAreaUnderTheBox) {
    const Canvas sample = pixmoth::sampleCanvas(), example = exampleCanvas();
    const std::tuple<const Canvas*, int, QPoint, int, QPoint> rows[] = {
        {nullptr, 1, {4, 7}, 2, {4, 7}},         {nullptr, 2, {296, 179}, 1, {296, 179}},
        {&sample, 1, {0, 0}, 1, {0, 0}},         {nullptr, 1, {6, 7}, 1, {6, 7}},
        {nullptr, 2, {24, 3}, 1, {24, 3}},       {nullptr, 2, {296, 179}, 1, {296, 179}},
        {nullptr, 1, {24, 21}, 2, {48, 42}},     {nullptr, 2, {24, 21}, 2, {48, 42}},
        {&example, 2, {150, 93}, 2, {300, 186}}, {nullptr, 1, {48, 42}, 1, {48, 42}},
    };
    window->show();
    for (const auto& [canvas, from, at, to, follows] : rows) {
        SCOPED_TRACE(testing::Message() << at.x() << "," << at.y() << " " << from << to);
        setMagnification(from);
        moveBoxTo(at.x(), at.y());
        chooseLast();
        if (canvas)
            load(*canvas);
        setMagnification(to);
        QApplication::processEvents();
        const bool picture = window->state().PictureLoaded;
        EXPECT_EQ(box(), follows);
        EXPECT_FALSE(window->state().Rescaling);
        for (const QComboBox* list : lists())
            EXPECT_EQ(list->currentIndex() == 0, picture && (from != to || canvas));
        EXPECT_EQ(c().Timer1->isActive(), picture); // nothing drawn without a picture
        EXPECT_TRUE(!picture || drawn() == pixmoth::renderPicture(window->picture(), to));
        const pixmoth::WindowLayout l = pixmoth::controlPlaces(
            to, 1.0, c().Frame1->width() - pixmoth::FramePlaces::kColumnWidth);
        EXPECT_EQ(c().picStd->geometry(), l.picStd);
        EXPECT_EQ(window->size(),
                  l.client + QSize(0, window->menuBar()->height() + window->statusBar()->height()));
        if (!picture)
            continue;
        const pixmoth::Capture want =
            pixmoth::captureArea(window->picture(), window->state().origin());
        EXPECT_EQ(window->capture().colours, want.colours);
        EXPECT_EQ(c().picCapture->image(), want.preview);
        for (const QComboBox* list : lists()) {
            ASSERT_EQ(list->count(), want.listEntries.size());
            const QRgb text = list->palette().color(QPalette::Active, QPalette::Text).rgb();
            for (int i = 0; i < list->count(); ++i) {
                const pixmoth::ColourListEntry& entry = want.listEntries[i];
                EXPECT_EQ(list->itemData(i).toString() + list->itemText(i), entry.key + entry.text);
                EXPECT_EQ(list->itemIcon(i).pixmap(16, 16).toImage().convertToFormat(
                              QImage::Format_RGB32),
                          pixmoth::ImageListImage(entry.image(), text)
                              .convertToFormat(QImage::Format_RGB32));
            }
        }
    }
}

// The arrows move the box whichever control has the focus, on the release;
// the press changes nothing and the capture chooses "[none]" again. Other
// keys, a held key's repeated releases and the arrows in the menu bar don't.
TEST_F(Window, ArrowKeysMoveTheBoxWhicheverControlHasTheFocus) {
    QComboBox* list = c().cboCol1;
    load(Canvas()); // the lists hold "[none]" and "Black"
    const std::tuple<QPoint, Qt::Key, const char*, QPoint> rows[] = {
        {{0, 0}, Qt::Key_Right, "cmdGenerate", {24, 0}},
        {{24, 0}, Qt::Key_Left, "opbOutput1", {0, 0}},
        {{0, 0}, Qt::Key_Down, "opbOutput0", {0, 21}},
        {{0, 21}, Qt::Key_Up, "cboCol1", {0, 0}},
        {{0, 0}, Qt::Key_Down, "picStd", {0, 21}},
        {{24, 21}, Qt::Key_A, "cboCol1", {24, 21}},
    };
    for (const auto& [from, key, target, to] : rows) {
        SCOPED_TRACE(target);
        moveBoxTo(from.x(), from.y());
        list->setCurrentIndex(1);
        QTest::keyPress(child(target), key);
        EXPECT_EQ(QPair(box(), list->currentIndex()), QPair(from, 1));
        QTest::keyRelease(child(target), key);
        EXPECT_EQ(QPair(box(), list->currentIndex()), QPair(to, key == Qt::Key_A ? 1 : 0));
        EXPECT_TRUE(c().opbOutput[0]->isChecked());
    }
    moveBoxTo(0, 0);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(list, &repeat);
    show();
    window->menuBar()->setFocus();
    QTest::keyClick(window->menuBar(), Qt::Key_Right);
    EXPECT_EQ(box(), QPoint(0, 0));
}

// A colour list works as any list: Alt+Down, Alt+Up or Space opens it, and
// in the open list the arrows choose without moving the capture box; Return
// takes the colour, Escape leaves the choice as it was. Typing a colour's
// first letter chooses it, and F4 stays "Erase on capture". Tab reaches each
// option button whichever is selected, and Space selects the one it is on.
TEST_F(Window, ListsAndOptionButtonsWorkAsAnyOthers) {
    show();
    load(Canvas());
    for (QRadioButton* chosen : {c().opbOutput[1], c().opbOutput[0]}) {
        chosen->setFocus();
        QTest::keyClick(chosen, Qt::Key_Space);
        EXPECT_TRUE(chosen->isChecked());
        EXPECT_EQ(felgrove::test::tabRound(c().cboCol3, 4),
                  "cboCol3 opbOutput0 opbOutput1 cmdGenerate");
    }
    const std::tuple<Qt::Key, Qt::KeyboardModifier, Qt::Key, int> rows[] = {
        {Qt::Key_Down, Qt::AltModifier, Qt::Key_Return, 1},
        {Qt::Key_Up, Qt::AltModifier, Qt::Key_Escape, 0},
        {Qt::Key_Space, Qt::NoModifier, Qt::Key_Escape, 0}};
    QComboBox* list = c().cboCol2;
    list->setFocus();
    QAbstractItemView* open = list->view();
    for (const auto& [opener, modifier, closer, chosen] : rows) {
        SCOPED_TRACE(opener);
        list->setCurrentIndex(0);
        QTest::keyClick(list, opener, modifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return open->isVisible(); }));
        QWidget* inOpenList = open->window()->focusWidget() ? open->window()->focusWidget() : open;
        QTest::keyClick(inOpenList, Qt::Key_Down);
        EXPECT_EQ(open->currentIndex().row(), 1);
        QTest::keyClick(inOpenList, closer);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !open->isVisible(); }));
        EXPECT_EQ(QPair(list->currentIndex(), box()), QPair(chosen, QPoint(0, 0)));
    }
    list->setCurrentIndex(0);
    QTest::keyClicks(list, QStringLiteral("B"));
    EXPECT_EQ(list->currentText(), QLatin1String("Black"));
    QTest::keyClick(list, Qt::Key_F4);
    EXPECT_FALSE(window->state().EraseOnCapture || open->isVisible());
}

// Each tick draws the frame over the shown picture (not into it) in the next
// flashing colour and writes the position. A new drawing has none until the
// next tick, a move leaves none behind, and a tick while the window rescales
// draws nothing (the box has not followed yet) and keeps its step.
TEST_F(Window, FrameFlashesOverThePictureWithoutEnteringIt) {
    Canvas canvas;
    canvas.pixels.fill(kBlue);
    load(canvas);
    const QRgb blue = pixmoth::paletteQRgb(kBlue);
    window->show(); // a tick during a rescale is made while the picture resizes
    for (int m : {1, 2}) {
        SCOPED_TRACE(m);
        setMagnification(m);
        EXPECT_EQ(grabbedPicture(), drawn());
        moveBoxTo(24, 21);
        const QImage kept = drawn();
        const int step = window->state().FlashStep;
        window->DrawCaptureFrame();
        EXPECT_EQ(window->state().FlashStep, (step + 1) % 10);
        const QImage shot = grabbedPicture();
        const QRgb frame = pixmoth::paletteQRgb(pixmoth::kFlashColours[std::size_t(step)]);
        EXPECT_EQ(QList<QRgb>({shot.pixel(24 * m, 21 * m), shot.pixel(48 * m - 1, 42 * m - 1),
                               shot.pixel(24 * m + 8, 21 * m + 8)}),
                  QList<QRgb>({frame, frame, blue}));
        EXPECT_EQ(drawn(), kept);
        EXPECT_EQ(felgrove::test::misreadTexts(window.get()), ""); // as a screen reader hears it
        EXPECT_EQ(status(), QLatin1String("x=24, y=21, Align to grid = ON, Erase on capture = ON"));
        pressArrow(c().cmdGenerate, Qt::Key_Right);
        window->DrawCaptureFrame();
        EXPECT_EQ(grabbedPicture().pixel(24 * m, 21 * m), blue);
        int ticks = 0;
        {
            const OnResize tick(c().picStd, [&] {
                const int step = window->state().FlashStep;
                const QString before = status();
                window->DrawCaptureFrame();
                EXPECT_EQ(QPair(window->state().FlashStep, status()), QPair(step, before));
                ++ticks;
            });
            setMagnification(3 - m);
        }
        EXPECT_GT(ticks, 0);
        setMagnification(m);
    }
}

// Generate makes the text from the notation and the lists, even before any
// picture, in one result window beside the main window, wholly selected and
// whole, in a font whose characters are all as wide (measured: fontconfig
// does not always tell QFontInfo that a font is fixed-pitch); Ctrl+C copies
// it. With Erase on capture the chosen colours' pixels turn black in the
// picture and on the screen and the area is captured again. The worked
// example, and what white becomes:
TEST_F(Window, GenerateReadsTheNotationAndTheListsAndErases) {
    const std::tuple<bool, int, int, std::array<int, 3>, const char*, int> rows[] = {
        {false, 1, 1, {kWhite, kRed, kNone}, ".byte %01010101,%11111111,%00000000", kWhite},
        {false, 2, 0, {kNone, kNone, kWhite}, ".byte $AA,$00,$00,$00,$00,$00,$00,$00", kWhite},
        {true, 2, 0, {kWhite, kNone, kNone}, ".byte $55,$00,$00,$00,$00,$00,$00,$00", kBlack},
    };
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(generate(), QLatin1String(".byte $00,$00,$00,$00,$00,$00,$00,$00"));
    pixmoth::ResultWindow* result = window->resultWindow();
    EXPECT_EQ(result->parentWidget(), window.get());
    EXPECT_GE(result->x(), window->frameGeometry().left() + c().picStd->width());
    EXPECT_TRUE(window->screen()->availableGeometry().contains(result->frameGeometry()));
    EXPECT_EQ(felgrove::test::misreadTexts(result), "");
    for (const auto& [erase, m, button, colours, firstLine, white] : rows) {
        SCOPED_TRACE(firstLine);
        if (window->state().EraseOnCapture != erase)
            c().mnuEraseOnCapture->trigger();
        load(exampleCanvas());
        setMagnification(m);
        moveBoxTo(kExampleX, kExampleY);
        c().opbOutput[std::size_t(button)]->setChecked(true);
        for (std::size_t i = 0; i < 3; ++i)
            lists()[i]->setCurrentIndex(lists()[i]->findData(pixmoth::colourKey(colours[i])));
        EXPECT_EQ(generate(), QLatin1String(firstLine));
        EXPECT_TRUE(window->resultWindow() == result && result->isVisible() && !result->isModal());
        QPlainTextEdit* text = result->output();
        EXPECT_EQ(text->textCursor().selectedText().size(), text->toPlainText().size());
        EXPECT_TRUE(result->width() >= 321 && result->height() >= 345);
        EXPECT_EQ(text->width(), result->width());
        EXPECT_EQ(text->horizontalScrollBar()->maximum() + text->verticalScrollBar()->maximum(), 0);
        const QFontMetrics metrics(text->font());
        EXPECT_EQ(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("$MW%"));
        QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text().replace("\r\n", "\n"), text->toPlainText());
        text->moveCursor(QTextCursor::Start); // the next press selects again
        const Picture& picture = window->picture();
        EXPECT_EQ(pixmoth::pixelColour(picture, kExampleX / 2 + 1, kExampleY + 1), white);
        EXPECT_EQ(pixmoth::pixelColour(picture, kExampleX / 2 + 5, kExampleY + 1), kRed);
        EXPECT_EQ(drawn(), pixmoth::renderPicture(picture, m));
        EXPECT_EQ(window->capture().colours[1], white);
        EXPECT_EQ(c().cboCol1->currentData(), pixmoth::colourKey(erase ? kNone : colours[0]));
    }
    // Escape, in the text box or on the window, closes and destroys the
    // window; other keys do not. The next press creates it again.
    for (bool inTextBox : {true, false}) {
        QWidget* target = window->resultWindow();
        if (inTextBox)
            target = window->resultWindow()->output();
        for (Qt::Key key : {Qt::Key_A, Qt::Key_Escape}) {
            QTest::keyRelease(target, key);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_EQ(window->resultWindow() == nullptr, key == Qt::Key_Escape);
        }
        EXPECT_EQ(generate(), QLatin1String(".byte $00,$00,$00,$00,$00,$00,$00,$00")); // erased
    }
}

} // namespace
