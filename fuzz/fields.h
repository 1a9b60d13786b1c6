// Splits a fuzz input into short texts and a file: the first `count` lines
// (ended by "\n", read as UTF-8) are the texts a person types into the
// window's boxes, and every byte after them is the input file. An input
// with fewer lines gives empty texts and an empty file.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

struct Fields {
    QStringList texts;
    QByteArray file;
};

inline Fields splitFields(const uint8_t* data, size_t size, int count) {
    const QByteArray all(reinterpret_cast<const char*>(data), qsizetype(size));
    Fields fields;
    qsizetype at = 0;
    for (int i = 0; i < count; ++i) {
        const qsizetype end = at <= all.size() ? all.indexOf('\n', at) : -1;
        if (end < 0) {
            fields.texts << (at < all.size() ? QString::fromUtf8(all.mid(at)) : QString());
            at = all.size() + 1;
            continue;
        }
        fields.texts << QString::fromUtf8(all.mid(at, end - at));
        at = end + 1;
    }
    if (at < all.size())
        fields.file = all.mid(at);
    return fields;
}

// The file stretched to `text` bytes when that is a decimal number up to
// `most`, by repeating its data bytes after the two location bytes, so that
// short inputs reach the read blocks' and write buffers' edges.
inline QByteArray stretched(const QByteArray& file, const QString& text, qsizetype most) {
    bool ok = false;
    const qsizetype length = text.toLongLong(&ok);
    if (!ok || length <= file.size() || length > most || file.size() < 3)
        return file;
    QByteArray bytes = file;
    bytes.reserve(length);
    for (qsizetype i = file.size(); i < length; ++i)
        bytes.append(file[2 + (i - 2) % (file.size() - 2)]);
    return bytes;
}

// A 16-bit number from any text, so that every input reaches the
// conversion, whether or not its texts pass the window's checks.
inline int anyAddress(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return int(qChecksum(bytes) ^ quint16(bytes.size() << 8));
}

// Stops the fuzzer with a reason: the finding is kept as an artifact.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void expect(bool condition, const char* what) {
    if (!condition)
        fail(what);
}

// The bytes of a file; empty when it cannot be read.
inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the input file of one run.
inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("cannot write the fuzz input");
}

} // namespace fuzz
