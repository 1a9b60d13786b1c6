#pragma once

#include "settingsstore.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QToolButton;

namespace felgrove {
class Prompts;
}

namespace nembra {

// The byte-table writer's one window: input and output paths, the PRG
// information, values per row and the optional address window, and the
// buttons that convert, help and close.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(felgrove::Prompts& prompts, QWidget* parent = nullptr);

    // The first panel of the status bar.
    QString statusText() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void placeControls();
    void connectEvents();

    void Form_Load();
    void Form_Unload();
    void cmdBrowse_Click();
    void cmdConvert_Click();
    void cmdHelp_Click();
    void txtStd0_Change();

    void setStatus(const QString& text);

    felgrove::Prompts& m_prompts;
    prg::SettingsStore m_settings;
    bool m_converting = false;

    QLineEdit* m_txtStd[6] = {}; // index 2 is the PRG-info box below
    QPlainTextEdit* m_prgInfo = nullptr;
    QLabel* m_lblStd[8] = {}; // there is no lblStd(3)
    QToolButton* m_cmdBrowse = nullptr;
    QPushButton* m_cmdConvert = nullptr;
    QPushButton* m_cmdHelp = nullptr;
    QPushButton* m_cmdExit = nullptr;
    QCheckBox* m_chkLimit = nullptr;
    QStatusBar* m_staStd = nullptr;
    QLabel* m_statusPanel = nullptr;
};

} // namespace nembra
