#pragma once

#include "prgtools/common/core/failure.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <vector>

namespace prg {

namespace detail {
// The calls that put a finished file on the disk for good (the platform's;
// each returns 0 or an errno value). Tests put failing ones in their place
// to act out a disk that loses what it was given.
struct DiskCalls {
    int (*syncFile)(int descriptor);
    int (*syncFolder)(int descriptor);
    int (*close)(int descriptor);
};
extern DiskCalls disk;
} // namespace detail

// Refuses an existing path that is not an ordinary file (a folder, a FIFO,
// a device): the output would replace it.
Status checkOutputFile(const QString& path, const QString& source);

// A file written in one piece: the bytes go to a temporary file beside the
// target (QSaveFile), which replaces the target only once it is complete and
// on the disk. Until then an existing file at the path stays as it was, and
// a failure or an early end leaves nothing behind. Every report names the
// path once.
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
    // Writes what is buffered, puts the file on the disk, replaces the target
    // with it and puts the folder's new entry on the disk too. Only that last
    // step can fail after the replacement: the new, complete file is then in
    // place, and the report says that the system could not confirm that its
    // name is on the disk.
    Status commit();

private:
    Status writeThrough(const char* data, qsizetype size);
    Status drain();
    Status replaceTarget();
    Failure failure(int error) const;

    QString m_path;
    QString m_source;
    QSaveFile m_file;
    int m_folder = -1; // the folder the file is written to, opened with it
    std::vector<char> m_buffer;
    qsizetype m_used = 0;
};

} // namespace prg
