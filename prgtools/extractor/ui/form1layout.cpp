// The controls of Slivra's window, their places and their order.
#include "prgtools/extractor/ui/form1.h"

#include "prgtools/common/ui/twipslayout.h"
#include "prgtools/common/ui/windowrole.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

namespace slivra {

void Form1::buildControls() {
    buildPathControls(3, QPalette::Button);
    // The caption's access key leads to the start box, which is heard by
    // its own name: the caption alone does not tell start from end.
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
    newLocation->setBuddy(makeBox(2, QStringLiteral("New location"), 4));
    buildButtons(QStringLiteral("Extract &data"));

    // The order of the tab key: the boxes from top to bottom, the PRG
    // information where it stands, then the buttons.
    chainTabOrder({m_txtStd[0], m_cmdBrowse, m_txtStd[1], m_prgInfo, m_txtStd[4], m_txtStd[5],
                   m_chkLocation, m_txtStd[2], m_cmdConvert, m_cmdHelp, m_cmdExit});
}

void Form1::placeOwnControls(prg::TwipsLayout& layout) {
    layout.place(m_lblStd[2], 105, 1965, 495, 195);
    layout.place(m_lblStd[5], 1380, 1935, 105, 240);
    layout.place(m_txtStd[4], 1500, 1920, 600, 285);
    layout.place(m_lblStd[6], 2175, 1935, 210, 240);
    layout.place(m_txtStd[5], 2400, 1920, 600, 285);
    layout.place(m_chkLocation, 90, 2295, 2010, 195);
    layout.place(m_lblStd[4], 105, 2610, 930, 195);
    layout.place(m_lblStd[3], 1380, 2580, 105, 240);
    layout.place(m_txtStd[2], 1500, 2565, 600, 285);
}

} // namespace slivra
