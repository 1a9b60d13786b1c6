#pragma once

#include "prgtools/common/core/failure.h"

#include <QString>

class QWidget;

namespace felgrove {
class Prompts;
}

namespace prg {

// The title of every conversion and error message of the PRG tools.
inline const QString kMessageTitle = QStringLiteral("Ostrel");

// The four lines of an error report: number, description, source, label.
QString errorReportText(int number, const QString& description, const QString& source,
                        const QString& label);

// VisaFel: shows the four-line report in a warning box with an OK button and
// the title "Ostrel", and returns when it has been closed.
void VisaFel(felgrove::Prompts& prompts, QWidget* parent, int number, const QString& description,
             const QString& source, const QString& label);

// VisaFel for a Failure caught by the procedure named by `label`.
void VisaFel(felgrove::Prompts& prompts, QWidget* parent, const Failure& failure,
             const QString& label);

// A warning of an input check ("Input filename is missing"): warning icon,
// OK, title "Ostrel".
void warn(felgrove::Prompts& prompts, QWidget* parent, const QString& text);

// A notice or result ("Finished!"): information icon, OK, title "Ostrel".
void inform(felgrove::Prompts& prompts, QWidget* parent, const QString& text);

} // namespace prg
