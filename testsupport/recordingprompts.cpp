#include "testsupport/recordingprompts.h"

namespace felgrove {

void RecordingPrompts::message(QWidget*, PromptIcon icon, const QString& title,
                               const QString& text) {
    messages.push_back({icon, title, text});
    if (onMessage)
        onMessage(messages.back());
}

QString RecordingPrompts::openFileName(QWidget*, const QString& title, const QString& folder,
                                       const QString& filter) {
    fileRequests.push_back({title, folder, filter});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QStringList RecordingPrompts::texts() const {
    QStringList result;
    for (const Message& m : messages)
        result << m.text;
    return result;
}

void RecordingPrompts::clear() {
    messages.clear();
    fileRequests.clear();
    fileAnswers.clear();
}

} // namespace felgrove
