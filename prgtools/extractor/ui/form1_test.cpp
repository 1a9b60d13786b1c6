#include "prgtools/extractor/ui/form1.h"
#include "testsupport/testfiles.h"

#include "prgtools/common/core/settingsstore.h"
#include "testsupport/accessiblecheck.h"
#include "testsupport/conversionreport.h"
#include "testsupport/droptest.h"
#include "testsupport/recordingprompts.h"
#include "testsupport/testfaults.h"
#include "testsupport/testsettings.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using prg::test::contents;
using prg::test::writeFile;

using felgrove::PromptIcon;
using felgrove::RecordingPrompts;

const QString kApp = QStringLiteral("Slivra");

QString focusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("<none>");
}

// Every text the status panel showed on the screen, in order.
class PaintedTexts : public QObject {
public:
    explicit PaintedTexts(QLabel* label) : m_label(label) { label->installEventFilter(this); }
    QStringList texts;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && (texts.isEmpty() || texts.last() != m_label->text()))
            texts << m_label->text();
        return false;
    }

private:
    QLabel* m_label;
};

class Window : public ::testing::Test {
protected:
    void SetUp() override { felgrove::test::clearSettings(kApp); }

    slivra::Form1& open() {
        form = std::make_unique<slivra::Form1>(prompts);
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return *form;
    }
    template <typename W = QWidget> W* child(const char* name) const {
        W* widget = form->findChild<W*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* box(int index) const { return form->txtStd(index); }
    void click(const char* name) { child<QPushButton>(name)->click(); }

    // An input PRG and the range that the extraction tests use.
    QString input() const { return dir.filePath(QStringLiteral("pic.prg")); }
    QString output() const { return dir.filePath(QStringLiteral("part.bin")); }
    void fill(const QString& in, const QString& out, const QString& start, const QString& end) {
        box(0)->setText(in);
        box(1)->setText(out);
        box(4)->setText(start);
        box(5)->setText(end);
    }

    RecordingPrompts prompts;
    QTemporaryDir dir;
    std::unique_ptr<slivra::Form1> form;
    const QByteArray bitmap = QByteArray::fromHex("0058"
                                                  "00112233445566778899");
};

TEST_F(Window, ShowsEveryControlWithItsCaptionAndKey) {
    open();
    EXPECT_EQ(form->windowTitle(), QLatin1String("Slivra - Coded by Marrok/Felgrove"));
    const struct {
        const char* name;
        const char* caption;
    } captions[] = {
        {"lblStd0", "&PRG file"},
        {"lblStd1", "&Output file"},
        {"lblStd7", "PRG info"},
        {"lblStd2", "&Extract"},
        {"lblStd5", "$"},
        {"lblStd6", "- $"},
        {"lblStd4", "&New location"},
        {"lblStd3", "$"},
        {"cmdBrowse", "..."},
        {"cmdConvert", "Extract &data"},
        {"cmdHelp", "&Help"},
        {"cmdExit", "E&xit"},
        {"chkLocation", "&Include location bytes"},
    };
    for (const auto& c : captions) {
        SCOPED_TRACE(c.name);
        QWidget* w = child(c.name);
        ASSERT_NE(w, nullptr);
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* button = qobject_cast<QAbstractButton*>(w);
        EXPECT_EQ(label ? label->text() : button->text(), QLatin1String(c.caption));
        // No caption is clipped with the platform's fonts.
        EXPECT_GE(w->width(), w->sizeHint().width());
        EXPECT_GE(w->height(), w->fontMetrics().height());
    }
    EXPECT_TRUE(child("cmdBrowse")->font().bold());
    for (int index : {2, 4, 5})
        EXPECT_EQ(box(index)->maxLength(), 4);
    EXPECT_GT(box(0)->maxLength(), 4);
    QPlainTextEdit* info = form->prgInfo();
    EXPECT_EQ(info->objectName(), QLatin1String("txtStd3"));
    EXPECT_TRUE(info->isReadOnly());
    EXPECT_EQ(info->toPlainText(), QLatin1String("N/A"));
    EXPECT_EQ(info->palette().color(QPalette::Base), form->palette().color(QPalette::Button));
    EXPECT_EQ(form->statusText(), QString());
    EXPECT_EQ(child<QLabel>("staStdPanel1")->parentWidget(), child("staStd"));
    EXPECT_GE(form->width(), 475);
    EXPECT_GE(form->height(), 216);
    EXPECT_EQ(focusName(), QLatin1String("txtStd0"));
}

// A screen reader hears every text on the screen, the status bar's included.
TEST_F(Window, ScreenReaderHearsWhatTheScreenShows) {
    open();
    child<QLabel>("staStdPanel1")
        ->setText(QStringLiteral("Conversion finished. 12 bytes converted."));
    EXPECT_EQ(felgrove::test::misreadTexts(form.get()), "");
}

TEST_F(Window, ControlsStayInsideTheWindowWithoutOverlapping) {
    open();
    QList<QWidget*> controls;
    for (QWidget* w : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!w->objectName().isEmpty())
            controls << w;
    }
    ASSERT_EQ(controls.size(), 20); // 8 labels, 6 boxes, 4 buttons, 1 check box, 1 status bar
    for (qsizetype i = 0; i < controls.size(); ++i) {
        EXPECT_TRUE(form->rect().contains(controls[i]->geometry()))
            << controls[i]->objectName().toStdString();
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << controls[i]->objectName().toStdString() << " and "
                << controls[j]->objectName().toStdString();
        }
    }
    EXPECT_EQ(child("staStd")->geometry().bottom(), form->rect().bottom());
    EXPECT_EQ(child("staStd")->width(), form->width());
}

