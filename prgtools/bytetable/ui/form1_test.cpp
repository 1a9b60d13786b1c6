#include "prgtools/bytetable/ui/form1.h"

#include "testsupport/droptest.h"
#include "testsupport/testfiles.h"

#include "prgtools/common/core/settingsstore.h"
#include "testsupport/accessiblecheck.h"
#include "testsupport/conversionreport.h"
#include "testsupport/recordingprompts.h"
#include "testsupport/testfaults.h"
#include "testsupport/testsettings.h"

#include <QAbstractButton>
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
#include <QTextDocument>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using prg::test::contents;
using prg::test::writeFile;

using felgrove::PromptIcon;
using felgrove::RecordingPrompts;

const QString kApplication = QStringLiteral("Nembrix");

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        felgrove::test::clearSettings(kApplication);
        input = dir.filePath(QStringLiteral("game.prg"));
        output = dir.filePath(QStringLiteral("game.txt"));
        writeFile(input, QByteArray::fromHex("00c0a9018d20d060"));
    }

    void open() {
        window = std::make_unique<nembra::Form1>(prompts);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QLineEdit* txtStd(int index) const {
        return window->findChild<QLineEdit*>(QStringLiteral("txtStd%1").arg(index));
    }
    QPlainTextEdit* prgInfo() const { return window->findChild<QPlainTextEdit*>("txtStd2"); }
    QCheckBox* chkLimit() const { return window->findChild<QCheckBox*>("chkLimit"); }
    QAbstractButton* button(const char* name) const {
        return window->findChild<QAbstractButton*>(name);
    }
    QString setting(const char* key) const {
        return prg::SettingsStore(kApplication).read(QLatin1String(key), QStringLiteral("<none>"));
    }

    void fill(const QString& in, const QString& out, const QString& values, bool limit = false,
              const QString& start = QString(), const QString& end = QString()) {
        txtStd(0)->setText(in);
        txtStd(1)->setText(out);
        txtStd(3)->setText(values);
        chkLimit()->setChecked(limit);
        txtStd(4)->setText(start);
        txtStd(5)->setText(end);
    }
    void readPrg() {
        prompts.messages.clear();
        QTest::mouseClick(button("cmdConvert"), Qt::LeftButton);
    }

    QTemporaryDir dir;
    QString input;
    QString output;
    RecordingPrompts prompts;
    std::unique_ptr<nembra::Form1> window;
};

TEST_F(Form1Test, OpensWithTheStoredOrDefaultValues) {
    open();
    EXPECT_EQ(window->windowTitle(), QLatin1String("Nembra - Coded by Marrok/Felgrove"));
    // Screen readers announce a window under that title.
    QAccessibleInterface* announced = QAccessible::queryAccessibleInterface(window.get());
    EXPECT_EQ(announced->role(), QAccessible::Window);
    EXPECT_EQ(announced->text(QAccessible::Name), window->windowTitle());
    EXPECT_EQ(txtStd(3)->text(), QLatin1String("8"));
    EXPECT_EQ(txtStd(4)->text(), QString());
    EXPECT_EQ(txtStd(5)->text(), QString());
    EXPECT_EQ(prgInfo()->toPlainText(), QLatin1String("N/A"));
    EXPECT_TRUE(prgInfo()->isReadOnly());
    EXPECT_FALSE(chkLimit()->isChecked());
    EXPECT_EQ(window->statusText(), QString());
    EXPECT_EQ(QApplication::focusWidget(), txtStd(0));
    EXPECT_EQ(txtStd(3)->maxLength(), 2);
    EXPECT_EQ(txtStd(4)->maxLength(), 4);
    EXPECT_EQ(txtStd(5)->maxLength(), 4);
    EXPECT_GE(window->width(), 475);
    EXPECT_GE(window->height(), 194);
}

// A screen reader hears every text on the screen, the status bar's included.
TEST_F(Form1Test, ScreenReaderHearsWhatTheScreenShows) {
    open();
    window->findChild<QLabel*>("staStdPanel1")
        ->setText(QStringLiteral("Conversion finished. 12 bytes converted."));
    EXPECT_EQ(felgrove::test::misreadTexts(window.get()), "");
}

