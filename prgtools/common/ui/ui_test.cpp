#include "desktop/qtprompts.h"
#include "prgtools/common/core/settingsstore.h"
#include "prgtools/common/ui/errorreport.h"
#include "prgtools/common/ui/pathdrop.h"
#include "prgtools/common/ui/textselect.h"
#include "prgtools/common/ui/twipslayout.h"
#include "prgtools/common/ui/windowrole.h"
#include "testsupport/accessiblecheck.h"
#include "testsupport/droptest.h"
#include "testsupport/recordingprompts.h"
#include "testsupport/testsettings.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

using felgrove::test::Drag;

// An empty description and source still give the report its four lines.
TEST(ErrorReport, KeepsFourLinesWhenPartsAreEmpty) {
    EXPECT_EQ(prg::errorReportText(5, {}, {}, "Main_HexToDec"), "5\r\n\r\n\r\nMain_HexToDec");
}

// A box with a short text is still wide enough for its whole title beside
// the title-bar buttons, and a screen reader hears its text.
TEST(MessageBox, IsWideEnoughForItsTitleAndReadsItsText) {
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    for (const QString title : {"Ostrel", "Slivra", "Nembra", "Pixmoth"}) {
        const auto box = felgrove::QtPrompts::messageBox(nullptr, felgrove::PromptIcon::Information,
                                                         title, "Finished!");
        box->show();
        EXPECT_GE(box->width(), metrics.horizontalAdvance(title) + 4 * metrics.height() + 40);
        EXPECT_EQ(felgrove::test::misreadTexts(box.get()), "") << title.toStdString();
    }
}

struct FocusCase {
    const char* text;
    const char* name; // the box's accessible name; its caption is "&Extract"
    bool captionHeard;
};

class HeardOnFocus : public ::testing::TestWithParam<FocusCase> {};

// A box that takes the focus offers screen readers the whole of its text as
// selected, and is heard by its name where it has one of its own, not by a
// caption that says less.
TEST_P(HeardOnFocus, BoxOffersItsWholeSelectionAndItsOwnName) {
    QWidget window;
    auto* other = new QLineEdit(&window);
    auto* box = new prg::LockableBox(&window);
    (new QLabel("&Extract", &window))->setBuddy(box);
    box->setText(QLatin1String(GetParam().text));
    box->setAccessibleName(QLatin1String(GetParam().name));
    (new prg::SelectOnFocus(&window))->watch(box);
    window.show();
    QApplication::setActiveWindow(&window);
    other->setFocus();
    box->setFocus(Qt::TabFocusReason);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
    int start = -1, end = -1;
    face->textInterface()->selection(0, &start, &end);
    EXPECT_EQ(face->textInterface()->text(start, end), QLatin1String(GetParam().text));
    EXPECT_EQ(face->relations(QAccessible::Label).size(), GetParam().captionHeard ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Boxes, HeardOnFocus,
                         ::testing::Values(FocusCase{"", "Extract start", false},
                                           FocusCase{"7f40", "Extract start", false},
                                           FocusCase{"out.bin", "", true}));

class PathDropTest : public ::testing::TestWithParam<Drag> {};

// Only one local file is taken (as the windows' tests show); the rest are not.
TEST_P(PathDropTest, RefusesAllButOneLocalFile) {
    QLineEdit box("typed");
    (new prg::PathDrop(&box))->watch(&box);
    const auto mime = felgrove::test::dragData(GetParam(), "/c64/title.prg");
    EXPECT_FALSE(felgrove::test::dragAndDrop(&box, mime.get()));
    EXPECT_EQ(box.text(), "typed");
}

INSTANTIATE_TEST_SUITE_P(Drops, PathDropTest,
                         ::testing::Values(Drag::TwoFiles, Drag::RemoteAddress, Drag::PlainText));

QString settingsFile(const char* application) {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Felgrove",
                     QLatin1String(application))
        .fileName();
}

// A store file edited by hand or damaged: every value still reads as a
// text, never as nothing because the store took it for a list; a value
// that names no type the store knows reads as missing. Each application
// keeps its own values.
TEST(SettingsStore, ReadsGarbageInTheFileAsTextPerApplication) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the store is the registry, not a text file";
#endif
    felgrove::test::clearSettings("Nembrix");
    QDir().mkpath(QFileInfo(settingsFile("Nembrix")).path());
    QFile file(settingsFile("Nembrix"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nValuesPerRow=1, 2\nLimitStart=\xff\xfe\x01garbage\n"
               "LimitEnd=@Variant(\\0\\0\\0\\x7f\\0\\0)\nLatestPath=\"unterminated\n\x01\n");
    file.close();
    const prg::SettingsStore store("Nembrix");
    EXPECT_EQ(store.read("ValuesPerRow", {}), "1, 2");
    for (const QString key : {"LimitStart", "LatestPath"})
        EXPECT_NE(store.read(key, "<none>"), "<none>") << key.toStdString();
    EXPECT_EQ(store.read("LimitEnd", "<none>"), "<none>");
    EXPECT_FALSE(store.write("ValuesPerRow", " x1"));
    EXPECT_EQ(store.read("ValuesPerRow", {}), " x1");
    EXPECT_EQ(prg::SettingsStore("Slivra").read("ValuesPerRow", {}), QString());
}

// A store that cannot be written says so with its own reason.
TEST(SettingsStore, AFailedWriteNamesTheStoresReason) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the store is the registry, not a file";
#endif
    const felgrove::test::UnwritableSettings unwritable("Nembrix");
    const prg::Status failure = prg::SettingsStore("Nembrix").write("ValuesPerRow", "8");
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(
        failure->description,
        QString("Cannot save the settings to %1: Permission denied").arg(settingsFile("Nembrix")));
    EXPECT_EQ(failure->source, "Nembrix");
}

// Captions placed far too narrow grow to the left, and the columns move
// apart so that they stay clear of the box before them.
TEST(TwipsLayout, CaptionsAreNeverClipped) {
    QWidget window;
    auto* check = new QCheckBox("&Include location bytes", &window);
    auto* dollar = new QLabel("- $", &window);
    dollar->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* edit = new QLineEdit(&window);
    prg::TwipsLayout layout(7125, 3240);
    layout.place(check, 90, 2295, 300, 195);
    layout.place(dollar, 2175, 1935, 30, 240);
    layout.place(edit, 1500, 1920, 600, 285);
    layout.apply();
    EXPECT_GE(check->width(), check->sizeHint().width());
    EXPECT_GE(dollar->width(), dollar->sizeHint().width());
    EXPECT_GT(dollar->x(), edit->geometry().right());
    EXPECT_GE(edit->height(), edit->minimumSizeHint().height());
}

} // namespace
