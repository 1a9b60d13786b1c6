// Pixmoth's main window as its user drives it: menus, loading, magnification, arrow keys, the
// capture box with its lists and flashing frame, and Generate.
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

#include <QTest>
#include <QtWidgets>
#include <gtest/gtest.h>

namespace {

using felgrove::test::Drag;
using pixmoth::Canvas;
using pixmoth::Picture;

constexpr int kBlack = 0, kWhite = 1, kRed = 2, kNone = 16;
constexpr qint64 kShort = pixmoth::kShortPictureSize, kLong = pixmoth::kLongPictureSize;
const QString kEmptyArea = QStringLiteral(".byte $00,$00,$00,$00,$00,$00,$00,$00");

// The worked example: the area's first row four "White", four "Red", four "Black", every
// other pixel black; the box at (48, 42) hi-res pixels.
constexpr int kExampleX = 48, kExampleY = 42;
Canvas exampleCanvas() {
    Canvas canvas;
    for (int p = 0; p < 8; ++p)
        canvas.at(kExampleX / 2 + p, kExampleY) = p < 4 ? kWhite : kRed;
    return canvas;
}

QImage rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// A tick each time the picture box resizes, as while the window rescales: it draws nothing (the
// box has not followed yet) and keeps its step.
struct TickOnResize : QObject {
    pixmoth::MainWindow* w;
    int ticks = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        const int step = w->state().FlashStep;
        if (event->type() == QEvent::Resize && ++ticks)
            w->DrawCaptureFrame();
        EXPECT_EQ(w->state().FlashStep, step);
        return false;
    }
};

