#include "prgtools/common/core/conversion.h"

#include "prgtools/common/core/paths.h"

#include <algorithm>
#include <cerrno>
#include <vector>

namespace prg {

namespace {

// Large blocks keep the number of reads small; the memory used stays the
// same whatever the size of the file.
constexpr qint64 kBlockSize = 256 * 1024;

constexpr char kSameFile[] = "Output file must not be the input file";

} // namespace

std::optional<InputProblem<PathField>> checkPathTexts(const QString& input, const QString& output) {
    const auto problem = inputProblem<PathField>;
    if (input.trimmed().isEmpty())
        return problem("Input filename is missing", PathField::Input);
    if (!isExistingFile(input))
        return problem("Invalid input filename", PathField::Input);
    if (output.trimmed().isEmpty())
        return problem("Output filename is missing", PathField::Output);
    // Replacing the output would destroy the input before it was read.
    if (isSameFile(input, output))
        return problem(kSameFile, PathField::Output);
    return std::nullopt;
}

Conversion::Conversion(const QString& input, const QString& output, const QString& source)
    : m_inputPath(input), m_outputPath(output), m_source(source), m_input(input, source),
      m_output(output, source) {}

Outcome<qint64> Conversion::run(std::optional<AddressWindow> window, const ConversionEvents& events,
                                DataSink& sink) {
    if (isSameFile(m_inputPath, m_outputPath))
        return Failure{EINVAL, QString::fromLatin1(kSameFile), m_source};
    if (Status status = m_input.open())
        return *status;
    if (Status status = m_output.open())
        return *status;
    if (events.converting)
        events.converting();
    if (Status status = readData(window, events, sink))
        return *status;
    const Outcome<qint64> done = sink.finish();
    if (!done)
        return done;
    if (Status status = m_output.commit())
        return *status;
    return done;
}

Status Conversion::readData(std::optional<AddressWindow> window, const ConversionEvents& events,
                            DataSink& sink) {
    char location[2];
    const Outcome<qint64> header = m_input.read(location, 2);
    if (!header)
        return header.failure();
    // Without a data byte there is nothing to take, and no start to move.
    if (m_input.size() <= 2)
        return std::nullopt;
    const quint8 low = quint8(location[0]);
    const quint8 high = quint8(location[1]);
    const int loadAddress = low | (high << 8);
    if (window && restrictStart(*window, loadAddress) && events.startRestricted)
        events.startRestricted(loadAddressText(low, high));
    if (Status status = sink.begin())
        return status;
    const DataSpan span = KollaLimit(loadAddress, window);
    // What lies before the window is not read. The blocks start right behind
    // the location bytes, so that a copy writes whole blocks.
    if (span.first > 2) {
        if (Status status = m_input.seek(span.first))
            return status;
    }
    std::vector<char> block(kBlockSize);
    for (qint64 at = m_input.position(); at < span.stop && at < m_input.size();) {
        const Outcome<qint64> got =
            m_input.read(block.data(), std::min(kBlockSize, span.stop - at));
        if (!got)
            return got.failure();
        if (Status status = sink.take(block.data(), *got))
            return status;
        at += *got;
    }
    return std::nullopt;
}

} // namespace prg