TEST_F(Form1Test, TabOrderFollowsTheForm) {
    open();
    const QStringList expected = {"txtStd0",  "cmdBrowse", "txtStd1", "txtStd3",
                                  "chkLimit", "txtStd4",   "txtStd5", "cmdConvert",
                                  "cmdHelp",  "cmdExit",   "txtStd2", "txtStd0"};
    txtStd(0)->setText(input);
    txtStd(1)->setText(output);
    txtStd(4)->setText(QStringLiteral("c000"));
    QStringList seen{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        seen << focus->objectName();
        // Every box, the PRG information included, selects its whole text.
        if (auto* box = qobject_cast<QLineEdit*>(focus)) {
            EXPECT_EQ(box->selectedText(), box->text()) << box->objectName().toStdString();
        }
        if (auto* info = qobject_cast<QPlainTextEdit*>(focus)) {
            EXPECT_EQ(info->textCursor().selectionStart(), 0);
            EXPECT_EQ(info->textCursor().selectionEnd(), info->document()->characterCount() - 1);
        }
    }
    EXPECT_EQ(seen, expected);
}

TEST_F(Form1Test, AccessKeysMoveTheFocusOrPress) {
    open();
    txtStd(3)->setText(QStringLiteral("16"));
    const std::pair<Qt::Key, const char*> toBox[] = {
        {Qt::Key_O, "txtStd1"}, {Qt::Key_V, "txtStd3"}, {Qt::Key_P, "txtStd0"}};
    for (const auto& [key, name] : toBox) {
        QTest::keyClick(window.get(), key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(name));
    }
    QTest::keyClick(window.get(), Qt::Key_V, Qt::AltModifier);
    EXPECT_EQ(txtStd(3)->selectedText(), QLatin1String("16")); // whole text selected

    // A button's access key presses it after a short visible press.
    QTest::keyClick(window.get(), Qt::Key_L, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return chkLimit()->isChecked(); }));
    QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts.messages.size() == 1; }));
    EXPECT_EQ(prompts.messages[0].title, QLatin1String("Nembra"));
    QTest::keyClick(window.get(), Qt::Key_R, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts.messages.size() == 2; }));
    EXPECT_EQ(prompts.texts().last(), QLatin1String("Input filename is missing"));
    QTest::keyClick(window.get(), Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }));

    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().contains(QLatin1Char('&'))) {
            EXPECT_NE(label->buddy(), nullptr) << label->objectName().toStdString();
        }
    }
}

struct CheckRow {
    const char* name;
    QString in, out, values;
    bool limit;
    QString start, end;
    const char* message;
    const char* focus;
};

void PrintTo(const CheckRow& row, std::ostream* os) {
    *os << row.name;
}

class Form1Checks : public Form1Test, public ::testing::WithParamInterface<CheckRow> {};

// "{in}" is an existing PRG, "{out}" a free output path.
TEST_P(Form1Checks, WarnAndFocusTheBox) {
    open();
    const CheckRow& row = GetParam();
    // "{link}" and "{hard}" name the input through a symbolic and a hard
    // link, "{dir}" a folder.
    const QString link = dir.filePath(QStringLiteral("link.txt"));
    const QString hard = dir.filePath(QStringLiteral("hard.txt"));
    ASSERT_TRUE(QFile::link(input, link));
    ASSERT_TRUE(prg::test::makeHardLink(input, hard));
    const auto resolve = [&](QString text) {
        return text.replace(QLatin1String("{in}"), input)
            .replace(QLatin1String("{out}"), output)
            .replace(QLatin1String("{link}"), link)
            .replace(QLatin1String("{hard}"), hard)
            .replace(QLatin1String("{dir}"), dir.path());
    };
    fill(resolve(row.in), resolve(row.out), row.values, row.limit, row.start, row.end);
    readPrg();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, QLatin1String(row.message));
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Warning);
    EXPECT_EQ(prompts.messages[0].title, QLatin1String("Ostrel"));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(row.focus));
    EXPECT_FALSE(QFile::exists(output));
    EXPECT_EQ(contents(input), QByteArray::fromHex("00c0a9018d20d060"));
    EXPECT_TRUE(window->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, Form1Checks,
    ::testing::Values(
        CheckRow{"NoInput", " ", "", "", false, "", "", "Input filename is missing", "txtStd0"},
        CheckRow{"BadInput", "{in}x", "", "", false, "", "", "Invalid input filename", "txtStd0"},
        CheckRow{"NoOutput", "{in}", "  ", "", false, "", "", "Output filename is missing",
                 "txtStd1"},
        CheckRow{"InputIsAFolder", "{dir}", "{out}", "8", false, "", "", "Invalid input filename",
                 "txtStd0"},
        CheckRow{"OutputIsInput", "{in}", "{in}", "8", false, "", "",
                 "Output file must not be the input file", "txtStd1"},
        CheckRow{"OutputLinksToInput", "{in}", "{link}", "8", false, "", "",
                 "Output file must not be the input file", "txtStd1"},
        CheckRow{"OutputIsAHardLinkOfInput", "{in}", "{hard}", "8", false, "", "",
                 "Output file must not be the input file", "txtStd1"},
        CheckRow{"ValuesNotNumeric", "{in}", "{out}", "ab", false, "", "",
                 "Values per row must be numeric", "txtStd3"},
        CheckRow{"ValuesOutOfRange", "{in}", "{out}", "33", false, "", "",
                 "Value per row must be between 1-32", "txtStd3"},
        CheckRow{"NoLimitEnd", "{in}", "{out}", "8", true, "c000", "",
                 "You must specify limit start and end", "txtStd4"},
        CheckRow{"BadLimitStart", "{in}", "{out}", "8", true, "C000", "c0ff",
                 "Invalid limit start address", "txtStd4"},
        CheckRow{"BadLimitEnd", "{in}", "{out}", "8", true, "c000", "g000",
                 "Invalid limit end address", "txtStd5"}));