TEST_F(Window, TabVisitsTheControlsInTheirOrder) {
    open();
    const auto tabRound = [this] {
        QStringList visited{focusName()};
        for (int i = 0; i < 11; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focusName();
        }
        return visited.join(QLatin1Char(' '));
    };
    // The new-location box is no tab stop while location bytes are off.
    EXPECT_EQ(tabRound(), QLatin1String("txtStd0 cmdBrowse txtStd1 txtStd4 txtStd5 chkLocation "
                                        "cmdConvert cmdHelp cmdExit txtStd3 txtStd0 cmdBrowse"));
    child<QCheckBox>("chkLocation")->setChecked(true);
    box(0)->setFocus();
    EXPECT_EQ(tabRound(), QLatin1String("txtStd0 cmdBrowse txtStd1 txtStd4 txtStd5 chkLocation "
                                        "txtStd2 cmdConvert cmdHelp cmdExit txtStd3 txtStd0"));
}

TEST_F(Window, AccessKeysMoveTheFocusPressAndToggle) {
    open();
    box(4)->setText(QStringLiteral("5800"));
    const struct {
        Qt::Key key;
        const char* focus;
    } buddies[] = {{Qt::Key_O, "txtStd1"},
                   {Qt::Key_E, "txtStd4"},
                   {Qt::Key_N, "txtStd2"},
                   {Qt::Key_P, "txtStd0"}};
    for (const auto& b : buddies) {
        QTest::keyClick(form.get(), b.key, Qt::AltModifier);
        EXPECT_EQ(focusName(), QLatin1String(b.focus));
    }
    QTest::keyClick(form.get(), Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(box(4)->selectedText(), QLatin1String("5800")); // whole text selected on focus

    // A button's access key presses it the way a click does, after the
    // short animation of the pressed button.
    auto* check = child<QCheckBox>("chkLocation");
    QTest::keyClick(form.get(), Qt::Key_I, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return check->isChecked(); }));
    EXPECT_FALSE(box(2)->isReadOnly());
    QTest::keyClick(form.get(), Qt::Key_I, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !check->isChecked(); }));

    QTest::keyClick(form.get(), Qt::Key_H, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return prompts.messages.size() == 1; }));
    EXPECT_EQ(prompts.messages.at(0).title, kApp);
    QTest::keyClick(form.get(), Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return prompts.messages.size() == 2; }));
    EXPECT_EQ(prompts.texts().value(1), QLatin1String("Input filename is missing"));
    QTest::keyClick(form.get(), Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }));
}

