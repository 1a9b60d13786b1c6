// The controls of Slivra's window, their places and their order.
#include "form1.h"

#include "twipslayout.h"
#include "windowrole.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

namespace slivra {

namespace {

// The size the window was drawn at: 7125 x 3240 twips.
constexpr int kClientWidth = 7125;
constexpr int kClientHeight = 3240;

} // namespace

void Form1::buildControls() {
    buildPathControls(3, QPalette::Button);
    makeLabel(2, QStringLiteral("&Extract"))
        ->setBuddy(makeBox(4, QStringLiteral("Extract start"), 4));
    makePrefix(5, QStringLiteral("$"));
    makePrefix(6, QStringLiteral("- $"));
    makeBox(5, QStringLiteral("Extract end"), 4);
    m_chkLocation = named(new QCheckBox(QStringLiteral("&Include location bytes"), this),
                          QStringLiteral("chkLocation"), QStringLiteral("Include location bytes"));
    QLabel* newLocation = makeLabel(4, QStringLiteral("&New location"));
    makePrefix(3, QStringLiteral("$"));
    // Locked while no location bytes are to be written.
    newLocation->setBuddy(makeBox<prg::LockableBox>(2, QStringLiteral("New location"), 4));
    buildButtons(QStringLiteral("Extract &data"));
    watchBoxes();
}

void Form1::placeControls() {
    prg::TwipsLayout layout(kClientWidth, kClientHeight);
    layout.place(m_lblStd[0], 105, 165, 585, 195);
    layout.place(m_txtStd[0], 1500, 120, 3675, 285);
    layout.place(m_cmdBrowse, 5190, 120, 315, 270);
    layout.place(m_lblStd[1], 105, 480, 720, 195);
    layout.place(m_txtStd[1], 1500, 435, 4005, 285);
    layout.place(m_lblStd[7], 105, 915, 645, 195);
    layout.place(m_prgInfo, 1500, 870, 4005, 900);
    layout.place(m_lblStd[2], 105, 1965, 495, 195);
    layout.place(m_lblStd[5], 1380, 1935, 105, 240);
    layout.place(m_txtStd[4], 1500, 1920, 600, 285);
    layout.place(m_lblStd[6], 2175, 1935, 210, 240);
    layout.place(m_txtStd[5], 2400, 1920, 600, 285);
    layout.place(m_chkLocation, 90, 2295, 2010, 195);
    layout.place(m_lblStd[4], 105, 2610, 930, 195);
    layout.place(m_lblStd[3], 1380, 2580, 105, 240);
    layout.place(m_txtStd[2], 1500, 2565, 600, 285);
    layout.place(m_cmdConvert, 5805, 120, 1245, 330);
    layout.place(m_cmdHelp, 5805, 465, 1245, 330);
    layout.place(m_cmdExit, 5805, 2535, 1245, 330);
    layout.place(m_staStd, 0, 2955, 7125, 285);
    const QSize client = layout.apply();
    setFixedSize(client);
    // The status bar runs along the whole bottom edge, however wide the
    // captions made the window.
    m_staStd->setGeometry(0, m_staStd->y(), client.width(), client.height() - m_staStd->y());

    // The order of the tab key: the boxes from top to bottom, then the
    // buttons, then the PRG information.
    chainTabOrder({m_txtStd[0], m_cmdBrowse, m_txtStd[1], m_txtStd[4], m_txtStd[5], m_chkLocation,
                   m_txtStd[2], m_cmdConvert, m_cmdHelp, m_cmdExit, m_prgInfo});
}

} // namespace slivra
