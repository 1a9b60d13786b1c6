#pragma once

#include "prompts.h"

namespace felgrove {

// Prompts shown with QMessageBox and QFileDialog.
class QtPrompts final : public Prompts {
public:
    void message(QWidget* parent, PromptIcon icon, const QString& title,
                 const QString& text) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;
};

} // namespace felgrove
