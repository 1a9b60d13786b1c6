#include "prgtools/common/ui/conversionflow.h"

#include "desktop/announce.h"
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
    const QString finished =
        QStringLiteral("Conversion finished. %1 bytes converted.").arg(*converted);
    showStatus(panel, finished);
    felgrove::announce(panel, finished);
    inform(prompts, window, QStringLiteral("Finished!"));
}

} // namespace prg
