#include "platform/testing.h"
#include "sprite/core/decode.h"
#include "sprite/ui/mainwindow.h"
#include "sprite/ui/pictureview.h"
#include "sprite/ui/texts.h"
#include "sprite/ui/windowlayout.h"
#include "testsupport/accessiblecheck.h"
#include "testsupport/droptest.h"
#include "testsupport/pixmoth_window_driver.h"
#include "testsupport/recordingprompts.h"
#include "testsupport/testfiles.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

using felgrove::PromptIcon;
using pixmoth::MainWindow;
using pixmoth::Picture;
using pixmoth::test::moveBoxTo;

QByteArray randomBytes(qint64 size, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char(random.bounded(256));
    return bytes;
}

class Window : public ::testing::Test {
protected:
    template <typename T = QWidget> T* child(const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString write(const QByteArray& bytes) { return dir.write(bytes); }
    // File > Load with `path` as the dialog's answer.
    void load(const QString& path) {
        prompts.fileAnswers << path;
        window->controls().mnuLoad->trigger();
    }
    void setMagnification(int m) {
        (m == 1 ? window->controls().mnu1x1 : window->controls().mnu2x2)->trigger();
    }
    // A picture all of black: the lists hold "[none]" and "Black".
    void loadBlackPicture() { load(write(QByteArray(pixmoth::kShortPictureSize, '\0'))); }
    QString status() const { return window->controls().StatusBar1->text(); }
    const QImage& drawn() const { return window->controls().picStd->image(); }

    felgrove::RecordingPrompts prompts;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(prompts);
    felgrove::test::ScratchFiles dir{QStringLiteral("picture %1.prg")};
};

TEST_F(Window, StartsWithEveryControlInItsPlace) {
    EXPECT_EQ(window->windowTitle(), QLatin1String("Pixmoth -  Coded by Marrok/Felgrove"));
    EXPECT_EQ(window->objectName(), QLatin1String("frmMain"));
    const std::pair<const char*, const char*> parents[] = {
        {"picStd", "client"},     {"Frame1", "client"},      {"picCapture", "Frame1"},
        {"Frame3", "client"},     {"Label1", "Frame3"},      {"cboCol1", "Frame3"},
        {"Label3", "Frame3"},     {"cboCol2", "Frame3"},     {"Label5", "Frame3"},
        {"cboCol3", "Frame3"},    {"Frame2", "client"},      {"opbOutput0", "Frame2"},
        {"opbOutput1", "Frame2"}, {"cmdGenerate", "client"}, {"ProgressBar1", "client"}};
    for (const auto& [name, parent] : parents) {
        const QWidget* w = child(name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(parent)) << name;
        // Controls without a text of their own are named for screen readers.
        if (!qobject_cast<const QLabel*>(w) && !qobject_cast<const QGroupBox*>(w)) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << name;
        }
    }
    const std::pair<const char*, const char*> captions[] = {
        {"Label1", "$d025"}, {"Label3", "$d026"}, {"Label5", "$d027-2e"}};
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(child<QLabel>(name)->text(), QLatin1String(caption));
    EXPECT_EQ(child<QLabel>("Label3")->buddy(), child("cboCol2"));
    EXPECT_EQ(child<QRadioButton>("opbOutput0")->text(), QLatin1String("Hex"));
    EXPECT_TRUE(child<QRadioButton>("opbOutput0")->isChecked());
    EXPECT_EQ(child<QRadioButton>("opbOutput1")->text(), QLatin1String("Binary"));
    EXPECT_EQ(child<QGroupBox>("Frame2")->title(), QLatin1String("Output"));
    EXPECT_EQ(child<QPushButton>("cmdGenerate")->text(), QLatin1String("&Generate data tables"));
    EXPECT_EQ(child<QPushButton>("cmdGenerate")->accessibleName(),
              QLatin1String("Generate data tables"));
    EXPECT_EQ(child("picCapture")->size(), QSize(72, 63));

