#include "prgtools/bytetable/core/helptext.h"
#include "prgtools/bytetable/ui/form1.h"
#include "testsupport/toolwindowtests.h"

#include <QCheckBox>

namespace {

using prg::test::contents;
using prg::test::writeFile;

constexpr felgrove::test::Control kControls[] = {
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

struct Nembra {
    using Form = nembra::Form1;
    static QString app() { return QStringLiteral("Nembrix"); }
    static QString program() { return QStringLiteral("Nembra"); }
    static QString help() { return nembra::helpText(); }
    static void setRange(Form& form, const QString& start, const QString& end) {
        form.findChild<QCheckBox*>(QStringLiteral("chkLimit"))->setChecked(true);
        form.txtStd(4)->setText(start);
        form.txtStd(5)->setText(end);
    }
    static void setOwn(Form& form, const char* values) {
        form.txtStd(3)->setText(QLatin1String(values ? values : "8"));
    }
    static constexpr prg::test::Refusal refusals[] = {
        {"pic.prg", "part.out", "0801", "0809", "ab", "Values per row must be numeric", "txtStd3"},
    };
    static constexpr const char* restricted = "Start limit restricted to PRG load address $C000";
    static constexpr const char* proposed = ".txt";
    static constexpr std::pair<int, int> lengths[] = {{3, 2}, {4, 4}, {5, 4}};
    static inline const QByteArray full = "\t.byte $A9,$01,$8D,$20,$D0,$60\r\n"; // eight a row
    static inline const QByteArray two = "\t.byte $A9,$01\r\n";
    static constexpr std::span<const felgrove::test::Control> controls = kControls;
};

} // namespace

namespace prg::test {
INSTANTIATE_TYPED_TEST_SUITE_P(Nembra, ToolWindowTest, Nembra);
} // namespace prg::test

namespace {

class Window : public prg::test::ToolWindowTest<Nembra> {
protected:
    QStringList boxes() const { return {box(3)->text(), box(4)->text(), box(5)->text()}; }
};

// The window starts with eight values a row and no limit. The values per row
// and the limit open exactly as stored, a text longer than a person may
// type included, and are judged at conversion; without the limit its boxes
// are not looked at. Exit stores the boxes as they are then.
TEST_F(Window, StoredTextsAreShownAndJudgedAtConversion) {
    open();
    EXPECT_EQ(boxes(), (QStringList{QStringLiteral("8"), {}, {}}));
    EXPECT_FALSE(child<QCheckBox>("chkLimit")->isChecked());
    writeFile(input(), prg);
    const struct {
        QString values;
        const char *start, *end; // no end: no limit
        const char* message;
    } rows[] = {
        {QStringLiteral("åäö\t\"=;,"), "", "", "Values per row must be numeric"},
        {QString(3000, QLatin1Char('7')), "", "", "Value per row must be between 1-32"},
        {QStringLiteral("8"), "0801", "\x01\x02", "Invalid limit end address"},
        {QStringLiteral(" 4 "), "0801", "0804", "Finished!"},
        {QStringLiteral("4"), "C000", "", "Finished!"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.values.left(20).toStdString());
        const prg::SettingsStore store(Nembra::app());
        ASSERT_FALSE(store.write(QStringLiteral("ValuesPerRow"), row.values));
        ASSERT_FALSE(store.write(QStringLiteral("LimitStart"), QLatin1String(row.start)));
        ASSERT_FALSE(store.write(QStringLiteral("LimitEnd"), QLatin1String(row.end)));
        prompts.clear();
        open();
        EXPECT_EQ(boxes(), (QStringList{row.values, row.start, row.end}));
        box(0)->setText(input());
        box(1)->setText(output());
        child<QCheckBox>("chkLimit")->setChecked(*row.end);
        click("cmdConvert");
        EXPECT_EQ(prompts.texts(), QStringList{row.message});
        box(4)->setText(QLatin1String(row.end));
        box(5)->setText(QLatin1String(row.start));
        click("cmdExit");
        EXPECT_EQ(
            QStringList({setting("ValuesPerRow"), setting("LimitStart"), setting("LimitEnd")}),
            (QStringList{row.values, row.end, row.start}));
    }
    EXPECT_EQ(contents(output()), "\t.byte $A9,$01,$8D,$20\r\n\t.byte $D0,$60\r\n");
}

} // namespace
