#include "extraction.h"

#include "hex.h"
#include "outputfile.h"
#include "paths.h"
#include "prgfile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace slivra {

namespace {

constexpr qint64 kBlockSize = 256 * 1024;

// Refusals made before either file is opened.
prg::Status checkPaths(const ExtractRequest& request) {
    if (!prg::isExistingFile(request.input))
        return prg::errnoFailure(ENOENT, request.input, kProgram);
    if (prg::isSameFile(request.input, request.output))
        return prg::Failure{EINVAL, QStringLiteral("Output file must not be the input file"),
                            kProgram};
    const QFileInfo output(request.output);
    if (output.exists() && !prg::isExistingFile(request.output)) {
        if (output.isDir())
            return prg::errnoFailure(EISDIR, request.output, kProgram);
        return prg::Failure{EINVAL, request.output + QLatin1String(": not an ordinary file"),
                            kProgram};
    }
    return std::nullopt;
}

// The file offsets whose bytes are taken, first..last inclusive. A PRG
// loading at $0000 is not limited to the address window.
struct OffsetWindow {
    qint64 first;
    qint64 last;
};

OffsetWindow offsetWindow(int loadAddress, int start, int end, qint64 size) {
    if (loadAddress == 0)
        return {2, size - 1};
    return {std::max<qint64>(2, qint64(start) - loadAddress + 2), qint64(end) - loadAddress + 2};
}

// Reads up to `size` bytes; a short count only at the end of the file.
prg::Outcome<qint64> readBlock(QFile& file, const QString& path, char* data, qint64 size) {
    errno = 0;
    const qint64 got = file.read(data, size);
    if (got < 0)
        return prg::fileFailure(file, path, errno, kProgram);
    return got;
}

class Extraction {
public:
    Extraction(const ExtractRequest& request, const ExtractHooks& hooks, QFile& input,
               prg::OutputFile& output)
        : m_request(request), m_hooks(hooks), m_input(input), m_output(output),
          m_buffer(kBlockSize) {}

    prg::Outcome<qint64> run() {
        const qint64 size = m_input.size();
        const prg::Outcome<qint64> header = readBlock(m_input, m_request.input, m_buffer.data(), 2);
        if (!header)
            return header.failure();
        if (*header < 2)
            return qint64(0);
        const quint8 low = quint8(m_buffer[0]);
        const quint8 high = quint8(m_buffer[1]);
        // The first data block: without a data byte there is nothing to write,
        // not even the new location bytes.
        const prg::Outcome<qint64> first =
            readBlock(m_input, m_request.input, m_buffer.data(), std::min(kBlockSize, size - 2));
        if (!first)
            return first.failure();
        if (*first <= 0)
            return qint64(0);
        if (prg::Status status = beginData(low, high))
            return *status;
        return copyWindow(low | (high << 8), size, *first);
    }

private:
    // The steps taken at the first data byte: the start restriction and the
    // new location bytes.
    prg::Status beginData(quint8 low, quint8 high) {
        const int loadAddress = low | (high << 8);
        m_start = m_request.start;
        if (m_start < loadAddress) {
            if (m_hooks.startRestricted)
                m_hooks.startRestricted(prg::loadAddressText(low, high));
            m_start = loadAddress;
        }
        if (!m_request.includeLocation)
            return std::nullopt;
        // Checked before anything was opened.
        const LocationBytes bytes = newLocationBytes(m_request.newLocation).value();
        const char pair[2] = {char(bytes.low), char(bytes.high)};
        return m_output.write(pair, 2);
    }

    // Writes the window's bytes, starting with the block already read at
    // offset 2, and stops at the first block that reaches past the window.
    prg::Outcome<qint64> copyWindow(int loadAddress, qint64 size, qint64 firstBlock) {
        const OffsetWindow window = offsetWindow(loadAddress, m_start, m_request.end, size);
        qint64 written = 0;
        qint64 at = 2; // file offset of m_buffer[0]
        qint64 got = firstBlock;
        while (got > 0) {
            const qint64 from = std::max(at, window.first);
            const qint64 to = std::min(at + got - 1, window.last);
            if (from <= to) {
                if (prg::Status status =
                        m_output.write(m_buffer.data() + (from - at), to - from + 1))
                    return *status;
                written += to - from + 1;
            }
            at += got;
            if (at > window.last || at >= size)
                break;
            if (at < window.first) { // skip what lies before the window
                if (!m_input.seek(window.first))
                    return prg::fileFailure(m_input, m_request.input, errno, kProgram);
                at = window.first;
            }
            const prg::Outcome<qint64> next = readBlock(m_input, m_request.input, m_buffer.data(),
                                                        std::min(kBlockSize, size - at));
            if (!next)
                return next.failure();
            got = *next;
        }
        return written;
    }

    const ExtractRequest& m_request;
    const ExtractHooks& m_hooks;
    QFile& m_input;
    prg::OutputFile& m_output;
    std::vector<char> m_buffer;
    int m_start = 0;
};

} // namespace

std::optional<LocationBytes> newLocationBytes(const QString& text) {
    if (text.isEmpty() || text.size() > 4)
        return std::nullopt;
    const prg::Outcome<qint32> address = prg::HexToDec(text, kProgram);
    if (!address)
        return std::nullopt;
    return LocationBytes{quint8(*address & 0xff), quint8(*address >> 8)};
}

prg::Outcome<qint64> extractRange(const ExtractRequest& request, const ExtractHooks& hooks) {
    if (request.includeLocation && !newLocationBytes(request.newLocation))
        return prg::Failure{EINVAL, QStringLiteral("Invalid new location address"), kProgram};
    if (prg::Status refused = checkPaths(request))
        return *refused;
    QFile input(request.input);
    errno = 0;
    if (!input.open(QIODevice::ReadOnly))
        return prg::fileFailure(input, request.input, errno, kProgram);
    prg::OutputFile output(request.output, kProgram);
    if (prg::Status status = output.open())
        return *status;
    if (hooks.converting)
        hooks.converting();
    const prg::Outcome<qint64> written = Extraction(request, hooks, input, output).run();
    if (!written)
        return written;
    if (prg::Status status = output.commit())
        return *status;
    return written;
}

} // namespace slivra