    for (const char* name : {"cboCol1", "cboCol2", "cboCol3"}) {
        const auto* list = child<QComboBox>(name);
        EXPECT_FALSE(list->isEnabled()) << name;
        EXPECT_EQ(list->palette().color(QPalette::Disabled, QPalette::Base),
                  QApplication::palette().color(QPalette::Button));
        EXPECT_EQ(list->iconSize(), QSize(16, 16));
    }
    EXPECT_EQ(window->controls().ImageList1.size(), 17u);
    EXPECT_FALSE(window->controls().ImageList1[16].isNull());
    EXPECT_TRUE(child("ProgressBar1")->isHidden());
    const QTimer* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_EQ(status(), QLatin1String("Align to grid = ON, Erase on capture = ON"));
    EXPECT_FALSE(window->state().PictureLoaded);
    EXPECT_EQ(window->state().Magnification, 1);
}

TEST_F(Window, MenusWithCaptionsShortcutsAndCheckMarks) {
    const struct {
        const char* name;
        const char* caption;
        const char* shortcut;
        bool checkable;
        const char* menu;
    } items[] = {{"mnuLoad", "&Load", "Ctrl+L", false, "mnuFile"},
                 {"mnu1x1", "1x1", "F1", false, "mnuMagnification"},
                 {"mnu2x2", "2x2", "F2", false, "mnuMagnification"},
                 {"mnuExit", "&Exit", "", false, "mnuFile"},
                 {"mnuAlignToGrid", "Align to grid", "F3", true, "mnuOptions"},
                 {"mnuEraseOnCapture", "Erase on capture", "F4", true, "mnuOptions"},
                 {"mnuAbout", "&About", "", false, "mnuHelp"}};
    for (const auto& item : items) {
        const QAction* action = window->findChild<QAction*>(QLatin1String(item.name));
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), QLatin1String(item.caption));
        EXPECT_EQ(action->shortcut(), QKeySequence(QLatin1String(item.shortcut))) << item.name;
        EXPECT_EQ(action->isCheckable(), item.checkable) << item.name;
        EXPECT_EQ(action->isChecked(), item.checkable) << item.name; // both options on
        const QMenu* menu = child<QMenu>(item.menu);
        EXPECT_TRUE(menu->actions().contains(const_cast<QAction*>(action))) << item.name;
    }
    const std::pair<const char*, const char*> menus[] = {{"mnuFile", "&File"},
                                                         {"mnuMagnification", "&Magnification"},
                                                         {"mnuOptions", "&Options"},
                                                         {"mnuHelp", "&Help"}};
    for (const auto& [name, title] : menus)
        EXPECT_EQ(child<QMenu>(name)->title(), QLatin1String(title));
    QStringList bar;
    for (const QAction* a : window->menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, QStringList({"&File", "&Options", "&Help"}));
    // File: Load, Magnification, a separator line, Exit.
    const QList<QAction*> file = child<QMenu>("mnuFile")->actions();
    ASSERT_EQ(file.size(), 4);
    EXPECT_EQ(file[1]->menu(), child<QMenu>("mnuMagnification"));
    EXPECT_TRUE(file[2]->isSeparator());
}

TEST_F(Window, ShortcutKeysReachTheirCommands) {
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F3);
    EXPECT_FALSE(window->state().AlignToGrid);
    QTest::keyClick(window.get(), Qt::Key_F4);
    EXPECT_EQ(status(), QLatin1String("Align to grid = OFF, Erase on capture = OFF"));
    QTest::keyClick(window.get(), Qt::Key_F2);
    EXPECT_EQ(window->state().Magnification, 2);
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(window->state().Magnification, 1);
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(prompts.fileRequests.size(), 1u);
}

TEST_F(Window, OptionTogglesAndTheStatusText) {
    QAction* align = window->controls().mnuAlignToGrid;
    align->trigger();
    EXPECT_FALSE(align->isChecked());
    EXPECT_FALSE(window->state().AlignToGrid);
    EXPECT_EQ(status(), QLatin1String("Align to grid = OFF, Erase on capture = ON"));
    align->trigger();
    EXPECT_TRUE(window->state().AlignToGrid);
    EXPECT_EQ(status(), QLatin1String("Align to grid = ON, Erase on capture = ON"));

    window->controls().mnuEraseOnCapture->trigger();
    EXPECT_FALSE(window->state().EraseOnCapture);
    EXPECT_EQ(status(), QLatin1String("Align to grid = ON, Erase on capture = OFF"));

    // Once the timer has written the position, it leads the line.
    moveBoxTo(*window, 4, 7);
    window->DrawCaptureFrame();
    EXPECT_EQ(status(), QLatin1String("x=4, y=7, Align to grid = ON, Erase on capture = OFF"));
    window->controls().mnuEraseOnCapture->trigger();
    EXPECT_EQ(status(), QLatin1String("x=4, y=7, Align to grid = ON, Erase on capture = ON"));
}

