#include "sprite/core/decode.h"
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
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QStatusBar>
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
        c().mnuLoad->trigger();
    }
    void setMagnification(int m) { (m == 1 ? c().mnu1x1 : c().mnu2x2)->trigger(); }
    // A picture all of black: the lists hold "[none]" and "Black".
    void loadBlackPicture() { load(write(QByteArray(pixmoth::kShortPictureSize, '\0'))); }
    QString status() const { return c().StatusBar1->text(); }
    const pixmoth::MainControls& c() const { return window->controls(); }
    void show() {
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    const QImage& drawn() const { return c().picStd->image(); }

    felgrove::RecordingPrompts prompts;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(prompts);
    felgrove::test::ScratchFiles dir{QStringLiteral("picture %1.prg")};
};

const felgrove::test::Control kControls[] = {
    {"picStd", "client", nullptr, 0, nullptr, 0},
    {"Frame1", "client", nullptr, 0, nullptr, 0},
    {"picCapture", "Frame1", nullptr, 0, nullptr, 0},
    {"Frame3", "client", nullptr, 0, nullptr, 0},
    {"Label1", "Frame3", "$d025", 0, "cboCol1", 0},
    {"cboCol1", "Frame3", nullptr, 0, nullptr, 1},
    {"Label3", "Frame3", "$d026", 0, "cboCol2", 0},
    {"cboCol2", "Frame3", nullptr, 0, nullptr, 2},
    {"Label5", "Frame3", "$d027-2e", 0, "cboCol3", 0},
    {"cboCol3", "Frame3", nullptr, 0, nullptr, 3},
    {"Frame2", "client", "Output", 0, nullptr, 0},
    {"opbOutput0", "Frame2", "Hex", 0, nullptr, 4},
    {"opbOutput1", "Frame2", "Binary", 0, nullptr, 5},
    {"cmdGenerate", "client", "&Generate data tables", 'G', nullptr, 6},
    {"ProgressBar1", "client", nullptr, 0, nullptr, 0},
};

TEST_F(Window, EveryControlInItsPlace) {
    show();
    loadBlackPicture(); // the lists on, to be tab stops
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
        std::size_t fileRequests;
        int magnification;
        const char* status;
    } rows[] = {
        {"mnuLoad", "mnuFile", "Ctrl+L", false, 1, 1, "Align to grid = ON, Erase on capture = ON"},
        {"mnu2x2", "mnuMagnification", "F2", false, 1, 2, "Align to grid = ON, Erase on capture = ON"},
        {"mnu1x1", "mnuMagnification", "F1", false, 1, 1, "Align to grid = ON, Erase on capture = ON"},
        {"mnuAlignToGrid", "mnuOptions", "F3", true, 1, 1, "Align to grid = OFF, Erase on capture = ON"},
        {"mnuEraseOnCapture", "mnuOptions", "F4", true, 1, 1, "Align to grid = OFF, Erase on capture = OFF"},
    };
    show();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto* action = child<QAction>(row.name);
        EXPECT_TRUE(child<QMenu>(row.menu)->actions().contains(action));
        EXPECT_EQ(action->isCheckable(), row.checkable);
        QTest::keySequence(window.get(), QKeySequence(QLatin1String(row.shortcut)));
        EXPECT_FALSE(action->isChecked());
        EXPECT_EQ(prompts.fileRequests.size(), row.fileRequests);
        EXPECT_EQ(window->state().Magnification, row.magnification);
        EXPECT_EQ(status(), QLatin1String(row.status));
    }
    EXPECT_FALSE(window->state().AlignToGrid || window->state().EraseOnCapture);
    EXPECT_FALSE(window->state().PictureLoaded);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(Window, AboutAndExit) {
    c().mnuAbout->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::None);
    window->show();
    c().mnuExit->trigger();
    EXPECT_FALSE(window->isVisible());
}

