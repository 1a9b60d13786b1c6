#pragma once

// The tests both PRG tools' windows pass, each run with the tool's Traits:
//   using Form;                           the window class
//   static QString app();                 its name in the settings
//   static QString program();             its name in titles and reports
//   static void setRange(Form&, start, end);  the address window to take
//   static const char* restricted;        the start-restriction notice
//   static QByteArray converted(bytes);   the output for these data bytes

#include "prgtools/common/core/settingsstore.h"
#include "testsupport/accessiblecheck.h"
#include "testsupport/conversionreport.h"
#include "testsupport/droptest.h"
#include "testsupport/recordingprompts.h"
#include "testsupport/testfaults.h"
#include "testsupport/testfiles.h"
#include "testsupport/testsettings.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <memory>

namespace prg::test {

// Every text a label showed on the screen, in order.
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

template <typename Traits> class ToolWindowTest : public ::testing::Test {
protected:
    using Form = typename Traits::Form;
    void SetUp() override { felgrove::test::clearSettings(Traits::app()); }

    Form& open() {
        form = std::make_unique<Form>(prompts);
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return *form;
    }
    template <typename W = QWidget> W* child(const char* name) const {
        W* widget = form->template findChild<W*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* box(int index) const { return form->txtStd(index); }
    static QString focusName() {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QStringLiteral("<none>");
    }
    void click(const char* name) { child<QAbstractButton>(name)->click(); }
    QString setting(const char* key) const {
        return SettingsStore(Traits::app()).read(QLatin1String(key), QStringLiteral("<none>"));
    }
    QString input() const { return dir.filePath(QStringLiteral("pic.prg")); }
    QString output() const { return dir.filePath(QStringLiteral("part.out")); }
    void fill(const QString& in, const QString& out, const char* start = "0801",
              const char* end = "ffff") {
        box(0)->setText(in);
        box(1)->setText(out);
        Traits::setRange(*form, QLatin1String(start), QLatin1String(end));
    }
    void convert() {
        prompts.messages.clear();
        click("cmdConvert");
    }
    QStringList folder() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    felgrove::RecordingPrompts prompts;
    QTemporaryDir dir;
    std::unique_ptr<Form> form;
    // Six data bytes that load at $0801.
    const QByteArray data = QByteArray::fromHex("a9018d20d060");
    const QByteArray prg = QByteArray::fromHex("0108") + data;
    const QString finished = QStringLiteral("Finished!");
};

TYPED_TEST_SUITE_P(ToolWindowTest);

// A screen reader hears every text on the screen, the status bar's included,
// and is told the window is a window under its title.
TYPED_TEST_P(ToolWindowTest, ScreenReaderHearsWhatTheScreenShows) {
    this->open();
    this->template child<QLabel>("staStdPanel1")->setText(QStringLiteral("Conversion finished."));
    EXPECT_EQ(felgrove::test::misreadTexts(this->form.get()), "");
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(this->form.get());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), this->form->windowTitle());
}

// Typed, dropped or chosen: each change of the input path shows the PRG info
// anew, four unwrapped lines, or "N/A" for anything but a file.
TYPED_TEST_P(ToolWindowTest, EachChangeOfTheInputPathShowsThePrgInfo) {
    this->open();
    QPlainTextEdit* info = this->form->prgInfo();
    EXPECT_EQ(info->toPlainText(), QLatin1String("N/A"));
    EXPECT_TRUE(info->isReadOnly());
    writeFile(this->input(), this->prg);
    this->box(0)->setText(this->input() + QLatin1Char('x'));
    EXPECT_EQ(info->toPlainText(), QLatin1String("N/A"));
    this->box(0)->setFocus();
    this->box(0)->end(false);
    QTest::keyClick(this->box(0), Qt::Key_Backspace);
    EXPECT_EQ(info->toPlainText(),
              QLatin1String("File size: 8 bytes\nData: 6 ($6)\nAssumed load address: $0801\n"
                            "Assumed memory location: $0801 - $807"));
    EXPECT_EQ(info->document()->lineCount(), 4);
    this->box(0)->setText(this->dir.path());
    EXPECT_EQ(info->toPlainText(), QLatin1String("N/A"));
    // A file dropped from a file manager gives its path, as if typed.
    const auto file = felgrove::test::dragData(felgrove::test::Drag::OneLocalFile, this->input());
    for (int path : {0, 1}) {
        EXPECT_TRUE(felgrove::test::dragAndDrop(this->box(path), file.get()));
        EXPECT_EQ(this->box(path)->text(), this->input());
    }
    EXPECT_TRUE(info->toPlainText().startsWith(QLatin1String("File size: 8 bytes")));
}

