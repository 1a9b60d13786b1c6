#pragma once

#include "desktop/prompts.h"

#include <memory>

class QMessageBox;

namespace felgrove {

// Prompts shown with QMessageBox and QFileDialog.
class QtPrompts final : public Prompts {
public:
    void message(QWidget* parent, PromptIcon icon, const QString& title,
                 const QString& text) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;

    // The box that message() shows: one OK button, and wide enough for the
    // window manager to show its whole title beside the title-bar buttons.
    static std::unique_ptr<QMessageBox> messageBox(QWidget* parent, PromptIcon icon,
                                                   const QString& title, const QString& text);
};

} // namespace felgrove