TEST_F(Form1Test, ConversionReportsInStatusAndReturnsTheWindow) {
    open();
    fill(input, output, QStringLiteral("4"));
    bool disabledWhileOpen = false;
    bool busyWhileOpen = false;
    QString statusWhileOpen;
    prompts.onMessage = [&](const RecordingPrompts::Message&) {
        disabledWhileOpen = !window->isEnabled() && !button("cmdConvert")->isEnabled();
        busyWhileOpen = QApplication::overrideCursor() &&
                        QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        statusWhileOpen = window->statusText();
    };
    readPrg();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, QLatin1String("Finished!"));
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Information);
    EXPECT_EQ(prompts.messages[0].title, QLatin1String("Ostrel"));
    EXPECT_TRUE(disabledWhileOpen);
    EXPECT_TRUE(busyWhileOpen);
    EXPECT_EQ(statusWhileOpen, QLatin1String("Conversion finished. 6 bytes converted."));
    EXPECT_EQ(contents(output), "\t.byte $A9,$01,$8D,$20\r\n\t.byte $D0,$60\r\n");
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(button("cmdConvert")->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Form1Test, StartLimitAdjustmentWritesLowerCaseAndPassesNextTime) {
    open();
    fill(input, output, QStringLiteral("8"), true, QStringLiteral("bf00"), QStringLiteral("c003"));
    QString boxWhenFinished;
    prompts.onMessage = [&](const RecordingPrompts::Message& m) {
        if (m.text == QLatin1String("Finished!"))
            boxWhenFinished = txtStd(4)->text();
    };
    readPrg();
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].text,
              QLatin1String("Start limit restricted to PRG load address $C000"));
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Information);
    EXPECT_EQ(boxWhenFinished, QLatin1String("c000"));
    EXPECT_EQ(contents(output), "\t.byte $A9,$01,$8D,$20\r\n");

    readPrg();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Finished!")});
    window->close();
    EXPECT_EQ(setting("LimitStart"), QLatin1String("c000"));
}

// The start-limit notice lets window events run; a close then must not end
// the window under the running conversion.
TEST_F(Form1Test, ClosingDuringAConversionIsRefused) {
    open();
    fill(input, output, QStringLiteral("8"), true, QStringLiteral("0801"), QStringLiteral("ffff"));
    bool closedDuringNotice = true;
    prompts.onMessage = [&](const RecordingPrompts::Message& m) {
        if (m.text.startsWith(QLatin1String("Start limit")))
            closedDuringNotice = window->close();
    };
    readPrg();
    EXPECT_FALSE(closedDuringNotice);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(prompts.texts().last(), QLatin1String("Finished!"));
    EXPECT_TRUE(window->close());
}