TEST_F(Window, AboutAndExit) {
    window->controls().mnuAbout->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, QLatin1String("Pixmoth"));
    EXPECT_EQ(prompts.messages[0].text,
              QLatin1String("Pixmoth 1.0 by Marrok/Felgrove.\r\n\r\nThis is a cross-assembly tool "
                            "used to convert bitmap into sprite data.\r\n\r\nDon't forget to "
                            "visit https://felgrove.example.org for more tools and artwork."));

    window->show();
    window->controls().mnuExit->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Window, LoadAsksForAPrgFileAndACancelChangesNothing) {
    window->controls().mnuLoad->trigger(); // no answer queued: a cancel
    ASSERT_EQ(prompts.fileRequests.size(), 1u);
    EXPECT_EQ(prompts.fileRequests[0].title, QLatin1String("Select Bitmap-file"));
    EXPECT_EQ(prompts.fileRequests[0].filter, QLatin1String("PRG-files (*.prg)"));
    EXPECT_EQ(prompts.fileRequests[0].folder, QCoreApplication::applicationDirPath());
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_FALSE(window->state().PictureLoaded);
    EXPECT_FALSE(window->controls().Timer1->isActive());
    EXPECT_FALSE(window->controls().cboCol1->isEnabled());
}

TEST_F(Window, LoadsBothPictureSizesAndDrawsThem) {
    for (qint64 size : {pixmoth::kShortPictureSize, pixmoth::kLongPictureSize}) {
        SCOPED_TRACE(size);
        const QByteArray bytes = randomBytes(size, quint32(size));
        load(write(bytes));
        EXPECT_TRUE(prompts.messages.empty());
        Picture expected;
        pixmoth::readPictureBytes(bytes, expected);
        EXPECT_EQ(window->picture(), expected);
        EXPECT_TRUE(window->state().PictureLoaded);
        for (const QComboBox* list :
             {window->controls().cboCol1, window->controls().cboCol2, window->controls().cboCol3}) {
            EXPECT_TRUE(list->isEnabled());
            EXPECT_EQ(list->palette().color(QPalette::Base),
                      QApplication::palette().color(QPalette::Base));
        }
        EXPECT_EQ(drawn(), pixmoth::renderPicture(expected, 1));
        EXPECT_TRUE(window->controls().Timer1->isActive());
        EXPECT_TRUE(window->controls().ProgressBar1->isHidden());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr); // the busy pointer is gone
    }
}

TEST_F(Window, RefusesFilesOfAnyOtherSize) {
    const QByteArray good = randomBytes(pixmoth::kShortPictureSize, 7);
    load(write(good));
    const Picture before = window->picture();
    const QImage shown = drawn();
    for (qint64 size : {0, 2, 10049, 10051, 10240, 10242, 3 * 1024 * 1024}) {
        SCOPED_TRACE(size);
        prompts.clear();
        load(write(randomBytes(size, 99)));
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Information);
        EXPECT_EQ(prompts.messages[0].title, QLatin1String("Pixmoth"));
        EXPECT_EQ(prompts.messages[0].text,
                  QLatin1String("Felaktig filstorlek. Bitmap/PRG-fil ska vara 10050 eller "
                                "10241 bytes"));
        EXPECT_EQ(window->picture(), before);
        EXPECT_EQ(drawn(), shown); // the previous picture drawn again
    }
}

struct PictureDrop {
    felgrove::test::Drag drag;
    bool taken;
};

class DropOnWindow : public Window, public ::testing::WithParamInterface<PictureDrop> {};

