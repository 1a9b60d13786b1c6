#include "prgtools/extractor/core/helptext.h"
#include "prgtools/extractor/ui/form1.h"
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
    {"lblStd7", "Form1", "PRG info", 0, "txtStd3", 0},
    {"txtStd3", "Form1", nullptr, 0, nullptr, 4},
    {"lblStd2", "Form1", "&Extract", 'E', "txtStd4", 0},
    {"lblStd5", "Form1", "$", 0, nullptr, 0},
    {"txtStd4", "Form1", nullptr, 0, nullptr, 5},
    {"lblStd6", "Form1", "- $", 0, nullptr, 0},
    {"txtStd5", "Form1", nullptr, 0, nullptr, 6},
    {"chkLocation", "Form1", "&Include location bytes", 'I', nullptr, 7},
    {"lblStd4", "Form1", "&New location", 'N', "txtStd2", 0},
    {"lblStd3", "Form1", "$", 0, nullptr, 0},
    {"txtStd2", "Form1", nullptr, 0, nullptr, 8},
    {"cmdConvert", "Form1", "Extract &data", 'D', nullptr, 9},
    {"cmdHelp", "Form1", "&Help", 'H', nullptr, 10},
    {"cmdExit", "Form1", "E&xit", 'X', nullptr, 11},
    {"staStd", "Form1", nullptr, 0, nullptr, 0},
};

struct Slivra {
    using Form = slivra::Form1;
    static QString app() { return QStringLiteral("Slivra"); }
    static QString program() { return app(); }
    static QString help() { return slivra::helpText(); }
    static void setRange(Form& form, const QString& start, const QString& end) {
        form.txtStd(4)->setText(start);
        form.txtStd(5)->setText(end);
    }
    static void setOwn(Form& form, const char* location) {
        form.findChild<QCheckBox*>(QStringLiteral("chkLocation"))->setChecked(location);
        form.txtStd(2)->setText(QLatin1String(location));
    }
    static constexpr prg::test::Refusal refusals[] = {
        {"pic.prg", "part.out", "0801", "0809", "zz", "Invalid new location address", "txtStd2"},
        {"pic.prg", "part.out", "0801", "0809", "", "Invalid new location address", "txtStd2"},
    };
    static constexpr const char* restricted = "Extract start restricted to PRG load address $C000";
    static constexpr const char* proposed = "";
    static constexpr std::pair<int, int> lengths[] = {{2, 4}, {4, 4}, {5, 4}};
    static inline const QByteArray full = QByteArray::fromHex("a9018d20d060");
    static inline const QByteArray two = full.left(2);
    static constexpr std::span<const felgrove::test::Control> controls = kControls;
};

} // namespace

namespace prg::test {
INSTANTIATE_TYPED_TEST_SUITE_P(Slivra, ToolWindowTest, Slivra);
} // namespace prg::test

namespace {

class Window : public prg::test::ToolWindowTest<Slivra> {
protected:
    QCheckBox* location() const { return child<QCheckBox>("chkLocation"); }
};

// Whatever the store holds, the window opens and works: a value that is not
// 0 or 1 is reported and leaves the box unchecked. Without location bytes
// the new location is locked, in the window's colour, passed by Tab and
// heard as read-only; its text stays either way. Closing, by the
// window's own control or by Exit, stores the box as 0 or 1, not the text.
TEST_F(Window, IncludeLocationIsStoredAndReadBack) {
    const struct {
        const char* stored;
        bool reported, on, exit;
    } rows[] = {
        {"abc", true, false, false}, {"", true, false, true},    {"2", true, false, false},
        {"-1", true, false, true},   {"1.5", true, false, true}, {" 1 ", false, true, false},
        {"0", false, false, true},   {"1", false, true, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stored);
        ASSERT_FALSE(prg::SettingsStore(Slivra::app())
                         .write(QStringLiteral("IncludeLocation"), QLatin1String(row.stored)));
        prompts.clear();
        open();
        EXPECT_EQ(prompts.texts().join("").endsWith(QLatin1String("\r\nMain_Form_Load")),
                  row.reported);
        EXPECT_EQ(location()->isChecked(), row.on);
        EXPECT_EQ(box(2)->text(), QString());
        EXPECT_EQ(box(2)->palette().color(QPalette::Base),
                  QApplication::palette().color(row.on ? QPalette::Base : QPalette::Button));
        EXPECT_EQ(felgrove::test::tabRound(box(5), 3),
                  row.on ? "txtStd5 chkLocation txtStd2" : "txtStd5 chkLocation cmdConvert");
        EXPECT_EQ(bool(QAccessible::queryAccessibleInterface(box(2))->state().readOnly), !row.on);
        box(2)->setText(QStringLiteral("6000"));
        location()->click();
        EXPECT_EQ(box(2)->isReadOnly(), row.on);
        EXPECT_EQ(box(2)->text(), QLatin1String("6000"));
        QCloseEvent closeControl;
        row.exit ? click("cmdExit")
                 : void(QApplication::sendEvent(form->windowHandle(), &closeControl));
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(setting("IncludeLocation"), QLatin1String(row.on ? "0" : "1"));
    }
}

TEST_F(Window, NewLocationIsWrittenLowByteFirst) {
    open();
    writeFile(input(), prg);
    fill(input(), output(), "0801", "0801");
    Slivra::setOwn(*form, "6000");
    convert();
    EXPECT_EQ(contents(output()), QByteArray::fromHex("0060a9"));
}

} // namespace
