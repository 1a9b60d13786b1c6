#include "prgtools/extractor/ui/form1.h"
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

struct Slivra {
    using Form = slivra::Form1;
    static QString app() { return QStringLiteral("Slivra"); }
    static QString program() { return app(); }
    static void setRange(Form& form, const QString& start, const QString& end) {
        form.txtStd(4)->setText(start);
        form.txtStd(5)->setText(end);
    }
    static constexpr const char* restricted = "Extract start restricted to PRG load address ";
    static QByteArray converted(const QByteArray& bytes) { return bytes; }
};

} // namespace

namespace prg::test {
INSTANTIATE_TYPED_TEST_SUITE_P(Slivra, ToolWindowTest, Slivra);
} // namespace prg::test

namespace {

class Window : public prg::test::ToolWindowTest<Slivra> {
protected:
    QCheckBox* location() const { return child<QCheckBox>("chkLocation"); }
    QString stored() const { return setting("IncludeLocation"); }
};

const felgrove::test::Control kControls[] = {
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

// The access key of "Include location bytes" ticks the box, which makes the
// new location a tab stop; without location bytes Tab passes it by.
TEST_F(Window, EveryControlWithItsCaptionKeyAndTabStop) {
    open();
    EXPECT_EQ(form->windowTitle(), QLatin1String("Slivra - Coded by Marrok/Felgrove"));
    EXPECT_EQ(focusName(), QLatin1String("txtStd0"));
    box(4)->setText(QStringLiteral("5800"));
    EXPECT_EQ(form->statusText(), QString());
    felgrove::test::expectControls(form.get(), kControls);
    for (int address : {2, 4, 5}) { // the location is on: all three take typing
        box(address)->clear();
        QTest::keyClicks(box(address), QStringLiteral("12345"));
        EXPECT_EQ(box(address)->text(), QLatin1String("1234"));
    }
    open();
    location()->setChecked(false);
    EXPECT_EQ(felgrove::test::tabRound(box(0), 11),
              std::string("txtStd0 cmdBrowse txtStd1 txtStd3 txtStd4 txtStd5 chkLocation "
                            "cmdConvert cmdHelp cmdExit txtStd0"));
}

TEST_F(Window, ControlsStayInsideTheWindowWithoutOverlapping) {
    open();
    QList<QWidget*> controls;
    for (QWidget* w : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->objectName().isEmpty())
            controls << w;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const std::string name = controls[i]->objectName().toStdString();
        EXPECT_TRUE(form->rect().contains(controls[i]->geometry())) << name;
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << name << " and " << controls[j]->objectName().toStdString();
    }
    QWidget* status = child("staStd");
    EXPECT_EQ(status->geometry().bottom(), form->rect().bottom());
    EXPECT_EQ(status->width(), form->width());
}

// Which check fails for which text is the input checks' own test; here
// each box gets the focus when its check fails, the check box decides on
// the new location.
TEST_F(Window, InputChecksWarnInOrderAndFocusTheirBox) {
    open();
    writeFile(input(), prg);
    const QString hard = dir.filePath(QStringLiteral("hard.prg"));
    ASSERT_TRUE(prg::test::makeHardLink(input(), hard));
    const struct {
        QString in, out;
        const char *start, *end;
        const char* newLocation; // nullptr: location bytes off
        const char* message;
        const char* focus;
    } rows[] = {
        {{}, output(), "0801", "0809", nullptr, "Input filename is missing", "txtStd0"},
        {input(), hard, "0801", "0809", nullptr, "Output file must not be the input file",
         "txtStd1"},
        {input(), output(), "C000", "c001", nullptr, "Invalid limit start address", "txtStd4"},
        {input(), output(), "0801", "080", nullptr, "Invalid limit end address", "txtStd5"},
        {input(), output(), "0801", "0809", "zz", "Invalid new location address", "txtStd2"},
        {input(), output(), "0801", "0809", "", "Invalid new location address", "txtStd2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        fill(row.in, row.out, row.start, row.end);
        location()->setChecked(row.newLocation != nullptr);
        box(2)->setText(QString::fromLatin1(row.newLocation));
        child("cmdHelp")->setFocus();
        convert();
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text, QLatin1String(row.message));
        EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Warning);
        EXPECT_EQ(prompts.messages[0].title, QLatin1String("Ostrel"));
        EXPECT_EQ(focusName(), QLatin1String(row.focus));
        EXPECT_EQ(form->statusText(), QString());
        EXPECT_TRUE(form->isEnabled());
    }
    EXPECT_FALSE(QFile::exists(output()));
    EXPECT_EQ(contents(input()), prg);
}