// A picture dropped anywhere on the window loads as by File > Load, with the
// same message for a wrong size; anything but one local file is refused.
TEST_P(DropOnWindow, LoadsOneLocalFileAsFileLoadDoes) {
    const QByteArray bytes = randomBytes(pixmoth::kShortPictureSize, 11);
    const QString good = write(bytes);
    const QString wrongSize = write(QByteArray(10049, '\1'));
    for (QWidget* target :
         {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(window->controls().picStd)}) {
        for (const QString& path : {wrongSize, good}) {
            prompts.clear();
            const auto mime = felgrove::test::dragData(GetParam().drag, path);
            EXPECT_EQ(felgrove::test::dragAndDrop(target, mime.get()), GetParam().taken);
            EXPECT_EQ(prompts.messages.size(), GetParam().taken && path == wrongSize ? 1u : 0u);
        }
        EXPECT_EQ(window->state().PictureLoaded, GetParam().taken);
        EXPECT_TRUE(prompts.fileRequests.empty()); // no dialog
    }
    Picture expected;
    if (GetParam().taken)
        pixmoth::readPictureBytes(bytes, expected);
    EXPECT_EQ(window->picture(), expected);
}

using felgrove::test::Drag;
INSTANTIATE_TEST_SUITE_P(Drops, DropOnWindow,
                         ::testing::Values(PictureDrop{Drag::OneLocalFile, true},
                                           PictureDrop{Drag::TwoFiles, false},
                                           PictureDrop{Drag::RemoteAddress, false},
                                           PictureDrop{Drag::PlainText, false}));

TEST_F(Window, AWrongSizeBeforeAnyPictureLeavesTheListsOff) {
    load(write(QByteArray(10049, '\1')));
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_FALSE(window->state().PictureLoaded);
    EXPECT_FALSE(window->controls().cboCol2->isEnabled());
    EXPECT_EQ(window->picture(), Picture());
}

