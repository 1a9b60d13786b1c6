#include "prgtools/bytetable/ui/form1.h"

#include "testsupport/testfiles.h"

#include "testsupport/controltable.h"
#include "testsupport/toolwindowtests.h"

#include <QCheckBox>
#include <QTest>
#include <gtest/gtest.h>


namespace {

using felgrove::PromptIcon;
using prg::test::contents;
using prg::test::writeFile;

struct Nembra {
    using Form = nembra::Form1;
    static QString app() { return QStringLiteral("Nembrix"); }
    static QString program() { return QStringLiteral("Nembra"); }
    static void setRange(Form& form, const QString& start, const QString& end) {
        form.findChild<QCheckBox*>(QStringLiteral("chkLimit"))->setChecked(true);
        form.txtStd(4)->setText(start);
        form.txtStd(5)->setText(end);
    }
    static constexpr const char* restricted = "Start limit restricted to PRG load address ";
    // Eight values a row, the stored default.
    static QByteArray converted(const QByteArray& bytes) {
        QByteArray table;
        for (qsizetype row = 0; row < bytes.size(); row += 8) {
            QStringList values;
            for (char byte : bytes.mid(row, 8))
                values << QStringLiteral("$%1").arg(quint8(byte), 2, 16, QLatin1Char('0')).toUpper();
            table += "\t.byte " + values.join(QLatin1Char(',')).toLatin1() + "\r\n";
        }
        return table;
    }
};

} // namespace

namespace prg::test {
INSTANTIATE_TYPED_TEST_SUITE_P(Nembra, ToolWindowTest, Nembra);
} // namespace prg::test

namespace {

class Window : public prg::test::ToolWindowTest<Nembra> {
protected:
    QCheckBox* limit() const { return child<QCheckBox>("chkLimit"); }
    void fillAll(const QString& in, const QString& out, const QString& values, bool limited,
                 const QString& start, const QString& end) {
        fill(in, out);
        box(3)->setText(values);
        limit()->setChecked(limited);
        box(4)->setText(start);
        box(5)->setText(end);
    }
};

const felgrove::test::Control kControls[] = {
    {"lblStd0", "Form1", "&PRG file", 'P', "txtStd0", 0},
    {"txtStd0", "Form1", nullptr, 0, nullptr, 1},
    {"cmdBrowse", "Form1", "...", 0, nullptr, 2},
    {"lblStd1", "Form1", "&Output file", 'O', "txtStd1", 0},
    {"txtStd1", "Form1", nullptr, 0, nullptr, 3},
    {"lblStd7", "Form1", "PRG info", 0, "txtStd2", 0},
    {"txtStd2", "Form1", nullptr, 0, nullptr, 4},
    {"lblStd2", "Form1", "&Values per row", 'V', "txtStd3", 0},
    {"txtStd3", "Form1", nullptr, 0, nullptr, 5},
    {"lblStd4", "Form1", "(1-32)", 0, nullptr, 0},
    {"chkLimit", "Form1", "&Limit read to", 'L', nullptr, 6},
    {"lblStd5", "Form1", "$", 0, nullptr, 0},
    {"txtStd4", "Form1", nullptr, 0, nullptr, 7},
    {"lblStd6", "Form1", "- $", 0, nullptr, 0},
    {"txtStd5", "Form1", nullptr, 0, nullptr, 8},
    {"cmdConvert", "Form1", "&Read PRG", 'R', nullptr, 9},
    {"cmdHelp", "Form1", "&Help", 'H', nullptr, 10},
    {"cmdExit", "Form1", "E&xit", 'X', nullptr, 11},
    {"staStd", "Form1", nullptr, 0, nullptr, 0},
};

TEST_F(Window, EveryControlWithItsCaptionKeyAndTabStop) {
    open();
    EXPECT_EQ(form->windowTitle(), QLatin1String("Nembra - Coded by Marrok/Felgrove"));
    EXPECT_EQ(focusName(), QLatin1String("txtStd0"));
    EXPECT_EQ(box(3)->text(), QLatin1String("8"));
    EXPECT_FALSE(limit()->isChecked());
    EXPECT_EQ(box(4)->text() + box(5)->text(), QString());
    EXPECT_EQ(form->statusText(), QString());
    fillAll(input(), output(), QStringLiteral("16"), false, QStringLiteral("c000"), {});
    felgrove::test::expectControls(form.get(), kControls);
    for (int address : {4, 5}) {
        box(address)->clear();
        QTest::keyClicks(box(address), QStringLiteral("12345"));
        EXPECT_EQ(box(address)->text(), QLatin1String("1234"));
    }
}

// Which check fails for which text is the input checks' own test; here
// each box gets the focus when its check fails.
TEST_F(Window, InputChecksWarnInOrderAndFocusTheirBox) {
    open();
    writeFile(input(), prg);
    const QString hard = dir.filePath(QStringLiteral("hard.txt"));
    ASSERT_TRUE(prg::test::makeHardLink(input(), hard));
    const struct {
        QString in, out, values;
        bool limited;
        QString start, end;
        const char* message;
        const char* focus;
    } rows[] = {
        {" ", "", "", false, "", "", "Input filename is missing", "txtStd0"},
        {input(), hard, "8", false, "", "", "Output file must not be the input file", "txtStd1"},
        {input(), output(), "ab", false, "", "", "Values per row must be numeric", "txtStd3"},
        {input(), output(), "8", true, "C000", "c0ff", "Invalid limit start address", "txtStd4"},
        {input(), output(), "8", true, "c000", "g000", "Invalid limit end address", "txtStd5"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        fillAll(row.in, row.out, row.values, row.limited, row.start, row.end);
        convert();
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text, QLatin1String(row.message));
        EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Warning);
        EXPECT_EQ(prompts.messages[0].title, QLatin1String("Ostrel"));
        EXPECT_EQ(focusName(), QLatin1String(row.focus));
        EXPECT_TRUE(form->isEnabled());
    }
    EXPECT_FALSE(QFile::exists(output()));
    EXPECT_EQ(contents(input()), prg);
}

