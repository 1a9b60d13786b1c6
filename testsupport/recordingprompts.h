#pragma once

#include "desktop/prompts.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace felgrove {

// A Prompts for tests: records every box and dialog and answers at once.
class RecordingPrompts final : public Prompts {
public:
    struct Message {
        PromptIcon icon;
        QString title;
        QString text;
    };
    struct FileRequest {
        QString title;
        QString folder;
        QString filter;
    };

    std::vector<Message> messages;
    std::vector<FileRequest> fileRequests;

    // Answers for the file dialog, used in order; an empty queue answers
    // with a cancel (an empty name).
    QStringList fileAnswers;

    // Called while a message box would be open, to look at the window then.
    std::function<void(const Message&)> onMessage;

    void message(QWidget* parent, PromptIcon icon, const QString& title,
                 const QString& text) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;

    // Texts of the recorded messages, in order.
    QStringList texts() const;
    void clear();
};

} // namespace felgrove