TEST_F(Window, ReportsFilesThatCannotBeRead) {
    load(write(randomBytes(pixmoth::kLongPictureSize, 3)));
    const Picture before = window->picture();
    const QString missing = dir.filePath(QStringLiteral("gone.prg"));
    const QString folder = dir.filePath(QStringLiteral("folder.prg"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.prg")));
    // A FIFO (and a link to one) would block the opening for good, and a
    // device that never ends would never finish the reading.
    const QString fifo = dir.filePath(QStringLiteral("pipe.prg"));
    ASSERT_TRUE(felgrove::platform::testing::makeFifo(fifo.toUtf8().constData()));
    const QString link = dir.filePath(QStringLiteral("link.prg"));
    ASSERT_TRUE(QFile::link(fifo, link));
    const QString tooLong = dir.filePath(QString(300, QLatin1Char('n')));
    for (const QString& path :
         {missing, folder, fifo, link, QStringLiteral("/dev/zero"), tooLong}) {
        SCOPED_TRACE(path.toStdString());
        prompts.clear();
        load(path);
        ASSERT_EQ(prompts.messages.size(), 1u);
        const auto& m = prompts.messages[0];
        EXPECT_EQ(m.icon, PromptIcon::Warning);
        EXPECT_EQ(m.title, QLatin1String("Pixmoth"));
        EXPECT_TRUE(m.text.contains(QDir::toNativeSeparators(path))) << m.text.toStdString();
        EXPECT_GT(m.text.size(), QDir::toNativeSeparators(path).size() + 30); // and why
        EXPECT_EQ(window->picture(), before);
        EXPECT_TRUE(window->state().PictureLoaded);
    }
}

// The worked example in the top-left cell and a last cell of other colours:
// the drawn boxes at both magnifications.
TEST_F(Window, DrawsEachMulticolourPixelAsABoxAtBothMagnifications) {
    QByteArray bytes(pixmoth::kShortPictureSize, '\0');
    bytes[2] = char(0x35);     // colour RAM of cell 1: low nibble 5, "Green"
    bytes[1026] = char(0x2f);  // screen RAM of cell 1: "Red" and "L Grey"
    bytes[2050] = char(0x1b);  // bitmap byte 1: pairs 00, 01, 10, 11
    bytes[1001] = char(0xf7);  // colour RAM of cell 1000: "Yellow"
    bytes[10049] = char(0x03); // bitmap byte 8000: pair 4 is 11
    load(write(bytes));
    const QRgb black = qRgb(0, 0, 0), red = qRgb(137, 64, 54), grey = qRgb(171, 171, 171),
               green = qRgb(104, 169, 65), yellow = qRgb(208, 220, 113);
    for (int m : {1, 2}) {
        SCOPED_TRACE(m);
        setMagnification(m);
        ASSERT_EQ(drawn().size(), QSize(320 * m, 200 * m));
        const QRgb row0[] = {black, red, grey, green};
        for (int x = 0; x < 8 * m; ++x)
            for (int y = 0; y < m; ++y)
                EXPECT_EQ(drawn().pixel(x, y), row0[x / (2 * m)]) << x << "," << y;
        // Multicolour pixel (160, 200): 2M x M pixels in the far corner.
        const QRect last(2 * m * 159, m * 199, 2 * m, m);
        for (int x = last.left(); x <= last.right(); ++x)
            for (int y = last.top(); y <= last.bottom(); ++y)
                EXPECT_EQ(drawn().pixel(x, y), yellow) << x << "," << y;
        EXPECT_EQ(drawn().pixel(last.left() - 1, last.top()), black);
        EXPECT_EQ(drawn().pixel(last.left(), last.top() - 1), black);
    }
    // A random picture at magnification 2 is drawn as the decoding rule says.
    const QByteArray random = randomBytes(pixmoth::kLongPictureSize, 5);
    load(write(random));
    Picture expected;
    pixmoth::readPictureBytes(random, expected);
    EXPECT_EQ(drawn(), pixmoth::renderPicture(expected, 2));
}

TEST_F(Window, ArrangeControlsFitsTheWindowAtBothMagnifications) {
    window->show();
    for (int m : {1, 2, 1}) {
        SCOPED_TRACE(m);
        setMagnification(m);
        QApplication::processEvents();
        const pixmoth::WindowLayout l = pixmoth::controlPlaces(m);
        const MainWindow& w = *window;
        EXPECT_EQ(w.controls().picStd->geometry(), l.picStd);
        EXPECT_EQ(w.controls().Frame1->geometry(), l.Frame1);
        EXPECT_EQ(w.controls().Frame3->geometry(), l.Frame3);
        EXPECT_EQ(w.controls().Frame2->geometry(), l.Frame2);
        EXPECT_EQ(w.controls().cmdGenerate->geometry(), l.cmdGenerate);
        EXPECT_EQ(w.controls().ProgressBar1->geometry(), l.ProgressBar1);
        EXPECT_EQ(w.centralWidget()->size(), l.client);
        // Menu bar, client area and status bar, exactly.
        EXPECT_EQ(w.size(), QSize(l.client.width(), w.menuBar()->height() + l.client.height() +
                                                        w.statusBar()->height()));
        EXPECT_EQ(w.centralWidget()->y(), w.menuBar()->height());
    }
}

TEST_F(Window, MagnificationRules) {
    const QRect small = window->controls().picStd->geometry();
    setMagnification(1); // already 1: nothing, not even a new layout
    EXPECT_EQ(window->controls().picStd->geometry(), small);

    // Before any picture, 2x2 only re-lays out the window.
    moveBoxTo(*window, 4, 7);
    setMagnification(2);
    EXPECT_EQ(window->controls().picStd->size(), QSize(642, 402));
    EXPECT_EQ(window->state().CaptureX, 4);
    EXPECT_EQ(window->state().CaptureY, 7);
    EXPECT_FALSE(window->controls().Timer1->isActive()); // nothing drawn
    EXPECT_FALSE(window->state().Rescaling);

    // With a picture the box follows: halved going down. (The keys reach only
    // even positions at 2x2; odd ones halve to the even neighbour, which the
    // Rescale tests hold.)
    load(write(randomBytes(pixmoth::kShortPictureSize, 11)));
    const struct {
        int x, y, toX, toY;
    } halves[] = {{48, 6, 24, 3}, {12, 42, 6, 21}, {592, 358, 296, 179}};
    for (const auto& h : halves) {
        setMagnification(2);
        moveBoxTo(*window, h.x / 2, h.y / 2);
        ASSERT_EQ(window->state().CaptureX, h.x);
        ASSERT_EQ(window->state().CaptureY, h.y);
        setMagnification(1);
        EXPECT_EQ(window->state().CaptureX, h.toX) << h.x;
        EXPECT_EQ(window->state().CaptureY, h.toY) << h.y;
        EXPECT_EQ(drawn().size(), QSize(320, 200));
        EXPECT_FALSE(window->state().Rescaling);
    }
    moveBoxTo(*window, 24, 21);
    setMagnification(2);
    EXPECT_EQ(window->state().CaptureX, 48);
    EXPECT_EQ(window->state().CaptureY, 42);
    setMagnification(2); // again: unchanged
    EXPECT_EQ(window->state().CaptureX, 48);
}

TEST_F(Window, ABoxMovedAt2x2BeforeAnyPictureStaysInsideAt1x1) {
    setMagnification(2);
    moveBoxTo(*window, 296, 179);
    ASSERT_EQ(window->state().CaptureX, 592);
    ASSERT_EQ(window->state().CaptureY, 358);
    setMagnification(1);
    EXPECT_EQ(window->state().CaptureX, 296);
    EXPECT_EQ(window->state().CaptureY, 179);
}

TEST_F(Window, ArrowKeysMoveTheBoxWhicheverControlHasTheFocus) {
    QComboBox* list = window->controls().cboCol1;
    loadBlackPicture();
    const struct {
        int m;
        bool align;
        int x, y;
        Qt::Key key;
        const char* target;
        int toX, toY;
    } cases[] = {
        {1, true, 288, 0, Qt::Key_Right, "cboCol1", 296, 0},
        {1, true, 10, 0, Qt::Key_Left, "cmdGenerate", 0, 0},
        {1, true, 0, 0, Qt::Key_Down, "opbOutput0", 0, 21},
        {1, true, 0, 170, Qt::Key_Down, "picStd", 0, 179},
        {2, true, 0, 0, Qt::Key_Right, "cboCol1", 48, 0},
        {2, true, 0, 42, Qt::Key_Up, "cboCol1", 0, 0},
        {1, false, 0, 0, Qt::Key_Right, "cboCol1", 2, 0},
        {1, false, 4, 5, Qt::Key_Up, "cboCol1", 4, 4},
        {2, false, 0, 354, Qt::Key_Down, "cboCol1", 0, 356},
        {2, false, 0, 356, Qt::Key_Down, "cboCol1", 0, 358},
        {2, false, 0, 358, Qt::Key_Down, "cboCol1", 0, 358},
        {2, false, 4, 0, Qt::Key_Left, "opbOutput1", 0, 0},
        {1, true, 24, 21, Qt::Key_A, "cboCol1", 24, 21}, // other keys: nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.m) + " " + c.target + " key " + std::to_string(c.key));
        setMagnification(c.m);
        moveBoxTo(*window, c.x / c.m, c.y / c.m);
        if (window->controls().mnuAlignToGrid->isChecked() != c.align)
            window->controls().mnuAlignToGrid->trigger();
        list->setCurrentIndex(1); // "Black"
        QWidget* target = child(c.target);
        QTest::keyPress(target, c.key);
        EXPECT_EQ(window->state().CaptureX, c.x); // a press alone does not move
        EXPECT_EQ(list->currentIndex(), 1);       // nor changes the list's choice
        QTest::keyRelease(target, c.key);
        EXPECT_EQ(window->state().CaptureX, c.toX);
        EXPECT_EQ(window->state().CaptureY, c.toY);
        // A move captures again, which resets the choice; other keys keep it.
        EXPECT_EQ(list->currentIndex(), c.key == Qt::Key_A ? 1 : 0);
        EXPECT_TRUE(child<QRadioButton>("opbOutput0")->isChecked());
    }
    // A key held down repeats releases; only the real release moves.
    moveBoxTo(*window, 0, 0);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(list, &repeat);
    EXPECT_EQ(window->state().CaptureX, 0);
    // In the menu bar the arrows go from menu to menu.
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->menuBar()->setFocus();
    QTest::keyClick(window->menuBar(), Qt::Key_Right);
    EXPECT_EQ(window->state().CaptureX, 0);
}

// A screen reader hears every text on the screen: the labels, the "Output"
// caption, the buttons and the status bar.
TEST_F(Window, ScreenReaderHearsWhatTheScreenShows) {
    moveBoxTo(*window, 72, 42);
    window->DrawCaptureFrame(); // a tick writes the position
    ASSERT_TRUE(status().startsWith(QLatin1String("x=72, y=42, ")));
    EXPECT_EQ(felgrove::test::misreadTexts(window.get()), "");
    window->controls().cmdGenerate->click();
    ASSERT_NE(window->resultWindow(), nullptr);
    EXPECT_EQ(felgrove::test::misreadTexts(window->resultWindow()), "");
}

class Keyboard : public Window {
protected:
    void SetUp() override {
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        loadBlackPicture();
    }
    const pixmoth::MainControls& c() const { return window->controls(); }
};

// Tab reaches each option button, and Space selects the one with the focus.
TEST_F(Keyboard, TabReachesBothOptionButtonsAndSpaceSelects) {
    auto* hex = child<QRadioButton>("opbOutput0");
    auto* binary = child<QRadioButton>("opbOutput1");
    for (QRadioButton* chosen : {binary, hex, hex}) {
        c().cboCol3->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), hex);
        if (chosen == binary)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), chosen);
        QTest::keyClick(chosen, Qt::Key_Space);
        EXPECT_TRUE(chosen->isChecked());
        EXPECT_NE(hex->isChecked(), binary->isChecked());
    }
    QTest::keyClick(hex, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), binary);
    QTest::keyClick(binary, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), c().cmdGenerate);
    // A screen reader hears option buttons, the selected one checked.
    for (QRadioButton* button : {hex, binary}) {
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(heard, nullptr);
        EXPECT_EQ(heard->role(), QAccessible::RadioButton);
        EXPECT_EQ(bool(heard->state().checked), button->isChecked());
    }
}

