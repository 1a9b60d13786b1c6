#pragma once

// The tests both PRG tools' windows pass, each run with the tool's Traits: its
// window, names, texts, own box, refusals, box lengths, outputs and controls.

#include "prgtools/common/core/settingsstore.h"
#include "prgtools/common/ui/browse.h"
#include "testsupport/accessiblecheck.h"
#include "testsupport/controltable.h"
#include "testsupport/droptest.h"
#include "testsupport/recordingprompts.h"
#include "testsupport/testfaults.h"
#include "testsupport/testfiles.h"
#include "testsupport/testsettings.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>

namespace prg::test {

using Icon = felgrove::PromptIcon;
using Messages = std::vector<felgrove::RecordingPrompts::Message>;

// A refused conversion: the paths in the test's folder, the address window,
// the tool's own box (nullptr: off or as it opens), the warning, the box focused.
struct Refusal {
    const char *in, *out, *start, *end, *own, *message, *focus;
};
inline constexpr Refusal kRefusals[] = {
    {"", "part.out", "0801", "0809", nullptr, "Input filename is missing", "txtStd0"},
    {"pic.prg", "hard", "0801", "0809", nullptr, "Output file must not be the input file",
     "txtStd1"},
    {"pic.prg", "part.out", "C000", "c001", nullptr, "Invalid limit start address", "txtStd4"},
    {"pic.prg", "part.out", "0801", "080", nullptr, "Invalid limit end address", "txtStd5"},
};

// Every text a label showed on the screen, in order.
struct PaintedTexts : QObject {
    explicit PaintedTexts(QLabel* shown) : label(shown) { label->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && texts.value(texts.size() - 1) != label->text())
            texts << label->text();
        return false;
    }
    QLabel* label;
    QStringList texts;
};

template <typename Traits> class ToolWindowTest : public ::testing::Test {
protected:
    using Form = typename Traits::Form;
    void SetUp() override { felgrove::test::clearSettings(Traits::app()); }

    // The window, shown and active, with the PRG file pic.prg beside it.
    Form& open() {
        writeFile(input(), prg);
        form = std::make_unique<Form>(prompts);
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return *form;
    }
    template <typename W = QWidget> W* child(const char* name) const {
        return form->template findChild<W*>(QLatin1String(name));
    }
    QLineEdit* box(int index) const { return form->txtStd(index); }
    static QString focusName() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "<none>";
    }
    void click(const char* name) {
        prompts.messages.clear();
        child<QAbstractButton>(name)->click();
    }
    QString setting(const char* key) const {
        return SettingsStore(Traits::app()).read(key, "<none>");
    }
    // A file in the test's folder by its name; "" stays empty.
    QString at(const char* name) const { return *name ? dir.filePath(QLatin1String(name)) : ""; }
    QString input() const { return at("pic.prg"); }
    QString output() const { return at("part.out"); }
    void fill(const QString& in, const QString& out, const char* start = "0801",
              const char* end = "ffff") {
        box(0)->setText(in);
        box(1)->setText(out);
        Traits::setRange(*form, QLatin1String(start), QLatin1String(end));
    }
    void convert() { click("cmdConvert"); }
    // The window as before a conversion: usable, the focus on the button.
    void expectReady(const QString& status) const {
        EXPECT_TRUE(form->isEnabled() && !QApplication::overrideCursor());
        EXPECT_EQ(QStringList({focusName(), form->statusText()}),
                  QStringList({"cmdConvert", status}));
    }

    felgrove::RecordingPrompts prompts;
    QTemporaryDir dir;
    std::unique_ptr<Form> form;
    const QByteArray prg = QByteArray::fromHex("0108a9018d20d060"); // six bytes at $0801
};

TYPED_TEST_SUITE_P(ToolWindowTest);

