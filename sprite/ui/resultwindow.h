#pragma once

#include <QPointer>
#include <QWidget>

class QPlainTextEdit;

namespace pixmoth {

// "Sprite output": the generated sprite text in one fixed-pitch text box,
// wholly selected so Ctrl+C copies it. Escape (on release) in the window or
// its text box closes the window, which then deletes itself.
class ResultWindow : public QWidget {
    Q_OBJECT
public:
    explicit ResultWindow(QWidget* owner = nullptr);

    // Replaces the text, selects all of it and shows the window without
    // blocking its owner.
    void showText(const QString& text);

    QPlainTextEdit* output() const { return txtOutput; }

    // Shows `text` in the window `holder` points at, creating the window
    // first when there is none (the first press, or after Escape closed it);
    // a new window opens beside its owner's window, on the same screen.
    static ResultWindow* showResult(QPointer<ResultWindow>& holder, QWidget* owner,
                                    const QString& text);

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool closesOn(const QKeyEvent* event) const;
    void placeBeside(const QWidget* main);
    void fitTextBox();

    QPlainTextEdit* txtOutput;
};

} // namespace pixmoth