TEST_F(Form1Test, RunTimeFailureIsReportedAndTheWindowComesBack) {
    open();
    const QString missingFolder = dir.filePath(QStringLiteral("missing/game.txt"));
    fill(input, missingFolder, QStringLiteral("8"));
    bool disabledWhileOpen = false;
    prompts.onMessage = [&](const RecordingPrompts::Message&) {
        disabledWhileOpen = !window->isEnabled();
    };
    readPrg();
    ASSERT_EQ(prompts.messages.size(), 1u);
    const QStringList lines = prompts.messages[0].text.split(QLatin1String("\r\n"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_NE(lines[0].toInt(), 0);
    EXPECT_EQ(lines[2], QLatin1String("Nembra"));
    EXPECT_EQ(lines[3], QLatin1String("Main_cmdConvert_Click"));
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Warning);
    EXPECT_TRUE(disabledWhileOpen);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(button("cmdConvert")->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(QFile::exists(missingFolder));
    EXPECT_EQ(window->statusText(), QString());

    fill(input, output, QStringLiteral("8")); // usable again
    readPrg();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Finished!")});
}

TEST_F(Form1Test, SettingsComeBackExactlyAsTyped) {
    open();
    txtStd(3)->setText(QStringLiteral("ab"));
    txtStd(4)->setText(QStringLiteral("C000"));
    txtStd(5)->setText(QStringLiteral(" 1 "));
    window->close();
    EXPECT_EQ(setting("ValuesPerRow"), QLatin1String("ab"));
    EXPECT_EQ(setting("LimitStart"), QLatin1String("C000"));
    EXPECT_EQ(setting("LimitEnd"), QLatin1String(" 1 "));

    open();
    EXPECT_EQ(txtStd(3)->text(), QLatin1String("ab"));
    EXPECT_EQ(txtStd(4)->text(), QLatin1String("C000"));
    EXPECT_EQ(txtStd(5)->text(), QLatin1String(" 1 "));
    QTest::mouseClick(button("cmdExit"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(setting("ValuesPerRow"), QLatin1String("ab"));
}

// A stored text longer than a person may type is shown whole, not cut to a
// different number, and judged at the next conversion.
TEST_F(Form1Test, LongStoredValuesPerRowIsNotCut) {
    prg::SettingsStore(kApplication).write(QStringLiteral("ValuesPerRow"), QStringLiteral("100"));
    open();
    EXPECT_EQ(txtStd(3)->text(), QLatin1String("100"));
    fill(input, output, txtStd(3)->text());
    readPrg();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Value per row must be between 1-32")});
    txtStd(3)->selectAll();
    QTest::keyClicks(txtStd(3), QStringLiteral("123"));
    EXPECT_EQ(txtStd(3)->text(), QLatin1String("12")); // typing keeps its limit
}

TEST_F(Form1Test, BrowseFillsThePathsAndProposesAnOutputName) {
    open();
    const QString chosen = dir.filePath(QStringLiteral("my.dir/game.v2.prg"));
    QDir(dir.path()).mkdir(QStringLiteral("my.dir"));
    writeFile(chosen, QByteArray::fromHex("0108000000"));
    prompts.fileAnswers = {chosen, input};
    QTest::mouseClick(button("cmdBrowse"), Qt::LeftButton);
    EXPECT_EQ(txtStd(0)->text(), chosen);
    EXPECT_EQ(txtStd(1)->text(), dir.filePath(QStringLiteral("my.dir/game.v2.txt")));
    EXPECT_EQ(txtStd(1)->selectedText(), txtStd(1)->text());
    EXPECT_EQ(QApplication::focusWidget(), txtStd(1));
    EXPECT_TRUE(prgInfo()->toPlainText().startsWith(QLatin1String("File size: 5 bytes\n")));
    EXPECT_EQ(prompts.fileRequests[0].title, QLatin1String("Select Binary-file"));
    EXPECT_EQ(setting("LatestPath"), dir.filePath(QStringLiteral("my.dir")));

    txtStd(1)->setText(QStringLiteral("kept.txt")); // a name in the box stays
    QTest::mouseClick(button("cmdBrowse"), Qt::LeftButton);
    EXPECT_EQ(txtStd(0)->text(), input);
    EXPECT_EQ(txtStd(1)->text(), QLatin1String("kept.txt"));
    EXPECT_EQ(prompts.fileRequests[1].folder, dir.filePath(QStringLiteral("my.dir")));

    // The folder cannot be stored: the report, and the chosen file is not taken.
    const felgrove::test::UnwritableSettings unwritable(kApplication);
    prompts.fileAnswers = {chosen};
    QTest::mouseClick(button("cmdBrowse"), Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.endsWith(QLatin1String("\r\nMain_cmdBrowse")));
    EXPECT_EQ(txtStd(0)->text(), input);
}

TEST_F(Form1Test, BrowseCancelChangesNothing) {
    open();
    txtStd(0)->setText(input);
    QTest::mouseClick(button("cmdBrowse"), Qt::LeftButton); // no answer: cancelled
    EXPECT_EQ(prompts.fileRequests.size(), 1u);
    EXPECT_EQ(txtStd(0)->text(), input);
    EXPECT_EQ(txtStd(1)->text(), QString());
    EXPECT_EQ(setting("LatestPath"), QLatin1String("<none>"));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(Form1Test, InputPathTypedOrDroppedShowsThePrgInfo) {
    open();
    // A file dropped from a file manager gives its path, as if typed.
    const auto file = felgrove::test::dragData(felgrove::test::Drag::OneLocalFile, input);
    EXPECT_TRUE(felgrove::test::dragAndDrop(txtStd(1), file.get()));
    EXPECT_EQ(txtStd(1)->text(), input);
    EXPECT_TRUE(felgrove::test::dragAndDrop(txtStd(0), file.get()));
    EXPECT_EQ(txtStd(0)->text(), input);
    EXPECT_EQ(prgInfo()->toPlainText(),
              QLatin1String("File size: 8 bytes\nData: 6 ($6)\nAssumed load address: $C000\n"
                            "Assumed memory location: $C000 - $C006"));
    // Four lines on the screen too: none of them is wrapped.
    EXPECT_EQ(prgInfo()->document()->lineCount(), 4);
    txtStd(0)->setText(dir.path());
    EXPECT_EQ(prgInfo()->toPlainText(), QLatin1String("N/A"));
}

TEST_F(Form1Test, HelpHasThreeParagraphs) {
    open();
    QTest::mouseClick(button("cmdHelp"), Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::None);
    EXPECT_EQ(prompts.messages[0].title, QLatin1String("Nembra"));
    const QStringList paragraphs = prompts.messages[0].text.split(QLatin1String("\r\n\r\n"));
    ASSERT_EQ(paragraphs.size(), 3);
    EXPECT_EQ(paragraphs[0], QLatin1String("Nembra 1.0 by Marrok/Felgrove."));
    EXPECT_EQ(
        paragraphs[1],
        QLatin1String("This is a cross-assembly tool used to create byte tables from PRG-files."));
    EXPECT_TRUE(paragraphs[2].contains(QLatin1String("https://felgrove.example.org")));
}

// The output fails at each stage: it cannot be created, the disk fills up in
// the middle, or the finished table cannot take its place. Each time one
// clear report, the old table and the input whole, nothing left behind, and
// the window ready for the next conversion.
TEST_F(Form1Test, OutputFailingAtAnyStageLosesNothing) {
    open();
    const QByteArray prg = QByteArray::fromHex("0060") + QByteArray(3000, '\x42');
    const QByteArray oldTable = "old table\r\n";
    writeFile(input, prg);
    const struct {
        const char* name;
        QString out;
        prg::test::FileBytes diskSpace;     // bytes the output may reach
        std::function<void()> duringNotice; // while the start notice is open
        int failingSync = 0;                // the disk cannot keep the file
    } stages[] = {
        {"a file where a folder should be",
         input + QStringLiteral("/game.txt"),
         prg::test::kUnlimited,
         {}},
        {"a place no one may write", prg::test::unwritablePlace(), prg::test::kUnlimited, {}},
        {"the disk fills up", output, 1000, {}},
        {"a folder takes the name before the end", output, prg::test::kUnlimited,
         [this] { QDir(dir.path()).mkdir(QStringLiteral("game.txt")); }},
        {"the disk cannot keep the file", output, prg::test::kUnlimited, {}, 1},
    };
    for (const auto& stage : stages) {
        SCOPED_TRACE(stage.name);
        writeFile(output, oldTable);
        prompts.onMessage = [&](const RecordingPrompts::Message& m) {
            if (m.text.startsWith(QLatin1String("Start limit")) && stage.duringNotice) {
                QFile::remove(output);
                stage.duringNotice();
            }
        };
        fill(input, stage.out, QStringLiteral("8"), true, QStringLiteral("0801"),
             QStringLiteral("ffff"));
        {
            const prg::test::FileSizeLimit disk(stage.diskSpace);
            const prg::test::FailingDisk failing(stage.failingSync, 0);
            readPrg();
        }
        // The start notice comes first when the output could be created.
        ASSERT_NO_FATAL_FAILURE(
            prg::test::expectConversionFailureReport(prompts, stage.out, stage.failingSync));
        EXPECT_TRUE(window->isEnabled());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(contents(input), prg);
        EXPECT_EQ(
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList{QStringLiteral("game.prg"), QStringLiteral("game.txt")}));
        if (stage.duringNotice) {
            EXPECT_TRUE(QFileInfo(output).isDir());
            QDir(output).removeRecursively();
        } else {
            EXPECT_EQ(contents(output), oldTable);
        }
    }
    prompts.onMessage = {};
    fill(input, output, QStringLiteral("32"));
    readPrg();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Finished!")});
    EXPECT_EQ(window->statusText(), QLatin1String("Conversion finished. 3000 bytes converted."));
}

// The input changes between its inspection and the conversion.
TEST_F(Form1Test, AnInputChangedAfterItsInspectionIsTakenAsItIsThen) {
    open();
    fill(input, output, QStringLiteral("8"));
    EXPECT_TRUE(prgInfo()->toPlainText().startsWith(QLatin1String("File size: 8 bytes")));
    QFile::resize(input, 4);
    readPrg();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Finished!")});
    EXPECT_EQ(window->statusText(), QLatin1String("Conversion finished. 2 bytes converted."));
    EXPECT_EQ(contents(output), "\t.byte $A9,$01\r\n");

    QFile::remove(input);
    readPrg();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Invalid input filename")});
    EXPECT_EQ(QApplication::focusWidget(), txtStd(0));
    EXPECT_EQ(contents(output), "\t.byte $A9,$01\r\n");
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(Form1Test, PathsWithBlanksAndSwedishLetters) {
    open();
    QDir(dir.path()).mkpath(QStringLiteral("mina filer/å ä ö"));
    const QString chosen = dir.filePath(QStringLiteral("mina filer/å ä ö/spel på hösten.prg"));
    writeFile(chosen, QByteArray::fromHex("00c0a9018d20d060"));
    prompts.fileAnswers = {chosen};
    QTest::mouseClick(button("cmdBrowse"), Qt::LeftButton);
    const QString proposed = dir.filePath(QStringLiteral("mina filer/å ä ö/spel på hösten.txt"));
    EXPECT_EQ(txtStd(1)->text(), proposed);
    EXPECT_TRUE(prgInfo()->toPlainText().startsWith(QLatin1String("File size: 8 bytes")));
    EXPECT_EQ(setting("LatestPath"), dir.filePath(QStringLiteral("mina filer/å ä ö")));
    readPrg();
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Finished!")});
    EXPECT_EQ(contents(proposed), "\t.byte $A9,$01,$8D,$20,$D0,$60\r\n");
}

// Whatever the store holds, the window opens with it shown as stored, and
// the conversion judges it with its usual message.
TEST_F(Form1Test, AnyStoredTextIsShownAndJudgedAtConversion) {
    const struct {
        QString values, start, end;
        const char* message;
    } cases[] = {
        {QStringLiteral("ab"), {}, {}, "Values per row must be numeric"},
        {QString(), {}, {}, "Values per row must be numeric"},
        {QString(3000, QLatin1Char('7')), {}, {}, "Value per row must be between 1-32"},
        {QStringLiteral("-1"), {}, {}, "Value per row must be between 1-32"},
        {QStringLiteral("åäö\t\"=;,"), {}, {}, "Values per row must be numeric"},
        {QStringLiteral("8"), QStringLiteral("C000"), QStringLiteral("c0ff"),
         "Invalid limit start address"},
        {QStringLiteral("8"), QStringLiteral("c000"), QStringLiteral("\x01\x02"),
         "Invalid limit end address"},
        {QStringLiteral(" 4 "), QStringLiteral("c000"), QStringLiteral("c003"), "Finished!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.values.left(20).toStdString());
        const prg::SettingsStore store(kApplication);
        ASSERT_FALSE(store.write(QStringLiteral("ValuesPerRow"), c.values));
        ASSERT_FALSE(store.write(QStringLiteral("LimitStart"), c.start));
        ASSERT_FALSE(store.write(QStringLiteral("LimitEnd"), c.end));
        prompts.messages.clear();
        open();
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_EQ(txtStd(3)->text(), c.values);
        EXPECT_EQ(txtStd(4)->text(), c.start);
        EXPECT_EQ(txtStd(5)->text(), c.end);
        txtStd(0)->setText(input);
        txtStd(1)->setText(output);
        chkLimit()->setChecked(true);
        readPrg();
        EXPECT_EQ(prompts.texts(), QStringList{QLatin1String(c.message)});
        EXPECT_TRUE(window->isEnabled());
        window->close();
        EXPECT_EQ(setting("ValuesPerRow"), c.values);
    }
}

} // namespace
