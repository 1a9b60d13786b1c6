#include "desktop/qtprompts.h"
#include "prgtools/common/core/settingsstore.h"
#include "prgtools/common/ui/browse.h"
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

using felgrove::PromptIcon;
using felgrove::RecordingPrompts;

TEST(VisaFel, ShowsFourLinesInAWarningTitledOstrel) {
    RecordingPrompts prompts;
    prg::VisaFel(prompts, nullptr, 2, QStringLiteral("No such file or directory"),
                 QStringLiteral("Slivra"), QStringLiteral("Main_cmdConvert_Click"));
    prg::VisaFel(prompts, nullptr, 5, QString(), QString(), QStringLiteral("Main_HexToDec"));
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Warning);
    EXPECT_EQ(prompts.messages[0].title, QLatin1String("Ostrel"));
    EXPECT_EQ(prompts.messages[0].text,
              QLatin1String("2\r\nNo such file or directory\r\nSlivra\r\nMain_cmdConvert_Click"));
    // Empty description and source still give four lines.
    EXPECT_EQ(prompts.messages[1].text.split(QLatin1String("\r\n")).size(), 4);
}

// A box with a short text is still wide enough for its whole title beside
// the title-bar buttons, and a screen reader hears its text.
TEST(MessageBox, IsWideEnoughForItsTitleAndReadsItsText) {
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    for (const char* title : {"Ostrel", "Slivra", "Nembra", "Pixmoth"}) {
        SCOPED_TRACE(title);
        const auto box = felgrove::QtPrompts::messageBox(nullptr, felgrove::PromptIcon::Information,
                                                         QLatin1String(title), "Finished!");
        box->show();
        EXPECT_GE(box->width(),
                  metrics.horizontalAdvance(QLatin1String(title)) + 4 * metrics.height() + 40);
        EXPECT_EQ(felgrove::test::misreadTexts(box.get()), "");
        box->hide();
    }
}

