#pragma once

#include "prgtools/common/core/failure.h"

#include <QString>
#include <QtGlobal>

namespace prg {

// Refuses, by the system's own reason, a path that is not an existing
// ordinary file: "No such file or directory", "Is a directory", "File name
// too long", or "not an ordinary file" for a FIFO or a device.
Status checkInputFile(const QString& path, const QString& source);

// A PRG file read by a conversion. Opening takes its size; the reads then
// deliver exactly those bytes and nothing behind them: a file that ends
// early or fails while it is read is a failure, never a short result.
class PrgInput {
public:
    PrgInput(QString path, QString source);
    ~PrgInput();

    PrgInput(const PrgInput&) = delete;
    PrgInput& operator=(const PrgInput&) = delete;

    // Opens an ordinary file for reading only. A FIFO or a device, even one
    // swapped in after the check, is refused without waiting on it.
    Status open();

    // The size found when the file was opened.
    qint64 size() const { return m_size; }
    // The file offset of the next byte read.
    qint64 position() const { return m_position; }

    Status seek(qint64 offset);
    // The next min(`max`, size() - position()) bytes, every one of them.
    Outcome<qint64> read(char* data, qint64 max);

private:
    Failure failure(int error) const;

    QString m_path;
    QString m_source;
    int m_fd = -1;
    qint64 m_size = 0;
    qint64 m_position = 0;
};

} // namespace prg
