#pragma once

#include <QString>

class QWidget;

namespace felgrove {

// The icon of a message box. Every box has a single OK button.
enum class PromptIcon { None, Information, Warning };

// The one way a window reaches message boxes and file dialogs. The programs
// use QtPrompts; tests hand the windows a RecordingPrompts, so no test ever
// waits on a modal box.
class Prompts {
public:
    virtual ~Prompts() = default;

    // Shows a modal message box and returns when the user has closed it.
    // Line breaks may be written as CR LF.
    virtual void message(QWidget* parent, PromptIcon icon, const QString& title,
                         const QString& text) = 0;

    // Shows a modal file-open dialog; returns the chosen path, or an empty
    // string when the user cancelled. `filter` is in Qt's form:
    // "PRG-files (*.prg);;All files (*)".
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) = 0;
};

} // namespace felgrove
