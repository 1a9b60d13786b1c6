#include "prgtools/common/ui/errorreport.h"

#include "desktop/prompts.h"

#include <QStringList>

namespace prg {

QString errorReportText(int number, const QString& description, const QString& source,
                        const QString& label) {
    return QStringList{QString::number(number), description, source, label}.join(
        QLatin1String("\r\n"));
}

void VisaFel(felgrove::Prompts& prompts, QWidget* parent, int number, const QString& description,
             const QString& source, const QString& label) {
    prompts.message(parent, felgrove::PromptIcon::Warning, kMessageTitle,
                    errorReportText(number, description, source, label));
}

void VisaFel(felgrove::Prompts& prompts, QWidget* parent, const Failure& failure,
             const QString& label) {
    VisaFel(prompts, parent, failure.number, failure.description, failure.source, label);
}

void warn(felgrove::Prompts& prompts, QWidget* parent, const QString& text) {
    prompts.message(parent, felgrove::PromptIcon::Warning, kMessageTitle, text);
}

void inform(felgrove::Prompts& prompts, QWidget* parent, const QString& text) {
    prompts.message(parent, felgrove::PromptIcon::Information, kMessageTitle, text);
}

} // namespace prg
