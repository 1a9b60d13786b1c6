#pragma once

#include "prgtools/common/ui/toolwindow.h"

class QCheckBox;

namespace slivra {

// Slivra's one window: the input and output paths, the PRG information, the
// address range and the new location bytes, and the buttons that extract,
// help and close. The PRG-info box is txtStd(3).
class Form1 : public prg::ToolWindow {
    Q_OBJECT
public:
    explicit Form1(felgrove::Prompts& prompts, QWidget* parent = nullptr);

private:
    void buildControls() override;
    void placeOwnControls(prg::TwipsLayout& layout) override;
    void connectEvents() override;

    void Form_Load() override;
    void Form_Unload() override;
    void EnableTextFalt(QLineEdit* txtBox, bool blnEnabled);
    void chkLocation_Click();
    void txtStd_Change(int index);
    void cmdConvert_Click();

    QCheckBox* m_chkLocation = nullptr;
};

} // namespace slivra