class Window : public ::testing::Test {
protected:
    void SetUp() override {
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    const pixmoth::MainControls& c() const { return window->controls(); }
    std::array<QComboBox*, 3> lists() const { return {c().cboCol1, c().cboCol2, c().cboCol3}; }
    template <typename T = QWidget> T* child(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }
    void load(const QString& path) {
        prompts.fileAnswers << path;
        c().mnuLoad->trigger();
    }
    void load(const Canvas& canvas) {
        Picture picture;
        pixmoth::encodeCanvas(canvas, picture);
        load(dir.write(pixmoth::pictureFileBytes(picture, 0x6000)));
    }
    // Moves the box's corner to (px, py) picture pixels (px even) with the arrow keys, by
    // sprites as aligned to the grid, then by pixels; every step captures.
    void moveBoxTo(int px, int py) {
        const std::pair<Qt::Key, int> presses[] = {
            {Qt::Key_Left, 13},           {Qt::Key_Up, 9},
            {Qt::Key_Right, px / 24},     {Qt::Key_Down, py / 21},
            {Qt::Key_Right, px % 24 / 2}, {Qt::Key_Down, py % 21}};
        for (int i = 0; i < 7; ++i) {
            if (i == 4 || i == 6)
                c().mnuAlignToGrid->trigger();
            for (int n = 0; i < 6 && n < presses[i].second; ++n)
                QTest::keyClick(c().picStd, presses[i].first);
        }
    }
    void setMagnification(int m) { (m == 1 ? c().mnu1x1 : c().mnu2x2)->trigger(); }
    void chooseLast() {
        for (QComboBox* list : lists())
            list->setCurrentIndex(list->count() - 1);
    }
    // The first line of the text that Generate shows.
    QString generate() {
        c().cmdGenerate->click();
        return window->resultWindow()->output()->toPlainText().section(QLatin1Char('\n'), 0, 0);
    }
    QString status() const { return c().StatusBar1->text(); }
    QPoint box() const { return {window->state().CaptureX, window->state().CaptureY}; }
    const QImage& drawn() const { return c().picStd->image(); }
    QImage shown() const {
        return rgb(c().picStd->grab().toImage()).copy(c().picStd->pictureArea());
    }

    felgrove::RecordingPrompts prompts;
    std::unique_ptr<pixmoth::MainWindow> window = std::make_unique<pixmoth::MainWindow>(prompts);
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
    for (QComboBox* list : lists())
        list->setEnabled(true);         // as a picture leaves them, to be tab stops
    c().opbOutput[1]->setChecked(true); // both option buttons stay tab stops
    felgrove::test::expectControls(window.get(), kControls);
}

// Each menu item, in its menu, by its shortcut, and the status line after it; Ctrl+L asks in
// the program's folder. About shows a plain message (a cancelled Load none); Exit closes.
TEST_F(Window, MenuItems) {
    const char *on = "Align to grid = ON, Erase on capture = ON", *mag = "mnuMagnification";
    const std::tuple<const char*, const char*, const char*, int, const char*> rows[] = {
        {"mnuLoad", "mnuFile", "Ctrl+L", 1, on},
        {"mnu2x2", mag, "F2", 2, on},
        {"mnu1x1", mag, "F1", 1, on},
        {"mnuAlignToGrid", "mnuOptions", "F3", 1, "Align to grid = OFF, Erase on capture = ON"},
        {"mnuEraseOnCapture", "mnuOptions", "F4", 1, "Align to grid = OFF, Erase on capture = OFF"},
    };
    for (const auto& [name, menu, keys, m, text] : rows) {
        auto* action = child<QAction>(name);
        QTest::keySequence(window.get(), QKeySequence(QLatin1String(keys)));
        EXPECT_TRUE(child<QMenu>(menu)->actions().contains(action) && !action->isChecked()) << name;
        EXPECT_EQ(QPair(window->state().Magnification, status()), QPair(m, QString(text)));
    }
    c().mnuAbout->trigger();
    EXPECT_EQ(QPair(prompts.fileRequests.at(0).folder, prompts.messages.at(0).icon),
              QPair(QCoreApplication::applicationDirPath(), felgrove::PromptIcon::None));
    c().cmdGenerate->click(); // an open sprite output does not keep the program running
    ASSERT_TRUE(window->findChild<QWidget*>("frmResult")->isVisible());
    bool running = false;
    QTimer::singleShot(0, c().mnuExit, &QAction::trigger);
    QTimer::singleShot(10000, qApp, [&] { running = true, qApp->quit(); });
    QApplication::exec();
    EXPECT_FALSE(running || window->isVisible());
}

// Loaded (no target) or dropped on the window ("") or its picture: both sizes load and are
// drawn, the lists come on (before, off in the window's colour); another size or an unreadable
// file (-1) is reported and the last picture stays. Only one local file may be dropped.
TEST_F(Window, LoadsPicturesAndRefusesOtherFiles) {
    using enum felgrove::PromptIcon;
    const std::tuple<qint64, const char*, Drag, felgrove::PromptIcon> rows[] = {
        {10049, nullptr, Drag::OneLocalFile, Information},
        {kShort, nullptr, Drag::OneLocalFile, None},
        {10242, "", Drag::OneLocalFile, Information},
        {kLong, "picStd", Drag::OneLocalFile, None},
        {kShort, "", Drag::TwoFiles, None},
        {kShort, "picStd", Drag::RemoteAddress, None},
        {kShort, "", Drag::PlainText, None},
        {-1, nullptr, Drag::OneLocalFile, Warning},
    };
    Picture expected, scratch;
    for (int i = -1; const auto& [size, target, drag, report] : rows) {
        SCOPED_TRACE(++i);
        prompts.clear();
        chooseLast();
        const QByteArray bytes(std::max<qint64>(size, 0), char(17 * i));
        const QString path = size < 0 ? dir.filePath("gone.prg") : dir.write(bytes);
        const bool dropped = drag == Drag::OneLocalFile;
        if (QWidget* on = !target ? nullptr : *target ? child(target) : window.get())
            EXPECT_EQ(felgrove::test::dragAndDrop(on, felgrove::test::dragData(drag, path).get()),
                      dropped);
        else
            load(path);
        if (dropped && report == None)
            pixmoth::readPictureBytes(bytes, expected);
        EXPECT_EQ(QPair(prompts.fileRequests.size(), prompts.messages.size()),
                  QPair(target ? 0ul : 1ul, report == None ? 0ul : 1ul));
        const QString why = pixmoth::readPictureFile(path, scratch).reason;
        for (const auto& m : prompts.messages) // the file named only when it could not be read
            EXPECT_EQ(std::tuple(m.icon, m.text.contains(QDir::toNativeSeparators(path)),
                                 m.text.contains(why)),
                      std::tuple(report, size < 0, true));
        const bool loaded = window->state().PictureLoaded;
        EXPECT_EQ(QPair(window->picture() == expected, loaded), QPair(true, i != 0));
        EXPECT_EQ(drawn(), pixmoth::renderPicture(expected, 1));
        // The progress bar and the busy pointer are gone; each load captures, even a refused one.
        EXPECT_TRUE(c().ProgressBar1->isHidden() && !QApplication::overrideCursor());
        const QColor base =
            QApplication::palette().color(loaded ? QPalette::Base : QPalette::Button);
        for (const QComboBox* l : lists())
            EXPECT_EQ(
                std::tuple(l->isEnabled(), l->currentIndex(), l->palette().color(QPalette::Base)),
                std::tuple(loaded, target && !dropped ? l->count() - 1 : 0, base));
    }
}

// A switch lays the window out anew, draws the picture anew (no frame till the next tick) and
// the box follows (before any picture it keeps its numbers). Each switch, move or new picture
// captures the area under the box: preview, list entries with icons, "[none]" chosen. Each
// tick draws the frame over the shown picture (not into it) in the next flashing colour and
// writes the position; a move leaves no frame behind.
TEST_F(Window, MagnificationMovesAndPicturesCaptureTheAreaUnderTheBox) {
    const Canvas sample = pixmoth::sampleCanvas(), example = exampleCanvas();
    const std::tuple<const Canvas*, int, QPoint, int, QPoint> rows[] = {
        {nullptr, 1, {4, 7}, 2, {4, 7}},         {&sample, 1, {0, 0}, 1, {0, 0}},
        {nullptr, 1, {6, 7}, 1, {6, 7}},         {nullptr, 2, {24, 3}, 1, {24, 3}},
        {nullptr, 1, {24, 21}, 2, {48, 42}},     {nullptr, 2, {24, 21}, 2, {48, 42}},
        {&example, 2, {150, 93}, 2, {300, 186}},
    };
    TickOnResize tick;
    tick.w = window.get();
    c().picStd->installEventFilter(&tick);
    for (const auto& [canvas, from, at, to, follows] : rows) {
        SCOPED_TRACE(testing::Message() << at.x() << "," << at.y() << " " << from << to);
        setMagnification(from);
        moveBoxTo(at.x(), at.y());
        chooseLast();
        if (canvas)
            load(*canvas);
        tick.ticks = 0;
        setMagnification(to);
        QApplication::processEvents();
        const bool picture = window->state().PictureLoaded, fresh = from != to || canvas;
        EXPECT_EQ(QPair(box(), tick.ticks > 0), QPair(follows, from != to));
        for (const QComboBox* list : lists())
            EXPECT_EQ(list->currentIndex() == 0, picture && fresh);
        EXPECT_EQ(c().Timer1->isActive(), picture); // nothing drawn without a picture
        EXPECT_TRUE(!picture || drawn() == pixmoth::renderPicture(window->picture(), to));
        const int column = c().Frame1->width() - pixmoth::FramePlaces::kColumnWidth;
        const int bars = window->menuBar()->height() + window->statusBar()->height();
        EXPECT_EQ(window->size(), pixmoth::controlPlaces(to, 1.0, column).client + QSize(0, bars));
        if (!picture)
            continue;
        const auto want = pixmoth::captureArea(window->picture(), window->state().origin());
        EXPECT_EQ(QPair(window->capture().colours, c().picCapture->image()),
                  QPair(want.colours, want.preview));
        const QComboBox* list = c().cboCol1; // the three are filled alike
        ASSERT_EQ(list->count(), want.listEntries.size());
        const QRgb ink = list->palette().color(QPalette::Active, QPalette::Text).rgb();
        for (int i = 0; const pixmoth::ColourListEntry& e : want.listEntries) {
            EXPECT_EQ(list->itemData(i).toString() + list->itemText(i), e.key + e.text);
            EXPECT_EQ(rgb(list->itemIcon(i++).pixmap(16, 16).toImage()),
                      rgb(pixmoth::ImageListImage(e.image(), ink)));
        }
        EXPECT_TRUE(!fresh || shown() == drawn());
        const QImage kept = drawn();
        const int step = window->state().FlashStep;
        window->DrawCaptureFrame();
        EXPECT_EQ(QPair(window->state().FlashStep, drawn()), QPair((step + 1) % 10, kept));
        const QImage shot = shown();
        const QRgb frame = pixmoth::paletteQRgb(pixmoth::kFlashColours[std::size_t(step)]);
        const QPoint far = follows + QPoint(24 * to - 1, 21 * to - 1), in = follows + QPoint(8, 8);
        EXPECT_EQ(QList<QRgb>({shot.pixel(follows), shot.pixel(far), shot.pixel(in)}),
                  QList<QRgb>({frame, frame, kept.pixel(in)}));
        EXPECT_TRUE(status().startsWith(pixmoth::positionText(follows.x(), follows.y(), to)));
        QTest::keyClick(c().cmdGenerate, Qt::Key_Right);
        window->DrawCaptureFrame();
        EXPECT_EQ(shown().pixel(follows), kept.pixel(follows));
    }
    EXPECT_EQ(felgrove::test::misreadTexts(window.get()), ""); // as a screen reader hears it
}

// The arrows move the box whichever control has the focus, on the release (the capture
// chooses "[none]" again); not the press, other keys, a held key's repeats or the menu bar.
// Alt+Down or Alt+Up opens a colour list, whose arrows choose and leave the box alone; F4
// stays the menu's.
TEST_F(Window, KeyboardMovesTheBoxAndOpensTheLists) {
    QComboBox* list = c().cboCol1;
    load(Canvas()); // the lists hold "[none]" and "Black"
    const std::tuple<QPoint, Qt::Key, const char*, QPoint> moves[] = {
        {{0, 0}, Qt::Key_Right, "cmdGenerate", {24, 0}},
        {{24, 0}, Qt::Key_Left, "opbOutput1", {0, 0}},
        {{0, 0}, Qt::Key_Down, "opbOutput0", {0, 21}},
        {{0, 21}, Qt::Key_Up, "cboCol1", {0, 0}},
        {{24, 21}, Qt::Key_A, "cboCol1", {24, 21}},
    };
    for (const auto& [from, key, target, to] : moves) {
        moveBoxTo(from.x(), from.y());
        list->setCurrentIndex(1);
        QTest::keyPress(child(target), key);
        EXPECT_EQ(QPair(box(), list->currentIndex()), QPair(from, 1)) << target;
        QTest::keyRelease(child(target), key);
        EXPECT_EQ(std::tuple(box(), list->currentIndex(), c().opbOutput[0]->isChecked()),
                  std::tuple(to, key == Qt::Key_A ? 1 : 0, true));
    }
    moveBoxTo(0, 0);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(list, &repeat);
    window->menuBar()->setFocus();
    QTest::keyClick(window->menuBar(), Qt::Key_Right);
    EXPECT_EQ(box(), QPoint(0, 0));
    list = c().cboCol2;
    list->setFocus();
    QAbstractItemView* open = list->view();
    for (Qt::Key opener : {Qt::Key_Down, Qt::Key_Up}) {
        list->setCurrentIndex(0);
        QTest::keyClick(list, opener, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return open->isVisible(); })) << opener;
        QWidget* inOpenList = open->window()->focusWidget() ? open->window()->focusWidget() : open;
        QTest::keyClick(inOpenList, Qt::Key_Down);
        QTest::keyClick(inOpenList, Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !open->isVisible(); }));
        EXPECT_EQ(QPair(list->currentIndex(), box()), QPair(1, QPoint(0, 0))) << opener;
    }
    QTest::keyClick(list, Qt::Key_F4);
    EXPECT_FALSE(window->state().EraseOnCapture || open->isVisible());
}

