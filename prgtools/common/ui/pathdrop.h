#pragma once

#include <QObject>

class QLineEdit;

namespace prg {

// Lets a path box take a file dropped from a file manager: the box's text
// becomes the file's path, as if it had been typed, so its change event runs.
// Anything but exactly one local file is refused and leaves the box as it is.
class PathDrop : public QObject {
    Q_OBJECT
public:
    explicit PathDrop(QObject* parent) : QObject(parent) {}
    void watch(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace prg