TEST_F(Window, EachEditOfTheInputPathRefreshesThePrgInfo) {
    open();
    writeFile(input(), QByteArray::fromHex("0108") + QByteArray(8, '\0'));
    box(0)->setText(input() + QLatin1Char('x'));
    EXPECT_EQ(form->prgInfo()->toPlainText(), QLatin1String("N/A"));
    box(0)->setFocus();
    box(0)->end(false);
    QTest::keyClick(box(0), Qt::Key_Backspace);
    EXPECT_EQ(form->prgInfo()->toPlainText(),
              QLatin1String("File size: 10 bytes\nData: 8 ($8)\nAssumed load address: $0801\n"
                            "Assumed memory location: $0801 - $809"));
}

TEST_F(Window, FilesDroppedOnThePathBoxesAreTakenAsTyped) {
    open();
    writeFile(input(), QByteArray::fromHex("0108") + QByteArray(8, '\0'));
    const auto file = felgrove::test::dragData(felgrove::test::Drag::OneLocalFile, input());
    EXPECT_TRUE(felgrove::test::dragAndDrop(box(0), file.get()));
    EXPECT_EQ(box(0)->text(), input());
    EXPECT_TRUE(form->prgInfo()->toPlainText().startsWith(QLatin1String("File size: 10 bytes")));
    EXPECT_TRUE(felgrove::test::dragAndDrop(box(1), file.get()));
    EXPECT_EQ(box(1)->text(), input());
}

TEST_F(Window, InputChecksWarnInOrderAndFocusTheirBox) {
    open();
    writeFile(input(), bitmap);
    const QString link = dir.filePath(QStringLiteral("link.prg"));
    ASSERT_TRUE(QFile::link(input(), link));
    const QString hard = dir.filePath(QStringLiteral("hard.prg"));
    ASSERT_TRUE(prg::test::makeHardLink(input(), hard));
    const QString missing = dir.filePath(QStringLiteral("gone.prg"));
    const struct {
        const char* name;
        QString in, out, start, end;
        const char* message;
        const char* focus;
        const char* newLocation = nullptr; // nullptr: location bytes off
    } cases[] = {
        {"no input", {}, output(), "5800", "5809", "Input filename is missing", "txtStd0"},
        {"input vanished", missing, output(), "5800", "5809", "Invalid input filename", "txtStd0"},
        {"input is a folder", dir.path(), output(), "5800", "5809", "Invalid input filename",
         "txtStd0"},
        {"no output", input(), QStringLiteral("  "), "5800", "5809", "Output filename is missing",
         "txtStd1"},
        {"no end",
         input(),
         output(),
         "5800",
         {},
         "You must specify extract start and end",
         "txtStd4"},
        {"upper-case start", input(), output(), "C000", "c001", "Invalid limit start address",
         "txtStd4"},
        {"short end", input(), output(), "5800", "580", "Invalid limit end address", "txtStd5"},
        {"new location not hexadecimal", input(), output(), "5800", "5809",
         "Invalid new location address", "txtStd2", "zz"},
        {"empty new location", input(), output(), "5800", "5809", "Invalid new location address",
         "txtStd2", ""},
        {"output is the input", input(), link, "5800", "5809",
         "Output file must not be the input file", "txtStd1"},
        {"output is a hard link to the input", input(), hard, "5800", "5809",
         "Output file must not be the input file", "txtStd1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.clear();
        fill(c.in, c.out, c.start, c.end);
        child<QCheckBox>("chkLocation")->setChecked(c.newLocation != nullptr);
        box(2)->setText(QString::fromLatin1(c.newLocation));
        child("cmdHelp")->setFocus();
        click("cmdConvert");
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text, QLatin1String(c.message));
        EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Warning);
        EXPECT_EQ(prompts.messages[0].title, QLatin1String("Ostrel"));
        EXPECT_EQ(focusName(), QLatin1String(c.focus));
        EXPECT_EQ(form->statusText(), QString());
        EXPECT_TRUE(form->isEnabled());
    }
    EXPECT_FALSE(QFile::exists(output()));
    EXPECT_EQ(contents(input()), bitmap);
}