TEST(MarkeraText, SelectsAllAndCopesWithAnEmptyBox) {
    QLineEdit box;
    prg::MarkeraText(&box);
    EXPECT_EQ(box.selectionStart(), -1);
    EXPECT_EQ(box.selectedText(), QString());
    box.setText(QStringLiteral("c000"));
    box.setCursorPosition(2);
    prg::MarkeraText(&box);
    EXPECT_EQ(box.selectedText(), QLatin1String("c000"));
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
    (new QLabel(QStringLiteral("&Extract"), &window))->setBuddy(box);
    box->setText(QLatin1String(GetParam().text));
    box->setAccessibleName(QLatin1String(GetParam().name));
    (new prg::SelectOnFocus(&window))->watch(box);
    window.show();
    QApplication::setActiveWindow(&window);
    other->setFocus();
    box->setFocus(Qt::TabFocusReason);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
    int start = -1;
    int end = -1;
    face->textInterface()->selection(0, &start, &end);
    EXPECT_EQ(face->textInterface()->text(start, end), QLatin1String(GetParam().text));
    EXPECT_EQ(face->relations(QAccessible::Label).size(), GetParam().captionHeard ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Boxes, HeardOnFocus,
                         ::testing::Values(FocusCase{"", "Extract start", false},
                                           FocusCase{"7f40", "Extract start", false},
                                           FocusCase{"out.bin", "", true}));

struct DropCase {
    felgrove::test::Drag drag;
    bool taken;
};

class PathDropTest : public ::testing::TestWithParam<DropCase> {};

// Only one local file is taken: the box then holds its path, not an address.
TEST_P(PathDropTest, TakesOneLocalFileAndRefusesTheRest) {
    QLineEdit box(QStringLiteral("typed"));
    int changes = 0;
    QObject::connect(&box, &QLineEdit::textChanged, [&changes] { ++changes; });
    prg::PathDrop drop(&box);
    drop.watch(&box);
    const QString file = QStringLiteral("/c64/my pics/title.prg");
    const auto mime = felgrove::test::dragData(GetParam().drag, file);
    EXPECT_EQ(felgrove::test::dragAndDrop(&box, mime.get()), GetParam().taken);
    EXPECT_EQ(box.text(), GetParam().taken ? file : QStringLiteral("typed"));
    EXPECT_EQ(changes, GetParam().taken ? 1 : 0);
}

using felgrove::test::Drag;
INSTANTIATE_TEST_SUITE_P(Drops, PathDropTest,
                         ::testing::Values(DropCase{Drag::OneLocalFile, true},
                                           DropCase{Drag::TwoFiles, false},
                                           DropCase{Drag::RemoteAddress, false},
                                           DropCase{Drag::PlainText, false}));

class Browse : public ::testing::Test {
protected:
    void SetUp() override { felgrove::test::clearSettings(QStringLiteral("Slivra")); }
    prg::SettingsStore settings{QStringLiteral("Slivra")};
    RecordingPrompts prompts;
};

TEST_F(Browse, StartsInTheProgramFolderThenInTheLastChosenOne) {
    prompts.fileAnswers = {QStringLiteral("/c64/pics/title.prg")};
    const prg::BrowseResult first = prg::browseForPrg(prompts, nullptr, settings);
    ASSERT_TRUE(first.path.has_value());
    EXPECT_EQ(*first.path, QLatin1String("/c64/pics/title.prg"));
    EXPECT_FALSE(first.settingsFailure.has_value());

    prg::browseForPrg(prompts, nullptr, settings); // cancelled
    ASSERT_EQ(prompts.fileRequests.size(), 2u);
    EXPECT_EQ(prompts.fileRequests[0].folder, QCoreApplication::applicationDirPath());
    EXPECT_EQ(prompts.fileRequests[0].title, QLatin1String("Select Binary-file"));
    EXPECT_EQ(prompts.fileRequests[0].filter, QLatin1String("PRG-files (*.prg);;All files (*)"));
    EXPECT_EQ(prompts.fileRequests[1].folder, QLatin1String("/c64/pics"));
}

TEST_F(Browse, CancelStoresNothing) {
    settings.write(QStringLiteral("LatestPath"), QStringLiteral("/kept"));
    const prg::BrowseResult result = prg::browseForPrg(prompts, nullptr, settings);
    EXPECT_FALSE(result.path.has_value());
    EXPECT_EQ(settings.read(QStringLiteral("LatestPath"), QString()), QLatin1String("/kept"));
}

TEST(SettingsStore, KeepsTextPerApplication) {
    felgrove::test::clearSettings(QStringLiteral("Nembrix"));
    const prg::SettingsStore nembra(QStringLiteral("Nembrix"));
    EXPECT_EQ(nembra.read(QStringLiteral("ValuesPerRow"), QStringLiteral("8")), QLatin1String("8"));
    EXPECT_FALSE(nembra.write(QStringLiteral("ValuesPerRow"), QStringLiteral(" x1")));
    EXPECT_EQ(nembra.read(QStringLiteral("ValuesPerRow"), QStringLiteral("8")),
              QLatin1String(" x1"));
    EXPECT_EQ(prg::SettingsStore(QStringLiteral("Slivra"))
                  .read(QStringLiteral("ValuesPerRow"), QStringLiteral("none")),
              QLatin1String("none"));
}

// A store file edited by hand or damaged: every value still reads as a
// text, never as nothing at all because the store took it for a list.
TEST(SettingsStore, ReadsGarbageInTheFileAsText) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the store is the registry, not a text file";
#endif
    felgrove::test::clearSettings(QStringLiteral("Nembrix"));
    const QString path = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                   QStringLiteral("Felgrove"), QStringLiteral("Nembrix"))
                             .fileName();
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nValuesPerRow=1, 2\nLimitStart=\xff\xfe\x01garbage\n"
               "LimitEnd=@Variant(\\0\\0\\0\\x7f\\0\\0)\nLatestPath=\"unterminated\n\x01\n");
    file.close();
    const prg::SettingsStore store(QStringLiteral("Nembrix"));
    EXPECT_EQ(store.read(QStringLiteral("ValuesPerRow"), {}), QLatin1String("1, 2"));
    // Damaged texts still read as texts; a stored value that names no type
    // the store knows reads as missing, so the window takes its default.
    for (const char* key : {"LimitStart", "LatestPath"})
        EXPECT_NE(store.read(QLatin1String(key), QStringLiteral("<none>")), QLatin1String("<none>"))
            << key;
    EXPECT_EQ(store.read(QStringLiteral("LimitEnd"), QStringLiteral("<none>")),
              QLatin1String("<none>"));
    EXPECT_FALSE(store.write(QStringLiteral("ValuesPerRow"), QStringLiteral("8")));
    EXPECT_EQ(store.read(QStringLiteral("ValuesPerRow"), {}), QLatin1String("8"));
}

// A store that cannot be written says so with its own reason, not a
// made-up disk error: here a folder stands where its file belongs.
TEST(SettingsStore, AFailedWriteNamesTheStoresReason) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the store is the registry, not a file";
#endif
    felgrove::test::clearSettings(QStringLiteral("Nembrix"));
    const QString path = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                   QStringLiteral("Felgrove"), QStringLiteral("Nembrix"))
                             .fileName();
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkpath(path));
    const prg::Status failure =
        prg::SettingsStore(QStringLiteral("Nembrix")).write(QStringLiteral("ValuesPerRow"), "8");
    QDir(path).removeRecursively();
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->description,
              QStringLiteral("Cannot save the settings to %1: Permission denied").arg(path));
    EXPECT_EQ(failure->source, QLatin1String("Nembrix"));
}

TEST(TwipsLayout, CaptionsAreNeverClipped) {
    QWidget window;
    auto* check = new QCheckBox(QStringLiteral("&Include location bytes"), &window);
    auto* dollar = new QLabel(QStringLiteral("- $"), &window);
    dollar->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* edit = new QLineEdit(&window);
    prg::TwipsLayout layout(7125, 3240);
    layout.place(check, 90, 2295, 300, 195); // far too narrow on purpose
    layout.place(dollar, 2175, 1935, 30, 240);
    layout.place(edit, 1500, 1920, 600, 285);
    const QSize client = layout.apply();
    EXPECT_GE(check->width(), check->sizeHint().width());
    EXPECT_GE(dollar->width(), dollar->sizeHint().width());
    // It grew to the left, and the columns moved apart so that it stays
    // clear of the box before it.
    EXPECT_GT(dollar->x(), edit->geometry().right());
    EXPECT_GE(edit->height(), edit->minimumSizeHint().height());
    EXPECT_GE(client.width(), 475);
    EXPECT_GE(client.height(), 216);
}

} // namespace
