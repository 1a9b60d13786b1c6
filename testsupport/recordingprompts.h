#pragma once

#include "desktop/prompts.h"

#include <QStringList>

#include <functional>
#include <ostream>
#include <vector>

namespace felgrove {

// A Prompts for tests: records every box and dialog and answers at once.
class RecordingPrompts final : public Prompts {
public:
    struct Message {
        PromptIcon icon;
        QString title;
        QString text;
        bool operator==(const Message&) const = default;
        friend void PrintTo(const Message& m, std::ostream* out) {
            *out << int(m.icon) << " \"" << m.title.toStdString() << "\": \""
                 << m.text.toStdString() << '"';
        }
    };
    struct FileRequest {
        QString title, folder, filter;
    };

    std::vector<Message> messages;
    std::vector<FileRequest> fileRequests;
    // Answers for the file dialog, used in order; an empty queue answers
    // with a cancel (an empty name).
    QStringList fileAnswers;
    // Called while a message box would be open, to look at the window then.
    std::function<void(const Message&)> onMessage;

    void message(QWidget*, PromptIcon icon, const QString& title, const QString& text) override {
        messages.push_back({icon, title, text});
        if (onMessage)
            onMessage(messages.back());
    }
    QString openFileName(QWidget*, const QString& title, const QString& folder,
                         const QString& filter) override {
        fileRequests.push_back({title, folder, filter});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
    // Texts of the recorded messages, in order.
    QStringList texts() const {
        QStringList result;
        for (const Message& m : messages)
            result << m.text;
        return result;
    }
    void clear() {
        messages.clear();
        fileRequests.clear();
        fileAnswers.clear();
    }
};

} // namespace felgrove