// The values per row and the limit come back exactly as typed or stored, a
// stored text longer than a person may type included; the conversion
// judges them with its usual message.
TEST_F(Window, AnyStoredTextIsShownAndJudgedAtConversion) {
    writeFile(input(), prg);
    const struct {
        QString values, start, end;
        bool limited;
        const char* message;
    } rows[] = {
        {QStringLiteral("ab"), {}, {}, true, "Values per row must be numeric"},
        {QString(), {}, {}, true, "Values per row must be numeric"},
        {QStringLiteral("100"), {}, {}, true, "Value per row must be between 1-32"},
        {QString(3000, QLatin1Char('7')), {}, {}, true, "Value per row must be between 1-32"},
        {QStringLiteral("-1"), {}, {}, true, "Value per row must be between 1-32"},
        {QStringLiteral("åäö\t\"=;,"), {}, {}, true, "Values per row must be numeric"},
        {QStringLiteral("8"), QStringLiteral("C000"), QStringLiteral("c0ff"), true,
         "Invalid limit start address"},
        {QStringLiteral("8"), QStringLiteral("0801"), QStringLiteral("\x01\x02"), true,
         "Invalid limit end address"},
        {QStringLiteral(" 4 "), QStringLiteral("0801"), QStringLiteral("0804"), true, "Finished!"},
        // Without the limit its boxes are not looked at: the whole file.
        {QStringLiteral("4"), QStringLiteral("C000"), QString(), false, "Finished!"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.values.left(20).toStdString());
        const prg::SettingsStore store(Nembra::app());
        ASSERT_FALSE(store.write(QStringLiteral("ValuesPerRow"), row.values));
        ASSERT_FALSE(store.write(QStringLiteral("LimitStart"), row.start));
        ASSERT_FALSE(store.write(QStringLiteral("LimitEnd"), row.end));
        prompts.clear();
        open();
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_EQ(box(3)->text(), row.values);
        EXPECT_EQ(box(4)->text(), row.start);
        EXPECT_EQ(box(5)->text(), row.end);
        box(0)->setText(input());
        box(1)->setText(output());
        limit()->setChecked(row.limited);
        convert();
        EXPECT_EQ(prompts.texts(), QStringList{QLatin1String(row.message)});
        EXPECT_TRUE(form->isEnabled());
        box(4)->setText(row.end); // typed text is stored as it is
        click("cmdExit");
        EXPECT_EQ(setting("ValuesPerRow"), row.values);
        EXPECT_EQ(setting("LimitStart"), row.end);
        EXPECT_EQ(setting("LimitEnd"), row.end);
    }
    EXPECT_EQ(contents(output()), "\t.byte $A9,$01,$8D,$20\r\n\t.byte $D0,$60\r\n");
    box(3)->selectAll();
    QTest::keyClicks(box(3), QStringLiteral("123"));
    EXPECT_EQ(box(3)->text(), QLatin1String("12")); // typing keeps its limit
}

// The output name proposed is the input's with ".txt", however many dots
// the folder and the name hold; a name in the box stays.
TEST_F(Window, BrowseProposesAnOutputName) {
    open();
    const QString chosen = dir.filePath(QStringLiteral("my.dir/game.v2.prg"));
    QDir(dir.path()).mkdir(QStringLiteral("my.dir"));
    writeFile(chosen, prg);
    prompts.fileAnswers = {chosen, input()};
    click("cmdBrowse");
    EXPECT_EQ(box(1)->text(), dir.filePath(QStringLiteral("my.dir/game.v2.txt")));
    EXPECT_EQ(box(1)->selectedText(), box(1)->text());
    box(1)->setText(QStringLiteral("kept.txt"));
    click("cmdBrowse");
    EXPECT_EQ(box(0)->text(), input());
    EXPECT_EQ(box(1)->text(), QLatin1String("kept.txt"));
}

TEST_F(Window, HelpHasThreeParagraphs) {
    open();
    click("cmdHelp");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::None);
    EXPECT_EQ(prompts.messages[0].title, Nembra::program());
    const QStringList paragraphs = prompts.messages[0].text.split(QLatin1String("\r\n\r\n"));
    ASSERT_EQ(paragraphs.size(), 3);
    EXPECT_EQ(paragraphs[0], QLatin1String("Nembra 1.0 by Marrok/Felgrove."));
    EXPECT_EQ(
        paragraphs[1],
        QLatin1String("This is a cross-assembly tool used to create byte tables from PRG-files."));
    EXPECT_TRUE(paragraphs[2].contains(QLatin1String("https://felgrove.example.org")));
}

} // namespace