TEST_F(Window, ExtractionShowsProgressAndReturnsTheWindowToUse) {
    open();
    writeFile(input(), bitmap);
    fill(input(), output(), QStringLiteral("5802"), QStringLiteral("5805"));
    PaintedTexts painted(child<QLabel>("staStdPanel1"));
    bool checkedWhileOpen = false;
    prompts.onMessage = [&](const RecordingPrompts::Message&) {
        EXPECT_FALSE(form->isEnabled());
        EXPECT_FALSE(child("cmdConvert")->isEnabled());
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        EXPECT_EQ(form->statusText(), QLatin1String("Conversion finished. 4 bytes converted."));
        // The window cannot be closed under a running extraction.
        QCloseEvent closeControl;
        QApplication::sendEvent(form->windowHandle(), &closeControl);
        EXPECT_TRUE(form->isVisible());
        checkedWhileOpen = true;
    };
    child("cmdConvert")->setFocus();
    click("cmdConvert");
    EXPECT_TRUE(checkedWhileOpen);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, QLatin1String("Finished!"));
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Information);
    EXPECT_EQ(prompts.messages[0].title, QLatin1String("Ostrel"));
    EXPECT_EQ(painted.texts,
              (QStringList{QStringLiteral("Analyzing file, please wait..."),
                           QStringLiteral("Converting, please wait..."),
                           QStringLiteral("Conversion finished. 4 bytes converted.")}));
    EXPECT_EQ(contents(output()), QByteArray::fromHex("22334455"));
    EXPECT_TRUE(form->isEnabled());
    EXPECT_TRUE(child("cmdConvert")->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(focusName(), QLatin1String("cmdConvert"));
    EXPECT_EQ(form->statusText(), QLatin1String("Conversion finished. 4 bytes converted."));
}

TEST_F(Window, StartRestrictionWritesTheLoadAddressInLowerCase) {
    open();
    writeFile(input(), QByteArray::fromHex("00c0"
                                           "a9008d20d0"));
    fill(input(), output(), QStringLiteral("0801"), QStringLiteral("c001"));
    prompts.onMessage = [&](const RecordingPrompts::Message& m) {
        if (m.text.startsWith(QLatin1String("Extract start"))) {
            EXPECT_EQ(form->statusText(), QLatin1String("Converting, please wait..."));
            EXPECT_EQ(m.icon, PromptIcon::Information);
            EXPECT_EQ(m.title, QLatin1String("Ostrel"));
        }
    };
    click("cmdConvert");
    EXPECT_EQ(prompts.texts(),
              (QStringList{QStringLiteral("Extract start restricted to PRG load address $C000"),
                           QStringLiteral("Finished!")}));
    EXPECT_EQ(box(4)->text(), QLatin1String("c000"));
    EXPECT_EQ(contents(output()), QByteArray::fromHex("a900"));
    // The next extraction passes the start check and is not restricted again.
    prompts.clear();
    click("cmdConvert");
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Finished!")});
    EXPECT_EQ(contents(output()), QByteArray::fromHex("a900"));
}

TEST_F(Window, NewLocationIsWrittenLowByteFirst) {
    open();
    writeFile(input(), bitmap);
    fill(input(), output(), QStringLiteral("5800"), QStringLiteral("5800"));
    child<QCheckBox>("chkLocation")->setChecked(true);
    box(2)->setText(QStringLiteral("801"));
    click("cmdConvert");
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Finished!")});
    EXPECT_EQ(contents(output()), QByteArray::fromHex("010800"));
}

TEST_F(Window, RunTimeFailureIsReportedAndTheWindowStaysUsable) {
    open();
    writeFile(input(), bitmap);
    const QString outputs[] = {dir.filePath(QStringLiteral("none/part.bin")), dir.path()};
    for (const QString& out : outputs) {
        SCOPED_TRACE(out.toStdString());
        prompts.clear();
        fill(input(), out, QStringLiteral("5800"), QStringLiteral("5809"));
        child("cmdConvert")->setFocus();
        click("cmdConvert");
        ASSERT_EQ(prompts.messages.size(), 1u);
        const QStringList lines = prompts.messages[0].text.split(QLatin1String("\r\n"));
        ASSERT_EQ(lines.size(), 4);
        EXPECT_NE(lines[0].toInt(), 0);
        EXPECT_EQ(lines[2], kApp);
        EXPECT_EQ(lines[3], QLatin1String("Main_cmdConvert_Click"));
        EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Warning);
        EXPECT_TRUE(form->isEnabled());
        EXPECT_TRUE(child("cmdConvert")->isEnabled());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(form->statusText(), QString());
        EXPECT_EQ(focusName(), QLatin1String("cmdConvert"));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("pic.prg")});
    prompts.clear();
    box(1)->setText(output());
    click("cmdConvert");
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Finished!")});
    EXPECT_EQ(contents(output()), bitmap.mid(2));
}

