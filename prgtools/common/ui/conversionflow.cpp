#include "prgtools/common/ui/conversionflow.h"

#include "prgtools/common/ui/errorreport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

namespace prg {

void showStatus(QLabel* panel, const QString& text) {
    panel->setText(text);
    panel->repaint();
}

void restrictStart(felgrove::Prompts& prompts, QWidget* window, QLineEdit* startBox,
                   const QString& notice, const QString& loadAddress) {
    inform(prompts, window, notice + loadAddress);
    startBox->setText(loadAddress.toLower());
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void reportConversion(felgrove::Prompts& prompts, QWidget* window, QLabel* panel,
                      const Outcome<qint64>& converted) {
    if (!converted) {
        showStatus(panel, QString());
        VisaFel(prompts, window, converted.failure(), QStringLiteral("Main_cmdConvert_Click"));
        return;
    }
    showStatus(panel, QStringLiteral("Conversion finished. %1 bytes converted.").arg(*converted));
    inform(prompts, window, QStringLiteral("Finished!"));
}

} // namespace prg