// While the conversion runs, the window is locked with the busy pointer and
// cannot be closed; the status panel shows each step; then the window is as
// before, the focus on the button.
TYPED_TEST_P(ToolWindowTest, ConversionShowsProgressAndReturnsTheWindowToUse) {
    this->open();
    writeFile(this->input(), this->prg);
    this->fill(this->input(), this->output());
    PaintedTexts painted(this->template child<QLabel>("staStdPanel1"));
    const QString done = QStringLiteral("Conversion finished. 6 bytes converted.");
    bool checkedWhileOpen = false;
    this->prompts.onMessage = [&](const felgrove::RecordingPrompts::Message&) {
        EXPECT_FALSE(this->form->isEnabled());
        EXPECT_FALSE(this->child("cmdConvert")->isEnabled());
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        EXPECT_EQ(this->form->statusText(), done);
        EXPECT_FALSE(this->form->close());
        EXPECT_TRUE(this->form->isVisible());
        checkedWhileOpen = true;
    };
    this->child("cmdConvert")->setFocus();
    this->convert();
    EXPECT_TRUE(checkedWhileOpen);
    ASSERT_EQ(this->prompts.messages.size(), 1u);
    EXPECT_EQ(this->prompts.messages[0].text, this->finished);
    EXPECT_EQ(this->prompts.messages[0].icon, felgrove::PromptIcon::Information);
    EXPECT_EQ(painted.texts, (QStringList{QStringLiteral("Analyzing file, please wait..."),
                                          QStringLiteral("Converting, please wait..."), done}));
    EXPECT_EQ(contents(this->output()), TypeParam::converted(this->data));
    EXPECT_TRUE(this->form->isEnabled());
    EXPECT_TRUE(this->child("cmdConvert")->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(this->focusName(), QLatin1String("cmdConvert"));
    EXPECT_EQ(this->form->statusText(), done);
}

// A start below the load address is moved up to it, told while the status
// shows the conversion, and written back in lower case, so the next
// conversion passes without the notice.
TYPED_TEST_P(ToolWindowTest, StartRestrictionWritesTheLoadAddressInLowerCase) {
    this->open();
    writeFile(this->input(), QByteArray::fromHex("00c0") + this->data);
    this->fill(this->input(), this->output(), "0801", "c001");
    QString statusDuringNotice;
    this->prompts.onMessage = [&](const felgrove::RecordingPrompts::Message& m) {
        if (m.text != this->finished)
            statusDuringNotice = this->form->statusText();
    };
    this->convert();
    EXPECT_EQ(this->prompts.texts(),
              (QStringList{QLatin1String(TypeParam::restricted) + QLatin1String("$C000"),
                           this->finished}));
    EXPECT_EQ(this->prompts.messages[0].icon, felgrove::PromptIcon::Information);
    EXPECT_EQ(statusDuringNotice, QLatin1String("Converting, please wait..."));
    EXPECT_EQ(this->box(4)->text(), QLatin1String("c000"));
    EXPECT_EQ(contents(this->output()), TypeParam::converted(this->data.left(2)));
    this->convert();
    EXPECT_EQ(this->prompts.texts(), QStringList{this->finished});
}

// A failing output gets the four-line report naming it; the window is usable
// again at once and nothing is left behind. The output file's own faults
// are held where it is written; one of them is shown here.
TYPED_TEST_P(ToolWindowTest, RunTimeFailureIsReportedAndTheWindowStaysUsable) {
    this->open();
    writeFile(this->input(), this->prg);
    const QByteArray old("old output");
    const struct {
        QString out;
        int failingSync; // the disk cannot keep the file
    } rows[] = {
        {this->dir.filePath(QStringLiteral("none/part.out")), 0},
        {this->dir.path(), 0},
        {this->output(), 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.out.toStdString());
        writeFile(this->output(), old);
        this->fill(this->input(), row.out);
        this->child("cmdConvert")->setFocus();
        {
            const FailingDisk failing(row.failingSync, 0);
            this->convert();
        }
        ASSERT_NO_FATAL_FAILURE(
            expectConversionFailureReport(this->prompts, row.out, row.failingSync));
        EXPECT_EQ(this->prompts.messages.back().text.split(QLatin1String("\r\n")).value(2),
                  TypeParam::program());
        EXPECT_TRUE(this->form->isEnabled());
        EXPECT_TRUE(this->child("cmdConvert")->isEnabled());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(this->form->statusText(), QString());
        EXPECT_EQ(this->focusName(), QLatin1String("cmdConvert"));
        EXPECT_EQ(this->folder(), (QStringList{QStringLiteral("part.out"), QStringLiteral("pic.prg")}));
        EXPECT_EQ(contents(this->output()), old);
        EXPECT_EQ(contents(this->input()), this->prg);
    }
    this->fill(this->input(), this->output());
    this->convert();
    EXPECT_EQ(this->prompts.texts(), QStringList{this->finished});
    EXPECT_EQ(contents(this->output()), TypeParam::converted(this->data));
}

// The input changes between its inspection and the conversion: it is taken
// as it is then, and a vanished one is refused.
TYPED_TEST_P(ToolWindowTest, AnInputChangedAfterItsInspectionIsTakenAsItIsThen) {
    this->open();
    writeFile(this->input(), this->prg);
    this->fill(this->input(), this->output());
    EXPECT_TRUE(this->form->prgInfo()->toPlainText().startsWith(QLatin1String("File size: 8")));
    QFile::resize(this->input(), 4);
    this->convert();
    EXPECT_EQ(this->prompts.texts(), QStringList{this->finished});
    EXPECT_EQ(this->form->statusText(), QLatin1String("Conversion finished. 2 bytes converted."));
    EXPECT_EQ(contents(this->output()), TypeParam::converted(this->data.left(2)));

    QFile::remove(this->input());
    this->convert();
    EXPECT_EQ(this->prompts.texts(), QStringList{QStringLiteral("Invalid input filename")});
    EXPECT_EQ(this->focusName(), QLatin1String("txtStd0"));
    EXPECT_EQ(contents(this->output()), TypeParam::converted(this->data.left(2)));
    EXPECT_TRUE(this->form->isEnabled());
}

// "..." fills the input, moves on to the output box with its text selected
// and keeps the folder; the next dialog opens there. A cancel changes
// nothing; a folder that cannot be kept is reported and the file not taken.
TYPED_TEST_P(ToolWindowTest, BrowseWithBlanksAndSwedishLetters) {
    this->open();
    const QString folder = this->dir.filePath(QStringLiteral("mina filer/å ä ö"));
    QDir().mkpath(folder);
    const QString in = folder + QStringLiteral("/bild på hösten.prg");
    const QString out = this->dir.filePath(QStringLiteral("mina filer/del ÅÄÖ.bin"));
    writeFile(in, this->prg);
    this->box(1)->setText(out);
    this->prompts.fileAnswers = {in};
    this->click("cmdBrowse");
    EXPECT_EQ(this->box(0)->text(), in);
    EXPECT_TRUE(this->form->prgInfo()->toPlainText().startsWith(QLatin1String("File size: 8")));
    EXPECT_EQ(this->focusName(), QLatin1String("txtStd1"));
    EXPECT_EQ(this->box(1)->selectedText(), out);
    EXPECT_EQ(this->setting("LatestPath"), folder);
    this->fill(in, out);
    this->convert();
    EXPECT_EQ(this->prompts.texts(), QStringList{this->finished});
    EXPECT_EQ(contents(out), TypeParam::converted(this->data));
    EXPECT_EQ(contents(in), this->prg);

    this->prompts.messages.clear();
    this->box(4)->setFocus();
    this->click("cmdBrowse"); // no answer: a cancel
    ASSERT_EQ(this->prompts.fileRequests.size(), 2u);
    EXPECT_EQ(this->prompts.fileRequests[1].folder, folder);
    EXPECT_EQ(this->box(0)->text(), in);
    EXPECT_EQ(this->box(1)->text(), out);
    EXPECT_EQ(this->focusName(), QLatin1String("txtStd4"));
    EXPECT_EQ(this->setting("LatestPath"), folder);
    EXPECT_TRUE(this->prompts.messages.empty());

    const felgrove::test::UnwritableSettings unwritable(TypeParam::app());
    this->prompts.fileAnswers = {this->input()};
    this->click("cmdBrowse");
    ASSERT_EQ(this->prompts.messages.size(), 1u);
    EXPECT_TRUE(this->prompts.messages[0].text.endsWith(QLatin1String("\r\nMain_cmdBrowse")));
    EXPECT_EQ(this->box(0)->text(), in);
    EXPECT_EQ(this->focusName(), QLatin1String("txtStd4"));
}

REGISTER_TYPED_TEST_SUITE_P(ToolWindowTest, ScreenReaderHearsWhatTheScreenShows,
                            EachChangeOfTheInputPathShowsThePrgInfo,
                            ConversionShowsProgressAndReturnsTheWindowToUse,
                            StartRestrictionWritesTheLoadAddressInLowerCase,
                            RunTimeFailureIsReportedAndTheWindowStaysUsable,
                            AnInputChangedAfterItsInspectionIsTakenAsItIsThen,
                            BrowseWithBlanksAndSwedishLetters);

} // namespace prg::test
