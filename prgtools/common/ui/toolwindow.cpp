#include "prgtools/common/ui/toolwindow.h"

#include "desktop/announce.h"
#include "desktop/prompts.h"
#include "prgtools/common/ui/browse.h"
#include "prgtools/common/ui/busywindow.h"
#include "prgtools/common/ui/conversionflow.h"
#include "prgtools/common/ui/errorreport.h"
#include "prgtools/common/ui/pathdrop.h"
#include "prgtools/common/ui/textselect.h"
#include "prgtools/common/ui/twipslayout.h"
#include "prgtools/common/ui/windowrole.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

namespace prg {

namespace {

// The browse button is just wide enough for its "...": the style's minimum
// width for text buttons would push it over the convert button.
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

} // namespace

ToolWindow::ToolWindow(felgrove::Prompts& prompts, const QString& program,
                       const QString& settingsName, QString helpText, const SharedPlaces& places,
                       QWidget* parent)
    : QWidget(parent), m_prompts(prompts), m_settings(settingsName), m_program(program),
      m_helpText(std::move(helpText)), m_places(places) {
    setObjectName(QStringLiteral("Form1"));
    felgrove::announceAsWindow(this);
    setWindowTitle(program + QStringLiteral(" - Coded by Marrok/Felgrove"));
}

void ToolWindow::setUp() {
    buildControls();
    watchBoxes();
    placeControls();
    connectEvents();
    Form_Load();
    announcePrgInfo();
    m_txtStd[0]->setFocus(Qt::OtherFocusReason);
}

void ToolWindow::announcePrgInfo() {
    // The information changes with each typed character of the path; it is
    // spoken once the typing has paused, and only when it says something new.
    auto* pause = new QTimer(this);
    pause->setSingleShot(true);
    pause->setInterval(700);
    connect(m_prgInfo, &QPlainTextEdit::textChanged, pause, qOverload<>(&QTimer::start));
    connect(pause, &QTimer::timeout, this, [this, spoken = m_prgInfo->toPlainText()]() mutable {
        const QString info = m_prgInfo->toPlainText();
        if (info == spoken)
            return;
        spoken = info;
        felgrove::announce(m_prgInfo, m_lblStd[7]->text() + QStringLiteral(": ") + info);
    });
}

void ToolWindow::placeControls() {
    constexpr int kStatusHeight = 285;
    TwipsLayout layout(m_places.clientWidth, m_places.clientHeight);
    layout.place(m_lblStd[0], 105, 165, 585, 195);
    layout.place(m_txtStd[0], 1500, 120, m_places.inputWidth, 285);
    layout.place(m_cmdBrowse, 5190, 120, 315, 270);
    layout.place(m_lblStd[1], m_places.outputCaptionLeft, 480, 720, 195);
    layout.place(m_txtStd[1], 1500, 435, 4005, 285);
    layout.place(m_lblStd[7], 105, 915, 645, 195);
    layout.place(m_prgInfo, 1500, 870, 4005, 900);
    placeOwnControls(layout);
    layout.place(m_cmdConvert, 5805, 120, 1245, 330);
    layout.place(m_cmdHelp, 5805, 465, 1245, 330);
    layout.place(m_cmdExit, 5805, m_places.exitTop, 1245, 330);
    layout.place(m_staStd, 0, m_places.clientHeight - kStatusHeight, m_places.clientWidth,
                 kStatusHeight);
    const QSize client = layout.apply();
    setFixedSize(client);
    // The status bar runs along the whole bottom edge, however wide the
    // captions made the window.
    m_staStd->setGeometry(0, m_staStd->y(), client.width(), client.height() - m_staStd->y());
}

QString ToolWindow::statusText() const {
    return m_statusPanel->text();
}

void ToolWindow::setStatus(const QString& text) {
    showStatus(m_statusPanel, text);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    // The repaint after a start restriction lets events through; the window
    // is not closed under a running conversion.
    if (m_busy) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

QLabel* ToolWindow::makeLabel(int index, const QString& caption) {
    auto* label = new QLabel(caption, this);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setObjectName(QStringLiteral("lblStd%1").arg(index));
    m_lblStd.at(index) = label;
    return label;
}

QLabel* ToolWindow::makePrefix(int index, const QString& caption) {
    QLabel* label = makeLabel(index, caption);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 9.75 / 8.25);
    label->setFont(font);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

void ToolWindow::buildPathControls(int infoIndex, QPalette::ColorRole face) {
    makeLabel(0, QStringLiteral("&PRG file"))->setBuddy(makeBox(0, QStringLiteral("PRG file"), 0));
    // Heard by what it does; its caption would be heard as "dot dot dot".
    m_cmdBrowse = named(new CompactButton(QStringLiteral("..."), this), QStringLiteral("cmdBrowse"),
                        QStringLiteral("Browse for the PRG file"));
    m_cmdBrowse->setAutoDefault(false);
    QFont bold = m_cmdBrowse->font();
    bold.setBold(true);
    m_cmdBrowse->setFont(bold);
    connect(m_cmdBrowse, &QPushButton::clicked, this, &ToolWindow::cmdBrowse_Click);
    makeLabel(1, QStringLiteral("&Output file"))
        ->setBuddy(makeBox(1, QStringLiteral("Output file"), 0));

    QLabel* infoLabel = makeLabel(7, QStringLiteral("PRG info"));
    infoLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_prgInfo = named(new QPlainTextEdit(this), QStringLiteral("txtStd%1").arg(infoIndex),
                      QStringLiteral("PRG info"));
    m_prgInfo->setReadOnly(true);
    // The four lines of the inspection, whatever the font.
    m_prgInfo->setProperty(TwipsLayout::kTextLines, 4);
    m_prgInfo->setTabChangesFocus(true);
    // Each of the four lines of the information stays on one line.
    m_prgInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette palette = m_prgInfo->palette();
    palette.setColor(QPalette::Base, palette.color(face));
    m_prgInfo->setPalette(palette);
    infoLabel->setBuddy(m_prgInfo);
}

void ToolWindow::buildButtons(const QString& convertCaption) {
    const auto button = [this](const QString& name, const QString& caption) {
        auto* made = named(new QPushButton(caption, this), name, caption);
        made->setAutoDefault(false);
        return made;
    };
    m_cmdConvert = button(QStringLiteral("cmdConvert"), convertCaption);
    m_cmdHelp = button(QStringLiteral("cmdHelp"), QStringLiteral("&Help"));
    m_cmdExit = button(QStringLiteral("cmdExit"), QStringLiteral("E&xit"));
    connect(m_cmdHelp, &QPushButton::clicked, this, &ToolWindow::cmdHelp_Click);
    connect(m_cmdExit, &QPushButton::clicked, this, &QWidget::close);

    m_staStd = named(new QStatusBar(this), QStringLiteral("staStd"), QStringLiteral("Status"));
    m_staStd->setSizeGripEnabled(false);
    m_statusPanel = new QLabel(m_staStd);
    m_statusPanel->setObjectName(QStringLiteral("staStdPanel1"));
    m_statusPanel->setAccessibleDescription(QStringLiteral("Progress"));
    m_staStd->addWidget(m_statusPanel, 1);
}

void ToolWindow::watchBoxes() {
    auto* selectOnFocus = new SelectOnFocus(this);
    for (QLineEdit* box : m_txtStd) {
        if (box)
            selectOnFocus->watch(box);
    }
    selectOnFocus->watch(m_prgInfo);

    // Files dropped from a file manager name the input or the output.
    auto* drop = new PathDrop(this);
    drop->watch(m_txtStd[0]);
    drop->watch(m_txtStd[1]);
}

void ToolWindow::chainTabOrder(std::initializer_list<QWidget*> order) {
    QWidget* const* widgets = order.begin();
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(widgets[i - 1], widgets[i]);
}

void ToolWindow::cmdBrowse_Click() {
    const BrowseResult result = browseForPrg(m_prompts, this, m_settings);
    // A folder that cannot be stored is reported and ends the browse.
    if (result.settingsFailure) {
        VisaFel(m_prompts, this, *result.settingsFailure, QStringLiteral("Main_cmdBrowse"));
        return;
    }
    if (!result.path)
        return;
    m_txtStd[0]->setText(*result.path);
    pathChosen(*result.path);
    MarkeraText(m_txtStd[1]);
    m_txtStd[1]->setFocus(Qt::OtherFocusReason);
}

void ToolWindow::cmdHelp_Click() {
    m_prompts.message(this, felgrove::PromptIcon::None, m_program, m_helpText);
}

void ToolWindow::refuse(const QString& message, int box) {
    warn(m_prompts, this, message);
    m_txtStd.at(box)->setFocus(Qt::OtherFocusReason);
}

void ToolWindow::convert(const QString& restrictedNotice,
                         const std::function<Outcome<qint64>(const ConversionEvents&)>& run) {
    BusyWindow busy(this, m_cmdConvert, m_busy);
    setStatus(QStringLiteral("Analyzing file, please wait..."));
    ConversionEvents events;
    events.converting = [this] { setStatus(QStringLiteral("Converting, please wait...")); };
    events.startRestricted = [this, &restrictedNotice](const QString& load) {
        restrictStart(m_prompts, this, m_txtStd[4], restrictedNotice, load);
    };
    reportConversion(m_prompts, this, m_statusPanel, run(events));
}

} // namespace prg
