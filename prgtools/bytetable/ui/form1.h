#pragma once

#include "prgtools/common/ui/toolwindow.h"

class QCheckBox;

namespace nembra {

// The byte-table writer's one window: input and output paths, the PRG
// information, values per row and the optional address window, and the
// buttons that convert, help and close. The PRG-info box is txtStd(2); there
// is no lblStd(3).
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
    void pathChosen(const QString& path) override;
    void cmdConvert_Click();
    void txtStd0_Change();

    QCheckBox* m_chkLimit = nullptr;
};

} // namespace nembra