// What a screen reader is told: the window is a window, and a box the user
// cannot type into is not announced as editable.
TEST_F(Window, ScreenReadersGetTheWindowAndTheLockedBoxRight) {
    open();
    auto* check = child<QCheckBox>("chkLocation");
    struct Row {
        QObject* widget;
        bool checked;
        QAccessible::Role role;
        bool editable;
    };
    const Row rows[] = {
        {form.get(), false, QAccessible::Window, false},
        {box(2), false, QAccessible::EditableText, false},
        {box(2), true, QAccessible::EditableText, true},
        {form->prgInfo(), false, QAccessible::EditableText, false},
        {box(0), false, QAccessible::EditableText, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.widget->objectName().toStdString() + (row.checked ? " checked" : ""));
        check->setChecked(row.checked);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(row.widget);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), row.role);
        EXPECT_EQ(bool(face->state().editable), row.editable);
        EXPECT_EQ(bool(face->state().readOnly), !row.editable && row.role != QAccessible::Window);
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.get())->text(QAccessible::Name),
              form->windowTitle());
}

TEST_F(Window, LocationSettingSurvivesClosingEitherWay) {
    open();
    auto* check = child<QCheckBox>("chkLocation");
    EXPECT_FALSE(check->isChecked());
    EXPECT_TRUE(box(2)->isReadOnly());
    EXPECT_EQ(box(2)->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(box(2)->palette().color(QPalette::Base), form->palette().color(QPalette::Button));
    check->click();
    EXPECT_FALSE(box(2)->isReadOnly());
    EXPECT_EQ(box(2)->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(box(2)->palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::Base));
    box(2)->setText(QStringLiteral("6000"));
    check->click();
    check->click();
    EXPECT_EQ(box(2)->text(), QLatin1String("6000"));

    // The window's own close control.
    QCloseEvent closeControl;
    QApplication::sendEvent(form->windowHandle(), &closeControl);
    EXPECT_FALSE(form->isVisible());
    const prg::SettingsStore store(kApp);
    EXPECT_EQ(store.read(QStringLiteral("IncludeLocation"), {}), QLatin1String("1"));

    open();
    EXPECT_TRUE(child<QCheckBox>("chkLocation")->isChecked());
    EXPECT_FALSE(box(2)->isReadOnly());
    EXPECT_EQ(box(2)->text(), QString()); // only the check box is kept
    child<QCheckBox>("chkLocation")->click();
    click("cmdExit");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(store.read(QStringLiteral("IncludeLocation"), {}), QLatin1String("0"));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(Window, BadStoredSettingIsReportedAndTheWindowStillWorks) {
    ASSERT_FALSE(
        prg::SettingsStore(kApp).write(QStringLiteral("IncludeLocation"), QStringLiteral("abc")));
    open();
    ASSERT_EQ(prompts.messages.size(), 1u);
    const QStringList lines = prompts.messages[0].text.split(QLatin1String("\r\n"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[3], QLatin1String("Main_Form_Load"));
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Warning);
    EXPECT_FALSE(child<QCheckBox>("chkLocation")->isChecked());
    EXPECT_TRUE(box(2)->isReadOnly());
    EXPECT_EQ(form->prgInfo()->toPlainText(), QLatin1String("N/A"));
    child<QCheckBox>("chkLocation")->click();
    EXPECT_FALSE(box(2)->isReadOnly());
    form->close();
    EXPECT_EQ(prg::SettingsStore(kApp).read(QStringLiteral("IncludeLocation"), {}),
              QLatin1String("1"));
}

TEST_F(Window, HelpShowsThirteenLinesUnderTheProgramName) {
    open();
    click("cmdHelp");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::None);
    EXPECT_EQ(prompts.messages[0].title, kApp);
    const QStringList lines = prompts.messages[0].text.split(QLatin1String("\r\n"));
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[0], QLatin1String("Slivra 1.0 by Marrok/Felgrove."));
    EXPECT_EQ(lines[5], QLatin1String("You have a transfered bitmap file on your pc which "
                                      "stretches between $5800-$7f40."));
    for (int empty : {1, 3, 8, 11})
        EXPECT_TRUE(lines[empty].isEmpty());
    EXPECT_EQ(lines[12], QLatin1String("Don't forget to visit https://felgrove.example.org for "
                                       "more tools and artwork."));
}

