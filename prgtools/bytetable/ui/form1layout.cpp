// The controls of Nembra's window, their places and their order.
#include "form1.h"

#include "twipslayout.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

namespace nembra {

namespace {

// The window's client area in twips; the status bar fills its bottom 285.
constexpr int kClientWidth = 7125;
constexpr int kClientHeight = 2910;
constexpr int kStatusHeight = 285;

} // namespace

void Form1::buildControls() {
    buildPathControls(2, QPalette::Window);
    m_prgInfo->setFocusPolicy(Qt::StrongFocus);
    m_prgInfo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    makeLabel(2, QStringLiteral("&Values per row"))
        ->setBuddy(makeBox(3, QStringLiteral("Values per row"), 2));
    makeLabel(4, QStringLiteral("(1-32)"));
    m_chkLimit = named(new QCheckBox(QStringLiteral("&Limit read to"), this),
                       QStringLiteral("chkLimit"), QStringLiteral("&Limit read to"));
    makePrefix(5, QStringLiteral("$"))->setBuddy(makeBox(4, QStringLiteral("Limit start"), 4));
    makePrefix(6, QStringLiteral("- $"))->setBuddy(makeBox(5, QStringLiteral("Limit end"), 4));
    buildButtons(QStringLiteral("&Read PRG"));
    watchBoxes();

    chainTabOrder({m_txtStd[0], m_cmdBrowse, m_txtStd[1], m_txtStd[3], m_chkLimit, m_txtStd[4],
                   m_txtStd[5], m_cmdConvert, m_cmdHelp, m_cmdExit, m_prgInfo});
}

void Form1::placeControls() {
    prg::TwipsLayout layout(kClientWidth, kClientHeight);
    layout.place(m_lblStd[0], 105, 165, 585, 195);
    layout.place(m_txtStd[0], 1500, 120, 3705, 285);
    layout.place(m_cmdBrowse, 5190, 120, 315, 270);
    layout.place(m_lblStd[1], 90, 480, 720, 195);
    layout.place(m_txtStd[1], 1500, 435, 4005, 285);
    layout.place(m_lblStd[7], 105, 915, 645, 195);
    layout.place(m_prgInfo, 1500, 870, 4005, 900);
    layout.place(m_lblStd[2], 90, 1950, 1050, 195);
    layout.place(m_txtStd[3], 1500, 1905, 465, 285);
    layout.place(m_lblStd[4], 2025, 1950, 405, 195);
    layout.place(m_chkLimit, 60, 2265, 1635, 195);
    layout.place(m_lblStd[5], 1920, 2235, 105, 240);
    layout.place(m_txtStd[4], 2040, 2220, 600, 285);
    layout.place(m_lblStd[6], 2715, 2235, 210, 240);
    layout.place(m_txtStd[5], 2940, 2220, 600, 285);
    layout.place(m_cmdConvert, 5805, 120, 1245, 330);
    layout.place(m_cmdHelp, 5805, 465, 1245, 330);
    layout.place(m_cmdExit, 5805, 2175, 1245, 330);
    layout.place(m_staStd, 0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);
    setFixedSize(layout.apply());
}

} // namespace nembra
