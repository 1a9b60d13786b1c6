#pragma once

// Whole-file helpers for the tests.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace prg::test {

// The bytes of a file, or "<missing>" when it cannot be read.
inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Writes a whole file; a failure fails the calling test.
inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The files in a folder, hidden ones, FIFOs and devices included.
inline QStringList files(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace prg::test

namespace felgrove::test {

// A temporary folder that takes numbered files: write() puts the bytes in a
// new file named by `pattern` ("%1" is the file's number) and returns its
// path.
class ScratchFiles {
public:
    explicit ScratchFiles(QString pattern) : m_pattern(std::move(pattern)) {}

    QString write(const QByteArray& bytes) {
        const QString path = filePath(m_pattern.arg(++m_count));
        prg::test::writeFile(path, bytes);
        return path;
    }
    QString filePath(const QString& name) const { return m_folder.filePath(name); }
    QString path() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
    QString m_pattern;
    int m_count = 0;
};

} // namespace felgrove::test