// The controls stay inside the window without overlapping (Nembra's input box
// runs a pixel under "..."), the status bar along its bottom; a box takes no
// more characters than it holds; a screen reader hears every text on screen.
TYPED_TEST_P(ToolWindowTest, ControlsWithTheirCaptionsKeysAndTabStops) {
    auto& form = this->open();
    felgrove::test::expectControls(&form, TypeParam::controls);
    for (const auto& a : TypeParam::controls)
        for (const auto& b : TypeParam::controls) {
            const QRect at = this->child(a.name)->geometry(), bt = this->child(b.name)->geometry();
            EXPECT_TRUE(form.rect().contains(at) && (&a == &b || (at & bt).width() <= 1))
                << a.name << " and " << b.name;
        }
    const QRect bar = this->child("staStd")->geometry();
    EXPECT_EQ(bar, QRect(0, form.height() - bar.height(), form.width(), bar.height()));
    for (const auto& [index, length] : TypeParam::lengths) { // Slivra's location is on now
        this->box(index)->clear();
        QTest::keyClicks(this->box(index), "12345");
        EXPECT_EQ(this->box(index)->text(), QString("12345").left(length)) << index;
    }
    // The access keys ran a conversion of nothing and showed the help.
    EXPECT_EQ(this->prompts.messages,
              (Messages{{Icon::Warning, "Ostrel", "Input filename is missing"},
                        {Icon::None, TypeParam::program(), TypeParam::help()}}));
    this->template child<QLabel>("staStdPanel1")->setText("Conversion finished.");
    EXPECT_EQ(felgrove::test::misreadTexts(&form), "");
    const QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    EXPECT_EQ(std::pair(window->role(), window->text(QAccessible::Name)),
              std::pair(QAccessible::Window, form.windowTitle()));
}

// Each refusal of the input checks warns, focuses its box and writes nothing.
TYPED_TEST_P(ToolWindowTest, InputChecksWarnAndFocusTheirBox) {
    this->open();
    ASSERT_TRUE(makeHardLink(this->input(), this->at("hard")));
    for (const auto rows :
         {std::span<const Refusal>(kRefusals), std::span<const Refusal>(TypeParam::refusals)})
        for (const Refusal& row : rows) {
            this->fill(this->at(row.in), this->at(row.out), row.start, row.end);
            TypeParam::setOwn(*this->form, row.own);
            this->child("cmdHelp")->setFocus();
            this->convert();
            EXPECT_EQ(this->prompts.messages, (Messages{{Icon::Warning, "Ostrel", row.message}}));
            EXPECT_EQ(QStringList({this->focusName(), this->form->statusText()}),
                      QStringList({row.focus, ""}));
        }
    EXPECT_FALSE(QFile::exists(this->output()));
    EXPECT_EQ(contents(this->input()), this->prg);
}

// While a conversion runs the window is locked with the busy pointer; the
// status shows each step; then the window is as before. The input is read as
// it is then. A disk fault is reported in four lines and the old output stays.
// A start below the load address is moved up to it, told while the status
// shows the conversion, and written back in lower case for the next one.
TYPED_TEST_P(ToolWindowTest, ConversionShowsProgressAndReturnsTheWindowToUse) {
    this->open();
    writeFile(this->input(), this->prg + "grown");
    this->fill(this->input(), this->output());
    QFile::resize(this->input(), this->prg.size());
    PaintedTexts painted(this->template child<QLabel>("staStdPanel1"));
    const QString done = "Conversion finished. 6 bytes converted.";
    QStringList seen;
    this->prompts.onMessage = [&](const auto&) {
        seen << this->form->statusText();
        EXPECT_FALSE(this->form->isEnabled());
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        EXPECT_FALSE(this->form->close());
    };
    this->child("cmdConvert")->setFocus();
    this->convert();
    EXPECT_EQ(this->prompts.messages, (Messages{{Icon::Information, "Ostrel", "Finished!"}}));
    EXPECT_EQ(painted.texts,
              QStringList({"Analyzing file, please wait...", "Converting, please wait...", done}));
    this->expectReady(done);
    {
        const FailingDisk failing(1, 0);
        this->convert();
    }
    const QString report = QString("5\r\n%1: Input/output error\r\n%2\r\nMain_cmdConvert_Click")
                               .arg(this->output(), TypeParam::program());
    EXPECT_EQ(this->prompts.messages, (Messages{{Icon::Warning, "Ostrel", report}}));
    this->expectReady("");
    EXPECT_EQ(contents(this->output()), TypeParam::full); // written, and kept through the fault
    writeFile(this->input(), QByteArray::fromHex("00c0") + this->prg.mid(2));
    this->fill(this->input(), this->output(), "0801", "c001");
    this->convert();
    EXPECT_EQ(this->prompts.messages,
              (Messages{{Icon::Information, "Ostrel", TypeParam::restricted},
                        {Icon::Information, "Ostrel", "Finished!"}}));
    EXPECT_EQ(seen, QStringList({done, "", "Converting, please wait...",
                                 "Conversion finished. 2 bytes converted."}));
    EXPECT_EQ(this->box(4)->text(), "c000");
    EXPECT_EQ(contents(this->output()), TypeParam::two);
    this->convert();
    EXPECT_EQ(this->prompts.texts(), QStringList{"Finished!"});
}

