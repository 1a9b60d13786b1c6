#pragma once

#include "failure.h"

#include <QSaveFile>
#include <QString>

#include <vector>

namespace prg {

// A file written in one piece: the bytes go to a temporary file beside the
// target, which replaces the target only when commit() succeeds. Until then
// an existing file at the path stays as it was, and a failure or an early
// end leaves nothing behind.
class OutputFile {
public:
    OutputFile(QString path, QString source);
    ~OutputFile();

    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    Status open();
    // Buffered; a failure is reported by the write that reaches the disk.
    Status write(const char* data, qsizetype size) {
        if (m_used + size <= qsizetype(m_buffer.size())) {
            std::copy(data, data + size, m_buffer.data() + m_used);
            m_used += size;
            return std::nullopt;
        }
        return writeThrough(data, size);
    }
    Status write(char byte) { return write(&byte, 1); }
    // Writes what is buffered, flushes and replaces the target.
    Status commit();

private:
    Status writeThrough(const char* data, qsizetype size);
    Status drain();
    Failure failure(int savedErrno) const;

    QString m_path;
    QString m_source;
    QSaveFile m_file;
    std::vector<char> m_buffer;
    qsizetype m_used = 0;
};

} // namespace prg