// Generate, even before any picture, shows the text of the notation and the lists in one
// result window beside the main one, wholly selected, whole, in a font of even widths
// (measured: fontconfig may not call it fixed-pitch); Ctrl+C copies it. Erase on capture
// blackens the chosen colours in the picture and on the screen and captures again.
TEST_F(Window, GenerateReadsTheNotationAndTheListsAndErases) {
    const std::tuple<bool, int, int, std::array<int, 3>, const char*, int> rows[] = {
        {false, 1, 1, {kWhite, kRed, kBlack}, ".byte %01010101,%11111111,%10101010", kWhite},
        {true, 2, 0, {kWhite, kNone, kNone}, ".byte $55,$00,$00,$00,$00,$00,$00,$00", kBlack},
    };
    EXPECT_EQ(generate(), kEmptyArea);
    pixmoth::ResultWindow* result = window->resultWindow();
    EXPECT_TRUE(result->x() >= window->frameGeometry().left() + c().picStd->width() &&
                window->screen()->availableGeometry().contains(result->frameGeometry()));
    EXPECT_EQ(felgrove::test::misreadTexts(result), "");
    QPlainTextEdit* text = result->output();
    for (const auto& [erase, m, button, colours, firstLine, white] : rows) {
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
        EXPECT_EQ(text->textCursor().selectedText().size(), text->toPlainText().size());
        EXPECT_EQ(text->horizontalScrollBar()->maximum() + text->verticalScrollBar()->maximum(), 0);
        const QFontMetrics metrics(text->font());
        EXPECT_EQ(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("$MW%"));
        QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text().replace("\r\n", "\n"), text->toPlainText());
        text->moveCursor(QTextCursor::Start); // the next press selects again
        const Picture& picture = window->picture();
        EXPECT_EQ(std::tuple(pixmoth::pixelColour(picture, kExampleX / 2 + 1, kExampleY + 1),
                             window->capture().colours[1], c().cboCol1->currentData(), drawn()),
                  std::tuple(white, white, pixmoth::colourKey(erase ? kNone : colours[0]),
                             pixmoth::renderPicture(picture, m)))
            << firstLine;
    }
    for (bool inTextBox : {true, false}) { // Escape there or on the window closes it; A doesn't
        for (Qt::Key key : {Qt::Key_A, Qt::Key_Escape}) {
            result = window->resultWindow();
            QTest::keyRelease(inTextBox ? static_cast<QWidget*>(result->output()) : result, key);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_EQ(window->resultWindow() == nullptr, key == Qt::Key_Escape);
        }
        EXPECT_EQ(generate(), kEmptyArea); // made again; the area was erased
    }
}

} // namespace
