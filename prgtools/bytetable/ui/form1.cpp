#include "prgtools/bytetable/ui/form1.h"

#include "prgtools/bytetable/core/bytetable.h"
#include "prgtools/bytetable/core/helptext.h"
#include "prgtools/bytetable/core/inputchecks.h"
#include "prgtools/common/core/paths.h"
#include "prgtools/common/core/prgfile.h"
#include "prgtools/common/ui/errorreport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace nembra {

namespace {

// The window was drawn at 7125 x 2910 twips.
constexpr prg::SharedPlaces kPlaces{7125, 2910, 3705, 90, 2175};

const QString kValuesPerRowKey = QStringLiteral("ValuesPerRow");
const QString kLimitStartKey = QStringLiteral("LimitStart");
const QString kLimitEndKey = QStringLiteral("LimitEnd");

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
    : ToolWindow(prompts, kProgram, kSettingsName, helpText(), kPlaces, parent) {
    setUp();
}

void Form1::Form_Load() {
    setStoredText(m_txtStd[3], m_settings.read(kValuesPerRowKey, QStringLiteral("8")),
                  kValuesPerRowLength);
    setStoredText(m_txtStd[4], m_settings.read(kLimitStartKey, QString()), kAddressLength);
    setStoredText(m_txtStd[5], m_settings.read(kLimitEndKey, QString()), kAddressLength);
    m_prgInfo->setPlainText(QStringLiteral("N/A"));
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

void Form1::txtStd0_Change() {
    QString info = prg::AnalyseraPRG(m_txtStd[0]->text());
    m_prgInfo->setPlainText(info.replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void Form1::pathChosen(const QString& path) {
    if (m_txtStd[1]->text().trimmed().isEmpty())
        m_txtStd[1]->setText(prg::TaBortExtension(path) + QLatin1String(".txt"));
}

void Form1::cmdConvert_Click() {
    // The txtStd box of each ConversionField, in the enumeration's order.
    constexpr int kBoxOf[] = {0, 1, 3, 4, 5};
    const auto checked =
        checkInputs({m_txtStd[0]->text(), m_txtStd[1]->text(), m_txtStd[3]->text(),
                     m_chkLimit->isChecked(), m_txtStd[4]->text(), m_txtStd[5]->text()});
    if (const auto* problem = std::get_if<InputProblem>(&checked))
        return refuse(problem->message, kBoxOf[int(problem->field)]);
    // The adjusted start is stored as "LimitStart" too, and passes the check.
    convert(QStringLiteral("Start limit restricted to PRG load address $"),
            [&](const prg::ConversionEvents& events) {
                return convertToByteTable(std::get<ConversionRequest>(checked), events);
            });
}

void Form1::connectEvents() {
    connect(m_txtStd[0], &QLineEdit::textChanged, this, &Form1::txtStd0_Change);
    connect(m_cmdConvert, &QPushButton::clicked, this, &Form1::cmdConvert_Click);
    keepTypingLimit(m_txtStd[3], kValuesPerRowLength);
    keepTypingLimit(m_txtStd[4], kAddressLength);
    keepTypingLimit(m_txtStd[5], kAddressLength);
}

} // namespace nembra
