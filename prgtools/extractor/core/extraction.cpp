#include "prgtools/extractor/core/extraction.h"

#include "prgtools/common/core/conversion.h"
#include "prgtools/common/core/hex.h"
#include "prgtools/common/core/outputfile.h"
#include "prgtools/common/core/prgfile.h"
#include "prgtools/common/core/prginput.h"

#include <algorithm>
#include <cerrno>
#include <vector>

namespace slivra {

namespace {

constexpr qint64 kBlockSize = 256 * 1024;

// Refusals made before either file is opened.
prg::Status checkPaths(const ExtractRequest& request) {
    if (prg::Status refused = prg::checkInputFile(request.input, kProgram))
        return refused;
    if (prg::Status same = prg::refuseSameFile(request.input, request.output, kProgram))
        return same;
    return prg::checkOutputFile(request.output, kProgram);
}

class Extraction {
public:
    Extraction(const ExtractRequest& request, const prg::ConversionEvents& events,
               prg::PrgInput& input, prg::OutputFile& output)
        : m_request(request), m_events(events), m_input(input), m_output(output),
          m_buffer(kBlockSize) {}

    prg::Outcome<qint64> run() {
        const qint64 size = m_input.size();
        const prg::Outcome<qint64> header = m_input.read(m_buffer.data(), 2);
        if (!header)
            return header.failure();
        if (*header < 2)
            return qint64(0);
        const quint8 low = quint8(m_buffer[0]);
        const quint8 high = quint8(m_buffer[1]);
        // The first data block: without a data byte there is nothing to write,
        // not even the new location bytes.
        const prg::Outcome<qint64> first = m_input.read(m_buffer.data(), kBlockSize);
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
            if (m_events.startRestricted)
                m_events.startRestricted(prg::loadAddressText(low, high));
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
        const prg::DataSpan window = prg::dataSpan(loadAddress, m_start, m_request.end);
        qint64 written = 0;
        qint64 at = 2; // file offset of m_buffer[0]
        qint64 got = firstBlock;
        while (got > 0) {
            const qint64 from = std::max(at, window.first);
            const qint64 to = std::min(at + got, window.stop) - 1;
            if (from <= to) {
                if (prg::Status status =
                        m_output.write(m_buffer.data() + (from - at), to - from + 1))
                    return *status;
                written += to - from + 1;
            }
            at += got;
            if (at >= window.stop || at >= size)
                break;
            if (at < window.first) { // skip what lies before the window
                if (prg::Status status = m_input.seek(window.first))
                    return *status;
                at = window.first;
            }
            const prg::Outcome<qint64> next = m_input.read(m_buffer.data(), kBlockSize);
            if (!next)
                return next.failure();
            got = *next;
        }
        return written;
    }

    const ExtractRequest& m_request;
    const prg::ConversionEvents& m_events;
    prg::PrgInput& m_input;
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

prg::Outcome<qint64> extractRange(const ExtractRequest& request,
                                  const prg::ConversionEvents& events) {
    if (request.includeLocation && !newLocationBytes(request.newLocation))
        return prg::Failure{EINVAL, QStringLiteral("Invalid new location address"), kProgram};
    if (prg::Status refused = checkPaths(request))
        return *refused;
    prg::PrgInput input(request.input, kProgram);
    prg::OutputFile output(request.output, kProgram);
    return prg::runConversion(input, output, events,
                              [&] { return Extraction(request, events, input, output).run(); });
}

} // namespace slivra
