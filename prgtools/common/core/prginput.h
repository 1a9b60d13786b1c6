#pragma once

#include "prgtools/common/core/failure.h"

#include <QString>
#include <QtGlobal>

#include <limits>

namespace prg {

// The file offsets first <= p < stop whose data bytes lie at the C64
// addresses start..end (both inclusive) of a PRG with this load address;
// the byte at offset p lies at loadAddress + p - 2. A PRG that loads at
// $0000 is taken whole. `stop` may lie beyond the file and is never below
// `first`.
struct DataSpan {
    qint64 first = 2;
    qint64 stop = std::numeric_limits<qint64>::max();
};
DataSpan dataSpan(int loadAddress, qint64 start, qint64 end);

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
