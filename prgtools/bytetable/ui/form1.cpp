#include "form1.h"

#include "browse.h"
#include "busywindow.h"
#include "bytetable.h"
#include "conversionflow.h"
#include "errorreport.h"
#include "inputchecks.h"
#include "paths.h"
#include "prgfile.h"
#include "prompts.h"
#include "textselect.h"
#include "twipslayout.h"
#include "windowrole.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

#include <algorithm>

namespace nembra {

namespace {

const QString kApplication = QStringLiteral("Nembrix");
const QString kValuesPerRowKey = QStringLiteral("ValuesPerRow");
const QString kLimitStartKey = QStringLiteral("LimitStart");
const QString kLimitEndKey = QStringLiteral("LimitEnd");
const QString kWebAddress = QStringLiteral("https://felgrove.example.org");

// How many characters the user may type into the boxes that have a limit.
constexpr int kValuesPerRowLength = 2;
constexpr int kAddressLength = 4;

// Shows a text read from the settings store whole, even when it is longer
// than the box lets a person type: the length limit then widens until the
// user has shortened the text, so nothing stored is silently cut.
void setStoredText(QLineEdit* box, const QString& text, int typingLimit) {
    box->setMaxLength(std::max(typingLimit, int(text.size())));
    box->setText(text);
}

void keepTypingLimit(QLineEdit* box, int typingLimit) {
    QObject::connect(box, &QLineEdit::textEdited, box, [box, typingLimit] {
        if (box->maxLength() != typingLimit && box->text().size() <= typingLimit)
            box->setMaxLength(typingLimit);
    });
}

} // namespace

Form1::Form1(felgrove::Prompts& prompts, QWidget* parent)
    : QWidget(parent), m_prompts(prompts), m_settings(kApplication) {
    setObjectName(QStringLiteral("Form1"));
    prg::announceAsWindow(this);
    setWindowTitle(QStringLiteral("Nembra - Coded by Marrok/Felgrove"));
    createControls();
    placeControls();
    connectEvents();
    Form_Load();
}

QString Form1::statusText() const {
    return m_statusPanel->text();
}

void Form1::Form_Load() {
    setStoredText(m_txtStd[3], m_settings.read(kValuesPerRowKey, QStringLiteral("8")),
                  kValuesPerRowLength);
    setStoredText(m_txtStd[4], m_settings.read(kLimitStartKey, QString()), kAddressLength);
    setStoredText(m_txtStd[5], m_settings.read(kLimitEndKey, QString()), kAddressLength);
    m_prgInfo->setPlainText(QStringLiteral("N/A"));
    m_txtStd[0]->setFocus();
}

void Form1::Form_Unload() {
    const std::pair<const QString&, QLineEdit*> stored[] = {{kValuesPerRowKey, m_txtStd[3]},
                                                            {kLimitStartKey, m_txtStd[4]},
                                                            {kLimitEndKey, m_txtStd[5]}};
    for (const auto& [key, box] : stored) {
        if (prg::Status failure = m_settings.write(key, box->text())) {
            prg::VisaFel(m_prompts, this, *failure, QStringLiteral("Main_Form_Unload"));
            return;
        }
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    // The window is out of use while it converts; it closes afterwards.
    if (m_converting) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void Form1::txtStd0_Change() {
    QString info = prg::AnalyseraPRG(m_txtStd[0]->text());
    m_prgInfo->setPlainText(info.replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void Form1::cmdBrowse_Click() {
    const prg::BrowseResult chosen = prg::browseForPrg(m_prompts, this, m_settings);
    if (chosen.settingsFailure) {
        prg::VisaFel(m_prompts, this, *chosen.settingsFailure, QStringLiteral("Main_cmdBrowse"));
        return;
    }
    if (!chosen.path)
        return;
    m_txtStd[0]->setText(*chosen.path);
    if (m_txtStd[1]->text().trimmed().isEmpty())
        m_txtStd[1]->setText(prg::TaBortExtension(*chosen.path) + QLatin1String(".txt"));
    prg::MarkeraText(m_txtStd[1]);
    m_txtStd[1]->setFocus();
}

void Form1::cmdHelp_Click() {
    const QStringList paragraphs = {
        QStringLiteral("Nembra 1.0 by Marrok/Felgrove."),
        QStringLiteral("This is a cross-assembly tool used to create byte tables from PRG-files."),
        QStringLiteral("Don't forget to visit ") + kWebAddress +
            QStringLiteral(" for more tools and artwork."),
    };
    m_prompts.message(this, felgrove::PromptIcon::None, kProgramName,
                      paragraphs.join(QLatin1String("\r\n\r\n")));
}

void Form1::setStatus(const QString& text) {
    prg::showStatus(m_statusPanel, text);
}

void Form1::cmdConvert_Click() {
    const FormTexts texts{m_txtStd[0]->text(),     m_txtStd[1]->text(), m_txtStd[3]->text(),
                          m_chkLimit->isChecked(), m_txtStd[4]->text(), m_txtStd[5]->text()};
    const auto checked = checkInputs(texts);
    if (const auto* failure = std::get_if<CheckFailure>(&checked)) {
        prg::warn(m_prompts, this, failure->message);
        m_txtStd[failure->box]->setFocus();
        return;
    }

    prg::BusyWindow busy(this, m_cmdConvert, m_converting);
    setStatus(QStringLiteral("Analyzing file, please wait..."));
    ConversionEvents events;
    events.converting = [this] { setStatus(QStringLiteral("Converting, please wait...")); };
    // The adjusted start is stored as "LimitStart" too, and passes the check.
    events.startLimitRestricted = [this](const QString& load) {
        prg::restrictStart(m_prompts, this, m_txtStd[4],
                           QStringLiteral("Start limit restricted to PRG load address $"), load);
    };
    prg::reportConversion(m_prompts, this, m_statusPanel,
                          convertToByteTable(std::get<ConversionRequest>(checked), events));
}

void Form1::connectEvents() {
    connect(m_txtStd[0], &QLineEdit::textChanged, this, &Form1::txtStd0_Change);
    connect(m_cmdBrowse, &QToolButton::clicked, this, &Form1::cmdBrowse_Click);
    connect(m_cmdConvert, &QPushButton::clicked, this, &Form1::cmdConvert_Click);
    connect(m_cmdHelp, &QPushButton::clicked, this, &Form1::cmdHelp_Click);
    connect(m_cmdExit, &QPushButton::clicked, this, &QWidget::close);
    auto* selectOnFocus = new prg::SelectOnFocus(this);
    for (int i : {0, 1, 3, 4, 5})
        selectOnFocus->watch(m_txtStd[i]);
    selectOnFocus->watch(m_prgInfo);
    keepTypingLimit(m_txtStd[3], kValuesPerRowLength);
    keepTypingLimit(m_txtStd[4], kAddressLength);
    keepTypingLimit(m_txtStd[5], kAddressLength);
}

} // namespace nembra