// Each file loaded in turn: both picture sizes load and are drawn, the lists
// come on in the theme's entry colour; any other size, or a file that
// cannot be read, is reported and the previous picture drawn again. Before
// any picture the lists are off in the window's colour.
TEST_F(Window, LoadsPicturesAndRefusesOtherFiles) {
    const struct {
        qint64 size; // -1: a file that is not there
        PromptIcon report; // None: loads
        bool loaded;       // a picture is in the window afterwards
    } rows[] = {
        {10049, PromptIcon::Information, false},
        {pixmoth::kShortPictureSize, PromptIcon::None, true},
        {10242, PromptIcon::Information, true},
        {pixmoth::kLongPictureSize, PromptIcon::None, true},
        {0, PromptIcon::Information, true},
        {-1, PromptIcon::Warning, true},
    };
    Picture expected;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.size);
        prompts.clear();
        const QByteArray bytes = randomBytes(std::max<qint64>(row.size, 0), quint32(row.size));
        const QString path = row.size < 0 ? dir.filePath(QStringLiteral("gone.prg")) : write(bytes);
        load(path);
        if (row.report == PromptIcon::None)
            pixmoth::readPictureBytes(bytes, expected);
        EXPECT_EQ(prompts.messages.size(), row.report == PromptIcon::None ? 0u : 1u);
        for (const auto& message : prompts.messages) {
            EXPECT_EQ(message.icon, row.report);
            EXPECT_EQ(message.text.contains(QDir::toNativeSeparators(path)), row.size < 0);
            if (row.size < 0) { // and why
                EXPECT_GT(message.text.size(), QDir::toNativeSeparators(path).size() + 30);
            }
        }
        EXPECT_EQ(window->picture(), expected);
        EXPECT_EQ(window->state().PictureLoaded, row.loaded);
        EXPECT_EQ(drawn(), pixmoth::renderPicture(expected, 1));
        EXPECT_TRUE(c().ProgressBar1->isHidden());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr); // the busy pointer is gone
        for (const QComboBox* list : {c().cboCol1, c().cboCol2, c().cboCol3}) {
            EXPECT_EQ(list->isEnabled(), row.loaded);
            EXPECT_EQ(list->palette().color(QPalette::Base),
                      QApplication::palette().color(row.loaded ? QPalette::Base : QPalette::Button));
        }
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
    for (QWidget* target : {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(c().picStd)}) {
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
        {false, 1, 4, 7, 2, 4, 7},          {false, 2, 296, 179, 1, 296, 179},
        {true, 2, 24, 3, 1, 24, 3},         {true, 2, 296, 179, 1, 296, 179},
        {true, 1, 24, 21, 2, 48, 42},       {true, 2, 24, 21, 2, 48, 42},
    };
    window->show();
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.from) + " to " + std::to_string(row.to) + " at " +
                     std::to_string(row.x) + "," + std::to_string(row.y));
        if (row.picture && !window->state().PictureLoaded)
            load(write(randomBytes(pixmoth::kShortPictureSize, 11)));
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
        const pixmoth::WindowLayout l = pixmoth::controlPlaces(row.to);
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
    loadBlackPicture();
    const struct {
        int x, y;
        Qt::Key key;
        const char* target;
        int toX, toY;
    } rows[] = {
        {0, 0, Qt::Key_Right, "cboCol1", 24, 0},  {24, 0, Qt::Key_Left, "cmdGenerate", 0, 0},
        {0, 0, Qt::Key_Down, "opbOutput0", 0, 21}, {0, 21, Qt::Key_Up, "opbOutput1", 0, 0},
        {0, 0, Qt::Key_Down, "picStd", 0, 21},     {24, 21, Qt::Key_A, "cboCol1", 24, 21},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.target) + " key " + std::to_string(row.key));
        moveBoxTo(*window, row.x, row.y);
        list->setCurrentIndex(1); // "Black"
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

// A screen reader hears every text on the screen: the labels, the "Output"
// caption, the buttons and the status bar.
TEST_F(Window, ScreenReaderHearsWhatTheScreenShows) {
    moveBoxTo(*window, 72, 42);
    window->DrawCaptureFrame(); // a tick writes the position
    ASSERT_TRUE(status().startsWith(QLatin1String("x=72, y=42, ")));
    EXPECT_EQ(felgrove::test::misreadTexts(window.get()), "");
    c().cmdGenerate->click();
    ASSERT_NE(window->resultWindow(), nullptr);
    EXPECT_EQ(felgrove::test::misreadTexts(window->resultWindow()), "");
}

class Keyboard : public Window {
protected:
    void SetUp() override {
        show();
        loadBlackPicture();
    }
};

// Tab reaches each option button whichever is selected, and Space selects
// the one with the focus; a screen reader hears option buttons, the
// selected one checked.
TEST_F(Keyboard, TabReachesBothOptionButtonsAndSpaceSelects) {
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
TEST_F(Keyboard, ColourListsWorkAsAnyList) {
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

} // namespace
