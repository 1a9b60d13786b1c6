// The controls of Nembra's window, their places and their order.
#include "prgtools/bytetable/ui/form1.h"

#include "prgtools/common/ui/twipslayout.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

namespace nembra {

void Form1::buildControls() {
    buildPathControls(2, QPalette::Window);
    m_prgInfo->setFocusPolicy(Qt::StrongFocus);
    m_prgInfo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    // The box is heard with its range.
    makeLabel(2, QStringLiteral("&Values per row"))
        ->setBuddy(makeBox(3, QStringLiteral("Values per row (1-32)"), 2));
    makeLabel(4, QStringLiteral("(1-32)"));
    m_chkLimit = named(new QCheckBox(QStringLiteral("&Limit read to"), this),
                       QStringLiteral("chkLimit"), QStringLiteral("&Limit read to"));
    // The "$" captions say nothing of what the boxes hold: the boxes are
    // heard by their names.
    makePrefix(5, QStringLiteral("$"));
    makeBox(4, QStringLiteral("Limit start"), 4);
    makePrefix(6, QStringLiteral("- $"));
    makeBox(5, QStringLiteral("Limit end"), 4);
    buildButtons(QStringLiteral("&Read PRG"));

    chainTabOrder({m_txtStd[0], m_cmdBrowse, m_txtStd[1], m_prgInfo, m_txtStd[3], m_chkLimit,
                   m_txtStd[4], m_txtStd[5], m_cmdConvert, m_cmdHelp, m_cmdExit});
}

void Form1::placeOwnControls(prg::TwipsLayout& layout) {
    layout.place(m_lblStd[2], 90, 1950, 1050, 195);
    layout.place(m_txtStd[3], 1500, 1905, 465, 285);
    layout.place(m_lblStd[4], 2025, 1950, 405, 195);
    layout.place(m_chkLimit, 60, 2265, 1635, 195);
    layout.place(m_lblStd[5], 1920, 2235, 105, 240);
    layout.place(m_txtStd[4], 2040, 2220, 600, 285);
    layout.place(m_lblStd[6], 2715, 2235, 210, 240);
    layout.place(m_txtStd[5], 2940, 2220, 600, 285);
}

} // namespace nembra
