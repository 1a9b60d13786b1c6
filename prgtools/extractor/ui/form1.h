#pragma once

#include "settingsstore.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

namespace felgrove {
class Prompts;
}

namespace slivra {

// Slivra's one window: the input and output paths, the PRG information, the
// address range and the new location bytes, and the buttons that extract,
// help and close.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(felgrove::Prompts& prompts, QWidget* parent = nullptr);

    // The boxes of the txtStd array that hold one line (0, 1, 2, 4 and 5).
    QLineEdit* txtStd(int index) const { return m_txtStd.at(index); }
    // txtStd(3), the PRG-info box.
    QPlainTextEdit* prgInfo() const { return m_prgInfo; }
    // The text of the status bar's first panel.
    QString statusText() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void placeControls();
    void connectEvents();

    void Form_Load();
    void Form_Unload();
    void EnableTextFalt(QLineEdit* txtBox, bool blnEnabled);
    void chkLocation_Click();
    void txtStd_Change(int index);
    void cmdBrowse_Click();
    void cmdConvert_Click();
    void cmdHelp_Click();
    void cmdExit_Click();
    void setStatus(const QString& text);

    felgrove::Prompts& m_prompts;
    prg::SettingsStore m_settings;
    bool m_busy = false;

    std::array<QLineEdit*, 6> m_txtStd{}; // index 3 is the multi-line m_prgInfo
    QPlainTextEdit* m_prgInfo = nullptr;
    std::array<QLabel*, 8> m_lblStd{};
    QPushButton* m_cmdBrowse = nullptr;
    QPushButton* m_cmdConvert = nullptr;
    QPushButton* m_cmdHelp = nullptr;
    QPushButton* m_cmdExit = nullptr;
    QCheckBox* m_chkLocation = nullptr;
    QStatusBar* m_staStd = nullptr;
    QLabel* m_statusPanel = nullptr;
};

} // namespace slivra
