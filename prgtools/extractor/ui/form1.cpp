#include "form1.h"

#include "browse.h"
#include "busywindow.h"
#include "conversionflow.h"
#include "errorreport.h"
#include "extraction.h"
#include "helptext.h"
#include "hex.h"
#include "inputchecks.h"
#include "prgfile.h"
#include "prompts.h"
#include "textselect.h"
#include "windowrole.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>

#include <cerrno>

namespace slivra {

namespace {
const QString kIncludeLocation = QStringLiteral("IncludeLocation");
}

Form1::Form1(felgrove::Prompts& prompts, QWidget* parent)
    : QWidget(parent), m_prompts(prompts), m_settings(kProgram) {
    setObjectName(QStringLiteral("Form1"));
    prg::announceAsWindow(this);
    setWindowTitle(QStringLiteral("Slivra - Coded by Marrok/Felgrove"));
    buildControls();
    placeControls();
    connectEvents();
    Form_Load();
    m_txtStd[0]->setFocus(Qt::OtherFocusReason);
}

void Form1::connectEvents() {
    connect(m_txtStd[0], &QLineEdit::textChanged, this, [this] { txtStd_Change(0); });
    connect(m_chkLocation, &QCheckBox::toggled, this, &Form1::chkLocation_Click);
    connect(m_cmdBrowse, &QPushButton::clicked, this, &Form1::cmdBrowse_Click);
    connect(m_cmdConvert, &QPushButton::clicked, this, &Form1::cmdConvert_Click);
    connect(m_cmdHelp, &QPushButton::clicked, this, &Form1::cmdHelp_Click);
    connect(m_cmdExit, &QPushButton::clicked, this, &Form1::cmdExit_Click);
}

QString Form1::statusText() const {
    return m_statusPanel->text();
}

void Form1::setStatus(const QString& text) {
    prg::showStatus(m_statusPanel, text);
}

void Form1::Form_Load() {
    const QString stored = m_settings.read(kIncludeLocation, QStringLiteral("0"));
    bool number = false;
    const int state = stored.trimmed().toInt(&number);
    if (number && (state == 0 || state == 1)) {
        m_chkLocation->setChecked(state == 1);
    } else {
        prg::VisaFel(
            m_prompts, this, EINVAL,
            QStringLiteral("Stored %1 value \"%2\" is not 0 or 1").arg(kIncludeLocation, stored),
            kProgram, QStringLiteral("Main_Form_Load"));
    }
    // The window is usable even after a bad stored value: unchecked then.
    chkLocation_Click();
    m_prgInfo->setPlainText(QStringLiteral("N/A"));
}

void Form1::Form_Unload() {
    const QString state = m_chkLocation->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (prg::Status failure = m_settings.write(kIncludeLocation, state))
        prg::VisaFel(m_prompts, this, *failure, QStringLiteral("Main_Form_Unload"));
}

void Form1::closeEvent(QCloseEvent* event) {
    // The repaint after a start restriction lets events through; the window
    // is not closed under a running extraction.
    if (m_busy) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void Form1::EnableTextFalt(QLineEdit* txtBox, bool blnEnabled) {
    QPalette palette = txtBox->palette();
    const QPalette& standard = QApplication::palette(txtBox);
    palette.setColor(QPalette::Base,
                     standard.color(blnEnabled ? QPalette::Base : QPalette::Button));
    txtBox->setPalette(palette);
    txtBox->setReadOnly(!blnEnabled);
    txtBox->setFocusPolicy(blnEnabled ? Qt::StrongFocus : Qt::ClickFocus);
}

void Form1::chkLocation_Click() {
    EnableTextFalt(m_txtStd[2], m_chkLocation->isChecked());
}

void Form1::txtStd_Change(int index) {
    if (index == 0)
        m_prgInfo->setPlainText(prg::AnalyseraPRG(m_txtStd[0]->text()));
}

void Form1::cmdBrowse_Click() {
    const prg::BrowseResult result = prg::browseForPrg(m_prompts, this, m_settings);
    // A folder that cannot be stored is reported and ends the browse.
    if (result.settingsFailure) {
        prg::VisaFel(m_prompts, this, *result.settingsFailure, QStringLiteral("Main_cmdBrowse"));
        return;
    }
    if (!result.path)
        return;
    m_txtStd[0]->setText(*result.path);
    prg::MarkeraText(m_txtStd[1]);
    m_txtStd[1]->setFocus(Qt::OtherFocusReason);
}

void Form1::cmdConvert_Click() {
    const ExtractFields fields{m_txtStd[0]->text(),        m_txtStd[1]->text(),
                               m_txtStd[4]->text(),        m_txtStd[5]->text(),
                               m_chkLocation->isChecked(), m_txtStd[2]->text()};
    if (const std::optional<InputProblem> problem = checkInputs(fields)) {
        prg::warn(m_prompts, this, problem->message);
        m_txtStd.at(int(problem->focus))->setFocus(Qt::OtherFocusReason);
        return;
    }
    prg::BusyWindow busy(this, m_cmdConvert, m_busy);
    setStatus(QStringLiteral("Analyzing file, please wait..."));
    ExtractRequest request;
    request.input = fields.input;
    request.output = fields.output;
    // Both passed the four-digit check, so neither conversion can fail.
    request.start = prg::HexToDec(fields.start, kProgram).value();
    request.end = prg::HexToDec(fields.end, kProgram).value();
    request.includeLocation = fields.includeLocation;
    request.newLocation = fields.newLocation;
    ExtractHooks hooks;
    hooks.converting = [this] { setStatus(QStringLiteral("Converting, please wait...")); };
    hooks.startRestricted = [this](const QString& load) {
        prg::restrictStart(m_prompts, this, m_txtStd[4],
                           QStringLiteral("Extract start restricted to PRG load address $"), load);
    };
    prg::reportConversion(m_prompts, this, m_statusPanel, extractRange(request, hooks));
}

void Form1::cmdHelp_Click() {
    m_prompts.message(this, felgrove::PromptIcon::None, kProgram, helpText());
}

void Form1::cmdExit_Click() {
    close();
}

} // namespace slivra