TEST_F(Window, BrowseFillsTheInputAndMovesOnToTheOutput) {
    open();
    writeFile(input(), bitmap);
    box(1)->setText(QStringLiteral("old.bin"));
    prompts.fileAnswers = {input()};
    click("cmdBrowse");
    EXPECT_EQ(box(0)->text(), input());
    EXPECT_TRUE(form->prgInfo()->toPlainText().startsWith(QLatin1String("File size: 12 bytes")));
    EXPECT_EQ(focusName(), QLatin1String("txtStd1"));
    EXPECT_EQ(box(1)->selectedText(), QLatin1String("old.bin"));
    const prg::SettingsStore store(kApp);
    EXPECT_EQ(store.read(QStringLiteral("LatestPath"), {}), dir.path());

    // A cancel changes nothing; the next dialog opens in the stored folder.
    box(4)->setFocus();
    click("cmdBrowse");
    ASSERT_EQ(prompts.fileRequests.size(), 2u);
    EXPECT_EQ(prompts.fileRequests[1].folder, dir.path());
    EXPECT_EQ(prompts.fileRequests[1].title, QLatin1String("Select Binary-file"));
    EXPECT_EQ(box(0)->text(), input());
    EXPECT_EQ(focusName(), QLatin1String("txtStd4"));
    EXPECT_EQ(store.read(QStringLiteral("LatestPath"), {}), dir.path());
    EXPECT_TRUE(prompts.messages.empty());

    // The folder cannot be stored: the report, and the chosen file is not taken.
    const felgrove::test::UnwritableSettings unwritable(kApp);
    prompts.fileAnswers = {output()};
    click("cmdBrowse");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.endsWith(QLatin1String("\r\nMain_cmdBrowse")));
    EXPECT_EQ(box(0)->text(), input());
    EXPECT_EQ(focusName(), QLatin1String("txtStd4"));
}

// The output fails at each stage: it cannot be created, the disk fills up in
// the middle, or the finished file cannot take its place. Each time one
// clear report, the old output and the input whole, no file left behind,
// and the window ready for the next extraction.
TEST_F(Window, OutputFailingAtAnyStageLosesNothing) {
    open();
    const QByteArray input6000 = QByteArray::fromHex("0060") + QByteArray(3000, '\x42');
    const QByteArray oldOutput("old part");
    writeFile(input(), input6000);
    const struct {
        const char* name;
        QString out;
        prg::test::FileBytes diskSpace;     // bytes the output may reach
        std::function<void()> duringNotice; // while the start notice is open
        int failingSync = 0;                // the disk cannot keep the file
    } stages[] = {
        {"a file where a folder should be",
         input() + QStringLiteral("/part.bin"),
         prg::test::kUnlimited,
         {}},
        {"a place no one may write", prg::test::unwritablePlace(), prg::test::kUnlimited, {}},
        {"the disk fills up", output(), 1000, {}},
        {"a folder takes the name before the end", output(), prg::test::kUnlimited,
         [this] { QDir(dir.path()).mkdir(QStringLiteral("part.bin")); }},
        {"the disk cannot keep the file", output(), prg::test::kUnlimited, {}, 1},
    };
    for (const auto& stage : stages) {
        SCOPED_TRACE(stage.name);
        writeFile(output(), oldOutput);
        prompts.clear();
        prompts.onMessage = [&](const RecordingPrompts::Message& m) {
            if (m.text.startsWith(QLatin1String("Extract start")) && stage.duringNotice) {
                QFile::remove(output());
                stage.duringNotice();
            }
        };
        fill(input(), stage.out, QStringLiteral("0801"), QStringLiteral("ffff"));
        {
            const prg::test::FileSizeLimit disk(stage.diskSpace);
            const prg::test::FailingDisk failing(stage.failingSync, 0);
            click("cmdConvert");
        }
        // The start notice comes first when the output could be created.
        ASSERT_NO_FATAL_FAILURE(
            prg::test::expectConversionFailureReport(prompts, stage.out, stage.failingSync));
        EXPECT_TRUE(form->isEnabled());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(contents(input()), input6000);
        EXPECT_EQ(
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList{QStringLiteral("part.bin"), QStringLiteral("pic.prg")}));
        if (stage.duringNotice) {
            EXPECT_TRUE(QFileInfo(output()).isDir());
            QDir(output()).removeRecursively();
        } else {
            EXPECT_EQ(contents(output()), oldOutput);
        }
    }
    prompts.clear();
    prompts.onMessage = {};
    box(1)->setText(output());
    click("cmdConvert");
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Finished!")});
    EXPECT_EQ(contents(output()), input6000.mid(2));
}