// Typed or dropped, each change of the input path shows the PRG info anew in
// four unwrapped lines, or "N/A" for anything but a file. "..." first opens in
// the program's folder, proposes an output name to an empty output box and
// moves there with its text selected, and keeps the folder for the next
// dialog; a cancel changes nothing, nor is a folder that cannot be kept.
TYPED_TEST_P(ToolWindowTest, InputPathTypedDroppedOrBrowsed) {
    this->open();
    auto* info = this->form->template findChild<QPlainTextEdit*>();
    this->box(0)->setText(this->input() + "x");
    EXPECT_EQ(info->toPlainText(), "N/A");
    QTest::keyClick(this->box(0), Qt::Key_Backspace);
    const QString shown = info->toPlainText();
    EXPECT_TRUE(shown.startsWith("File size: 8 bytes\n")) << shown.toStdString();
    EXPECT_EQ(info->document()->lineCount(), 4);
    this->box(0)->setText(this->dir.path());
    EXPECT_EQ(info->toPlainText(), "N/A");
    const auto file = felgrove::test::dragData(felgrove::test::Drag::OneLocalFile, this->input());
    for (int path : {1, 0}) { // a dropped file gives its path, as if typed
        EXPECT_TRUE(felgrove::test::dragAndDrop(this->box(path), file.get()));
        EXPECT_EQ(this->box(path)->text(), this->input());
    }
    EXPECT_EQ(info->toPlainText(), shown);
    this->box(1)->clear();
    const QString folder = this->dir.filePath("mina filer.v2/å ä ö");
    QDir().mkpath(folder);
    const QString in = folder + "/bild på.hösten.prg";
    writeFile(in, this->prg);
    this->prompts.fileAnswers = {in};
    this->click("cmdBrowse");
    const auto& first = this->prompts.fileRequests.at(0);
    EXPECT_EQ(QStringList({first.folder, first.filter}),
              QStringList({QCoreApplication::applicationDirPath(), prg::kPrgFilter}));
    EXPECT_EQ(QStringList({this->box(0)->text(), this->focusName(), this->setting("LatestPath")}),
              QStringList({in, "txtStd1", folder}));
    EXPECT_EQ(this->box(1)->text(),
              *TypeParam::proposed ? in.chopped(4) + TypeParam::proposed : "");
    EXPECT_EQ(this->box(1)->selectedText(), this->box(1)->text());
    const QString out = folder + "/del ÅÄÖ.bin";
    this->fill(in, out);
    this->convert();
    EXPECT_EQ(contents(out), TypeParam::full);
    this->box(4)->setFocus();
    this->click("cmdBrowse"); // no answer: a cancel
    EXPECT_EQ(this->prompts.fileRequests.at(1).folder, folder);
    EXPECT_EQ(QStringList({this->box(0)->text(), this->focusName(), this->setting("LatestPath")}),
              QStringList({in, "txtStd4", folder}));
    this->prompts.fileAnswers = {this->input()};
    this->click("cmdBrowse");
    EXPECT_EQ(this->box(1)->text(), out);
    const felgrove::test::UnwritableSettings unwritable(TypeParam::app());
    this->prompts.fileAnswers = {in};
    this->click("cmdBrowse");
    EXPECT_TRUE(this->prompts.texts().join("").endsWith("\r\nMain_cmdBrowse"));
    EXPECT_EQ(this->box(0)->text(), this->input());
}

REGISTER_TYPED_TEST_SUITE_P(ToolWindowTest, ControlsWithTheirCaptionsKeysAndTabStops,
                            InputChecksWarnAndFocusTheirBox,
                            ConversionShowsProgressAndReturnsTheWindowToUse,
                            InputPathTypedDroppedOrBrowsed);

} // namespace prg::test
