#include "prgtools/extractor/ui/form1.h"

#include "prgtools/common/core/prgfile.h"
#include "prgtools/common/ui/errorreport.h"
#include "prgtools/extractor/core/extraction.h"
#include "prgtools/extractor/core/helptext.h"
#include "prgtools/extractor/core/inputchecks.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cerrno>

namespace slivra {

namespace {

// The window was drawn at 7125 x 3240 twips.
constexpr prg::SharedPlaces kPlaces{7125, 3240, 3675, 105, 2535};

const QString kIncludeLocation = QStringLiteral("IncludeLocation");
} // namespace

Form1::Form1(felgrove::Prompts& prompts, QWidget* parent)
    : ToolWindow(prompts, kProgram, kProgram, helpText(), kPlaces, parent) {
    setUp();
}

void Form1::connectEvents() {
    connect(m_txtStd[0], &QLineEdit::textChanged, this, [this] { txtStd_Change(0); });
    connect(m_chkLocation, &QCheckBox::toggled, this, &Form1::chkLocation_Click);
    connect(m_cmdConvert, &QPushButton::clicked, this, &Form1::cmdConvert_Click);
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

void Form1::cmdConvert_Click() {
    // The txtStd box of each ExtractField, in the enumeration's order.
    constexpr int kBoxOf[] = {0, 1, 4, 5, 2};
    const auto checked =
        checkInputs({m_txtStd[0]->text(), m_txtStd[1]->text(), m_txtStd[4]->text(),
                     m_txtStd[5]->text(), m_chkLocation->isChecked(), m_txtStd[2]->text()});
    if (const auto* problem = std::get_if<InputProblem>(&checked))
        return refuse(problem->message, kBoxOf[int(problem->field)]);
    convert(QStringLiteral("Extract start restricted to PRG load address $"),
            [&](const prg::ConversionEvents& events) {
                return extractRange(std::get<ExtractRequest>(checked), events);
            });
}

} // namespace slivra