// A colour list works as any list: Alt+Down or Alt+Up opens it, and in the
// open list the keys choose without moving the capture box; Space opens it
// and typing a colour's first letter chooses it. F4 stays "Erase on capture".
TEST_F(Keyboard, ColourListsWorkAsAnyList) {
    QComboBox* list = c().cboCol2;
    list->setFocus();
    QAbstractItemView* open = list->view();
    const auto keyInOpenList = [&](Qt::Key key) {
        QTest::keyClick(open->window()->focusWidget() ? open->window()->focusWidget() : open, key);
    };
    for (Qt::Key opener : {Qt::Key_Down, Qt::Key_Up}) {
        list->setCurrentIndex(0);
        QTest::keyClick(list, opener, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return open->isVisible(); }));
        keyInOpenList(Qt::Key_End);
        EXPECT_EQ(open->currentIndex().row(), 1);
        keyInOpenList(Qt::Key_Home);
        EXPECT_EQ(open->currentIndex().row(), 0);
        keyInOpenList(Qt::Key_Down);
        EXPECT_EQ(open->currentIndex().row(), 1);
        keyInOpenList(Qt::Key_Up);
        EXPECT_EQ(open->currentIndex().row(), 0);
        keyInOpenList(Qt::Key_Down);
        keyInOpenList(opener == Qt::Key_Down ? Qt::Key_Return : Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !open->isVisible(); }));
        // Return takes the colour; Escape leaves the choice as it was.
        EXPECT_EQ(list->currentIndex(), opener == Qt::Key_Down ? 1 : 0);
        EXPECT_EQ(window->state().CaptureX, 0);
        EXPECT_EQ(window->state().CaptureY, 0);
    }
    list->setCurrentIndex(0);
    QTest::keyClicks(list, QStringLiteral("B"));
    EXPECT_EQ(list->currentText(), QLatin1String("Black"));
    QTest::keyClick(list, Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return open->isVisible(); }));
    keyInOpenList(Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !open->isVisible(); }));
    QTest::keyClick(list, Qt::Key_F4);
    EXPECT_FALSE(window->state().EraseOnCapture);
    EXPECT_FALSE(open->isVisible());
}

} // namespace
