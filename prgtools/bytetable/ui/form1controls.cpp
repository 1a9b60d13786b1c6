// The controls of Form1: captions, access keys, places and tab order.
#include "form1.h"

#include "pathdrop.h"
#include "twipslayout.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

namespace nembra {

namespace {

// The window's client area in twips; the status bar fills its bottom 285.
constexpr int kClientWidth = 7125;
constexpr int kClientHeight = 2910;
constexpr int kStatusHeight = 285;

// The "$" labels are set a little larger than the window's text
// (9.75 against 8.25 points).
constexpr double kDollarFontScale = 9.75 / 8.25;

// The small "..." button beside the input path. It asks only for the room
// its three dots need, so the layout keeps it in line with the output box
// instead of widening it to a dialog button's width.
class BrowseButton : public QToolButton {
public:
    using QToolButton::QToolButton;
    QSize sizeHint() const override {
        const QSize normal = QToolButton::sizeHint();
        return {fontMetrics().horizontalAdvance(text()) + 8, normal.height()};
    }
};

QString withoutAccessKey(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

template <typename T> T* named(T* widget, const QString& name, const QString& caption) {
    widget->setObjectName(name);
    widget->setAccessibleName(withoutAccessKey(caption));
    return widget;
}

} // namespace

void Form1::createControls() {
    // A label is read out by its text, so it carries no accessible name.
    const auto label = [this](int index, const QString& caption) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(QStringLiteral("lblStd%1").arg(index));
        m_lblStd[index] = l;
        return l;
    };
    const auto box = [this](int index, const QString& accessible, int maxLength) {
        auto* b = new QLineEdit(this);
        b->setMaxLength(maxLength);
        m_txtStd[index] = named(b, QStringLiteral("txtStd%1").arg(index), accessible);
        return b;
    };
    const auto button = [this](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        return named(b, name, caption);
    };

    label(0, QStringLiteral("&PRG file"))->setBuddy(box(0, QStringLiteral("PRG file"), 32767));
    m_cmdBrowse = named(new BrowseButton(this), QStringLiteral("cmdBrowse"), QStringLiteral("..."));
    m_cmdBrowse->setText(QStringLiteral("..."));
    m_cmdBrowse->setFocusPolicy(Qt::StrongFocus);
    m_cmdBrowse->setAccessibleDescription(QStringLiteral("Browse for the PRG file"));
    QFont bold = m_cmdBrowse->font();
    bold.setBold(true);
    m_cmdBrowse->setFont(bold);
    label(1, QStringLiteral("&Output file"))
        ->setBuddy(box(1, QStringLiteral("Output file"), 32767));

    m_prgInfo =
        named(new QPlainTextEdit(this), QStringLiteral("txtStd2"), QStringLiteral("PRG info"));
    m_prgInfo->setReadOnly(true);
    // The four lines of the inspection, whatever the font.
    m_prgInfo->setProperty(prg::TwipsLayout::kTextLines, 4);
    m_prgInfo->setTabChangesFocus(true);
    // Each of the four lines of the information stays on one line.
    m_prgInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_prgInfo->setFocusPolicy(Qt::StrongFocus);
    m_prgInfo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPalette face = m_prgInfo->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Window));
    m_prgInfo->setPalette(face);
    label(7, QStringLiteral("PRG info"))->setBuddy(m_prgInfo);

    label(2, QStringLiteral("&Values per row"))
        ->setBuddy(box(3, QStringLiteral("Values per row"), 2));
    label(4, QStringLiteral("(1-32)"));
    m_chkLimit = named(new QCheckBox(QStringLiteral("&Limit read to"), this),
                       QStringLiteral("chkLimit"), QStringLiteral("&Limit read to"));
    label(5, QStringLiteral("$"))->setBuddy(box(4, QStringLiteral("Limit start"), 4));
    label(6, QStringLiteral("- $"))->setBuddy(box(5, QStringLiteral("Limit end"), 4));
    for (int i : {5, 6}) {
        QFont larger = m_lblStd[i]->font();
        larger.setPointSizeF(larger.pointSizeF() * kDollarFontScale);
        m_lblStd[i]->setFont(larger);
        m_lblStd[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    m_cmdConvert = button(QStringLiteral("cmdConvert"), QStringLiteral("&Read PRG"));
    m_cmdHelp = button(QStringLiteral("cmdHelp"), QStringLiteral("&Help"));
    m_cmdExit = button(QStringLiteral("cmdExit"), QStringLiteral("E&xit"));

    m_staStd = named(new QStatusBar(this), QStringLiteral("staStd"), QStringLiteral("Status"));
    m_staStd->setSizeGripEnabled(false);
    m_statusPanel = new QLabel(m_staStd);
    m_statusPanel->setObjectName(QStringLiteral("staStdPanel1"));
    m_statusPanel->setAccessibleDescription(QStringLiteral("Progress"));
    m_staStd->addWidget(m_statusPanel, 1);

    // Files dropped from a file manager name the input or the output.
    auto* drop = new prg::PathDrop(this);
    drop->watch(m_txtStd[0]);
    drop->watch(m_txtStd[1]);

    QWidget* order[] = {m_txtStd[0], m_cmdBrowse, m_txtStd[1], m_txtStd[3],
                        m_chkLimit,  m_txtStd[4], m_txtStd[5], m_cmdConvert,
                        m_cmdHelp,   m_cmdExit,   m_prgInfo};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
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
