#include "prgtools/extractor/core/extraction.h"

#include <optional>

namespace slivra {

namespace {

// The window's bytes as they are, behind the new location bytes if any.
class RangeCopy : public prg::DataSink {
public:
    RangeCopy(prg::OutputFile& output, std::optional<prg::LocationBytes> location)
        : m_output(output), m_location(location) {}

    prg::Status begin() override {
        if (!m_location)
            return std::nullopt;
        const char pair[2] = {char(m_location->low), char(m_location->high)};
        return m_output.write(pair, 2);
    }

    prg::Status take(const char* data, qint64 count) override {
        m_written += count;
        return m_output.write(data, count);
    }

    prg::Outcome<qint64> finish() override { return m_written; }

private:
    prg::OutputFile& m_output;
    std::optional<prg::LocationBytes> m_location;
    qint64 m_written = 0;
};

} // namespace

prg::Outcome<qint64> extractRange(const ExtractRequest& request,
                                  const prg::ConversionEvents& events) {
    std::optional<prg::LocationBytes> location;
    if (request.includeLocation) {
        const prg::Outcome<prg::LocationBytes> bytes =
            prg::newLocationBytes(request.newLocation, kProgram);
        if (!bytes)
            return bytes.failure();
        location = *bytes;
    }
    prg::Conversion conversion(request.input, request.output, kProgram);
    RangeCopy copy(conversion.output(), location);
    return conversion.run(request.window, events, copy);
}

} // namespace slivra
