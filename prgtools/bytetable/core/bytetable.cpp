#include "prgtools/bytetable/core/bytetable.h"

#include "prgtools/bytetable/core/rowwriter.h"
#include "prgtools/common/core/conversion.h"
#include "prgtools/common/core/outputfile.h"
#include "prgtools/common/core/prgfile.h"
#include "prgtools/common/core/prginput.h"

#include <algorithm>
#include <vector>

namespace nembra {

namespace {

// Large blocks keep the number of reads small; the memory used stays the
// same whatever the size of the file.
constexpr qsizetype kBlockSize = 256 * 1024;

// The input as a run of blocks, with the offset of the next one.
class BlockReader {
public:
    explicit BlockReader(prg::PrgInput& file) : m_file(file), m_block(kBlockSize) {}

    // The next block; empty at the end of the file.
    prg::Outcome<qsizetype> next() {
        const prg::Outcome<qint64> got = m_file.read(m_block.data(), kBlockSize);
        if (!got)
            return got.failure();
        return qsizetype(*got);
    }

    const unsigned char* data() const {
        return reinterpret_cast<const unsigned char*>(m_block.data());
    }
    // File offset just after the block last read.
    qint64 offset() const { return m_file.position(); }

private:
    prg::PrgInput& m_file;
    std::vector<char> m_block;
};

// Runs through the input: the two location bytes, then the data bytes of the
// span, which go to the row writer.
class Conversion {
public:
    Conversion(const ConversionRequest& request, const prg::ConversionEvents& events,
               BlockReader& input, RowWriter& rows)
        : m_request(request), m_events(events), m_input(input), m_rows(rows) {}

    prg::Status run() {
        while (m_span.first < m_span.stop) {
            const prg::Outcome<qsizetype> got = m_input.next();
            if (!got)
                return got.failure();
            if (*got == 0)
                break;
            if (prg::Status status = take(m_input.offset() - *got, *got))
                return status;
        }
        return std::nullopt;
    }

private:
    // One block that starts at file offset `base`.
    prg::Status take(qint64 base, qsizetype size) {
        const unsigned char* data = m_input.data();
        for (qsizetype i = 0; i < size && base + i < 2; ++i)
            m_location[base + i] = data[i];
        if (!m_started && base + size > 2)
            start();
        const qint64 from = std::max(m_span.first, base);
        const qint64 to = std::min(m_span.stop, base + size);
        if (from >= to)
            return std::nullopt;
        return m_rows.put(data + (from - base), to - from);
    }

    // The first data byte is there: the load address is known.
    void start() {
        m_started = true;
        const int load = m_location[0] | (m_location[1] << 8);
        std::optional<AddressWindow> limit = m_request.limit;
        if (limit && limit->start < load) {
            limit->start = load;
            if (m_events.startRestricted)
                m_events.startRestricted(prg::loadAddressText(m_location[0], m_location[1]));
        }
        m_span = KollaLimit(load, limit);
    }

    const ConversionRequest& m_request;
    const prg::ConversionEvents& m_events;
    BlockReader& m_input;
    RowWriter& m_rows;
    unsigned char m_location[2] = {0, 0};
    bool m_started = false;
    DataSpan m_span; // everything until the load address is known
};

} // namespace

DataSpan KollaLimit(int loadAddress, const std::optional<AddressWindow>& limit) {
    if (!limit)
        return {};
    return prg::dataSpan(loadAddress, limit->start, limit->end);
}

prg::Outcome<qint64> convertToByteTable(const ConversionRequest& request,
                                        const prg::ConversionEvents& events) {
    if (prg::Status same = prg::refuseSameFile(request.input, request.output, kProgram))
        return *same;
    prg::PrgInput file(request.input, kProgram);
    prg::OutputFile output(request.output, kProgram);
    return prg::runConversion(file, output, events, [&]() -> prg::Outcome<qint64> {
        BlockReader input(file);
        RowWriter rows(output, request.valuesPerRow);
        if (prg::Status status = Conversion(request, events, input, rows).run())
            return *status;
        if (prg::Status status = rows.finish())
            return *status;
        return rows.count();
    });
}

} // namespace nembra
