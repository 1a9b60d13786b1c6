// The controls of Slivra's window, their places and their order.
#include "form1.h"

#include "pathdrop.h"
#include "textselect.h"
#include "twipslayout.h"
#include "windowrole.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>

namespace slivra {

namespace {

// The size the window was drawn at: 7125 x 3240 twips.
constexpr int kClientWidth = 7125;
constexpr int kClientHeight = 3240;

QString plainCaption(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

template <typename W> W* named(W* widget, const QString& name, const QString& accessible) {
    widget->setObjectName(name);
    widget->setAccessibleName(accessible);
    return widget;
}

// A label is read out by its text, so it carries no accessible name.
QLabel* makeLabel(QWidget* parent, int index, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setObjectName(QStringLiteral("lblStd%1").arg(index));
    return label;
}

// The "$" prefixes are drawn a size larger than the window's font and sit
// right against the box they belong to.
QLabel* makePrefix(QWidget* parent, int index, const QString& caption) {
    QLabel* label = makeLabel(parent, index, caption);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 9.75 / 8.25);
    label->setFont(font);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

template <typename Box = QLineEdit>
QLineEdit* makeBox(QWidget* parent, int index, const QString& accessible, int maxLength) {
    auto* box = new Box(parent);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    return named(box, QStringLiteral("txtStd%1").arg(index), accessible);
}

// The browse button is just wide enough for its "...": the style's minimum
// width for text buttons would push it over "Extract data".
class CompactButton : public QPushButton {
public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override {
        const QSize standard = QPushButton::sizeHint();
        const int padding = 2 * style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, this);
        return {fontMetrics().horizontalAdvance(text()) + padding, standard.height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

template <typename Button = QPushButton>
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new Button(caption, parent);
    button->setAutoDefault(false);
    return named(button, name, plainCaption(caption));
}

} // namespace

void Form1::buildControls() {
    m_lblStd[0] = makeLabel(this, 0, QStringLiteral("&PRG file"));
    m_txtStd[0] = makeBox(this, 0, QStringLiteral("PRG file"), 0);
    m_cmdBrowse =
        makeButton<CompactButton>(this, QStringLiteral("cmdBrowse"), QStringLiteral("..."));
    QFont bold = m_cmdBrowse->font();
    bold.setBold(true);
    m_cmdBrowse->setFont(bold);
    m_cmdBrowse->setAccessibleDescription(QStringLiteral("Browse for the PRG file"));
    m_lblStd[1] = makeLabel(this, 1, QStringLiteral("&Output file"));
    m_txtStd[1] = makeBox(this, 1, QStringLiteral("Output file"), 0);

    m_lblStd[7] = makeLabel(this, 7, QStringLiteral("PRG info"));
    m_lblStd[7]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_prgInfo =
        named(new QPlainTextEdit(this), QStringLiteral("txtStd3"), QStringLiteral("PRG info"));
    m_prgInfo->setReadOnly(true);
    // The four lines of the inspection, whatever the font.
    m_prgInfo->setProperty(prg::TwipsLayout::kTextLines, 4);
    m_prgInfo->setTabChangesFocus(true);
    m_prgInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette face = m_prgInfo->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    m_prgInfo->setPalette(face);

    m_lblStd[2] = makeLabel(this, 2, QStringLiteral("&Extract"));
    m_lblStd[5] = makePrefix(this, 5, QStringLiteral("$"));
    m_txtStd[4] = makeBox(this, 4, QStringLiteral("Extract start"), 4);
    m_lblStd[6] = makePrefix(this, 6, QStringLiteral("- $"));
    m_txtStd[5] = makeBox(this, 5, QStringLiteral("Extract end"), 4);
    m_chkLocation = named(new QCheckBox(QStringLiteral("&Include location bytes"), this),
                          QStringLiteral("chkLocation"), QStringLiteral("Include location bytes"));
    m_lblStd[4] = makeLabel(this, 4, QStringLiteral("&New location"));
    m_lblStd[3] = makePrefix(this, 3, QStringLiteral("$"));
    // Locked while no location bytes are to be written.
    m_txtStd[2] = makeBox<prg::LockableBox>(this, 2, QStringLiteral("New location"), 4);

    m_cmdConvert = makeButton(this, QStringLiteral("cmdConvert"), QStringLiteral("Extract &data"));
    m_cmdHelp = makeButton(this, QStringLiteral("cmdHelp"), QStringLiteral("&Help"));
    m_cmdExit = makeButton(this, QStringLiteral("cmdExit"), QStringLiteral("E&xit"));

    m_staStd = named(new QStatusBar(this), QStringLiteral("staStd"), QStringLiteral("Status"));
    m_staStd->setSizeGripEnabled(false);
    m_statusPanel = new QLabel(m_staStd);
    m_statusPanel->setObjectName(QStringLiteral("staStdPanel1"));
    m_statusPanel->setAccessibleDescription(QStringLiteral("Progress"));
    m_staStd->addWidget(m_statusPanel, 1);

    m_lblStd[0]->setBuddy(m_txtStd[0]);
    m_lblStd[1]->setBuddy(m_txtStd[1]);
    m_lblStd[7]->setBuddy(m_prgInfo);
    m_lblStd[2]->setBuddy(m_txtStd[4]);
    m_lblStd[4]->setBuddy(m_txtStd[2]);

    auto* selectOnFocus = new prg::SelectOnFocus(this);
    for (QLineEdit* box : m_txtStd) {
        if (box)
            selectOnFocus->watch(box);
    }
    selectOnFocus->watch(m_prgInfo);

    // Files dropped from a file manager name the input or the output.
    auto* drop = new prg::PathDrop(this);
    drop->watch(m_txtStd[0]);
    drop->watch(m_txtStd[1]);
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
    const QList<QWidget*> order = {m_txtStd[0], m_cmdBrowse,   m_txtStd[1], m_txtStd[4],
                                   m_txtStd[5], m_chkLocation, m_txtStd[2], m_cmdConvert,
                                   m_cmdHelp,   m_cmdExit,     m_prgInfo};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

} // namespace slivra