// The input changes between its inspection and the extraction.
TEST_F(Window, AnInputChangedAfterItsInspectionIsTakenAsItIsThen) {
    open();
    writeFile(input(), bitmap);
    fill(input(), output(), QStringLiteral("5800"), QStringLiteral("ffff"));
    EXPECT_TRUE(form->prgInfo()->toPlainText().startsWith(QLatin1String("File size: 12 bytes")));
    QFile::resize(input(), 5);
    click("cmdConvert");
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Finished!")});
    EXPECT_EQ(form->statusText(), QLatin1String("Conversion finished. 3 bytes converted."));
    EXPECT_EQ(contents(output()), bitmap.mid(2, 3));

    prompts.clear();
    QFile::remove(input());
    click("cmdConvert");
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Invalid input filename")});
    EXPECT_EQ(focusName(), QLatin1String("txtStd0"));
    EXPECT_EQ(contents(output()), bitmap.mid(2, 3));
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(Window, PathsWithBlanksAndSwedishLetters) {
    open();
    QDir(dir.path()).mkpath(QStringLiteral("mina filer/å ä ö"));
    const QString in = dir.filePath(QStringLiteral("mina filer/å ä ö/bild på hösten.prg"));
    const QString out = dir.filePath(QStringLiteral("mina filer/del ÅÄÖ.bin"));
    writeFile(in, bitmap);
    fill(in, out, QStringLiteral("5802"), QStringLiteral("5803"));
    EXPECT_TRUE(form->prgInfo()->toPlainText().startsWith(QLatin1String("File size: 12 bytes")));
    click("cmdConvert");
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Finished!")});
    EXPECT_EQ(contents(out), bitmap.mid(4, 2));
    EXPECT_EQ(contents(in), bitmap);
}

// Whatever the store holds under "IncludeLocation", the window opens and
// works: a value that is not 0 or 1 is reported and leaves the box unchecked.
TEST_F(Window, AnyStoredIncludeLocationGivesAUsableWindow) {
    const struct {
        QString stored;
        bool reported;
        bool checked;
    } cases[] = {
        {QStringLiteral("abc"), true, false}, {QStringLiteral(""), true, false},
        {QStringLiteral("2"), true, false},   {QStringLiteral("-1"), true, false},
        {QStringLiteral("1.5"), true, false}, {QString(5000, QLatin1Char('9')), true, false},
        {QStringLiteral("åäö"), true, false}, {QStringLiteral(" 1 "), false, true},
        {QStringLiteral("0"), false, false},  {QStringLiteral("1"), false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.left(20).toStdString());
        ASSERT_FALSE(prg::SettingsStore(kApp).write(QStringLiteral("IncludeLocation"), c.stored));
        prompts.clear();
        open();
        if (c.reported) {
            ASSERT_EQ(prompts.messages.size(), 1u);
            const QStringList lines = prompts.messages[0].text.split(QLatin1String("\r\n"));
            ASSERT_EQ(lines.size(), 4);
            EXPECT_EQ(lines[3], QLatin1String("Main_Form_Load"));
        } else {
            EXPECT_TRUE(prompts.messages.empty());
        }
        EXPECT_EQ(child<QCheckBox>("chkLocation")->isChecked(), c.checked);
        EXPECT_EQ(box(2)->isReadOnly(), !c.checked);
        EXPECT_EQ(form->prgInfo()->toPlainText(), QLatin1String("N/A"));
        prompts.clear();
        click("cmdHelp");
        EXPECT_EQ(prompts.messages.size(), 1u);
        form->close();
        EXPECT_EQ(prg::SettingsStore(kApp).read(QStringLiteral("IncludeLocation"), {}),
                  QLatin1String(c.checked ? "1" : "0"));
    }
}

} // namespace