TEST_F(Window, NewLocationIsWrittenLowByteFirst) {
    open();
    writeFile(input(), prg);
    fill(input(), output(), "0801", "0801");
    location()->setChecked(true);
    box(2)->setText(QStringLiteral("801"));
    convert();
    EXPECT_EQ(prompts.texts(), QStringList{finished});
    EXPECT_EQ(contents(output()), QByteArray::fromHex("0108a9"));
}

// A box the user cannot type into is not announced as editable.
TEST_F(Window, ScreenReadersHearTheLockedBoxAsLocked) {
    open();
    const struct {
        QObject* widget;
        bool checked;
        bool editable;
    } rows[] = {
        {box(2), false, false},
        {box(2), true, true},
        {form->prgInfo(), false, false},
        {box(0), false, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.widget->objectName().toStdString() + (row.checked ? " checked" : ""));
        location()->setChecked(row.checked);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(row.widget);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), QAccessible::EditableText);
        EXPECT_EQ(bool(face->state().editable), row.editable);
        EXPECT_EQ(bool(face->state().readOnly), !row.editable);
    }
}

// The new location box follows its check box: locked, no tab stop and the
// window's colour without location bytes, and it keeps its text.
TEST_F(Window, LocationSettingSurvivesClosingEitherWay) {
    open();
    EXPECT_FALSE(location()->isChecked());
    EXPECT_TRUE(box(2)->isReadOnly());
    EXPECT_EQ(box(2)->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(box(2)->palette().color(QPalette::Base), form->palette().color(QPalette::Button));
    location()->click();
    EXPECT_FALSE(box(2)->isReadOnly());
    EXPECT_EQ(box(2)->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(box(2)->palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::Base));
    box(2)->setText(QStringLiteral("6000"));
    location()->click();
    location()->click();
    EXPECT_EQ(box(2)->text(), QLatin1String("6000"));

    QCloseEvent closeControl; // the window's own close control
    QApplication::sendEvent(form->windowHandle(), &closeControl);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(stored(), QLatin1String("1"));
    open();
    EXPECT_TRUE(location()->isChecked());
    EXPECT_EQ(box(2)->text(), QString()); // only the check box is kept
    location()->click();
    click("cmdExit");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(stored(), QLatin1String("0"));
    EXPECT_TRUE(prompts.messages.empty());
}

// Whatever the store holds, the window opens and works: a value that is not
// 0 or 1 is reported and leaves the box unchecked, and closing stores 0 or 1.
TEST_F(Window, AnyStoredIncludeLocationGivesAUsableWindow) {
    const struct {
        QString stored;
        bool reported;
        bool checked;
    } rows[] = {
        {QStringLiteral("abc"), true, false}, {QStringLiteral(""), true, false},
        {QStringLiteral("2"), true, false},   {QStringLiteral("-1"), true, false},
        {QStringLiteral("1.5"), true, false}, {QString(5000, QLatin1Char('9')), true, false},
        {QStringLiteral("åäö"), true, false}, {QStringLiteral(" 1 "), false, true},
        {QStringLiteral("0"), false, false},  {QStringLiteral("1"), false, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stored.left(20).toStdString());
        ASSERT_FALSE(prg::SettingsStore(Slivra::app())
                         .write(QStringLiteral("IncludeLocation"), row.stored));
        prompts.clear();
        open();
        ASSERT_EQ(prompts.messages.size(), row.reported ? 1u : 0u);
        if (row.reported) {
            EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Warning);
            EXPECT_TRUE(prompts.messages[0].text.endsWith(QLatin1String("\r\nMain_Form_Load")));
        }
        EXPECT_EQ(location()->isChecked(), row.checked);
        EXPECT_EQ(box(2)->isReadOnly(), !row.checked);
        EXPECT_EQ(form->prgInfo()->toPlainText(), QLatin1String("N/A"));
        location()->click();
        EXPECT_EQ(box(2)->isReadOnly(), row.checked);
        form->close();
        EXPECT_EQ(stored(), QLatin1String(row.checked ? "0" : "1"));
    }
}

TEST_F(Window, HelpShowsThirteenLinesUnderTheProgramName) {
    open();
    click("cmdHelp");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::None);
    EXPECT_EQ(prompts.messages[0].title, Slivra::app());
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

} // namespace
