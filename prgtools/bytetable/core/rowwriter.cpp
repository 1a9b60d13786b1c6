#include "prgtools/bytetable/core/rowwriter.h"

#include "prgtools/bytetable/core/valuesperrow.h"
#include "prgtools/common/core/outputfile.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace nembra {

namespace {

// Big enough that the output file takes each piece straight to the disk.
constexpr qsizetype kChunkSize = 1024 * 1024;

constexpr char kLineStart[8] = {'\t', '.', 'b', 'y', 't', 'e', ' ', '$'};
constexpr qsizetype kLineStartSize = 7; // the "$" is written again by the first value
constexpr qsizetype kValueSize = 4;     // "$XX,"
// The longest line, plus the one byte that copying the line start overruns.
constexpr qsizetype kLongestLine = kLineStartSize + kMostValuesPerRow * kValueSize + 1 + 1;

// "$XX," for every byte value, as four bytes ready to copy.
constexpr std::array<std::array<char, 4>, 256> makeValueTable() {
    constexpr char digits[] = "0123456789ABCDEF";
    std::array<std::array<char, 4>, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[b] = {'$', digits[b >> 4], digits[b & 15], ','};
    return table;
}

constexpr auto kValues = makeValueTable();

} // namespace

RowWriter::RowWriter(prg::OutputFile& file, int valuesPerRow)
    : m_file(file), m_chunk(kChunkSize), m_out(m_chunk.data()),
      m_limit(m_chunk.data() + kChunkSize - kLongestLine), m_valuesPerRow(valuesPerRow) {}

prg::Status RowWriter::put(const unsigned char* data, qsizetype count) {
    const unsigned char* end = data + count;
    while (data < end) {
        if (m_column == 0) {
            if (m_out > m_limit) {
                if (prg::Status status = drain())
                    return status;
            }
            std::memcpy(m_out, kLineStart, sizeof kLineStart);
            m_out += kLineStartSize;
        }
        const qsizetype take = std::min<qsizetype>(end - data, m_valuesPerRow - m_column);
        char* out = m_out;
        for (const unsigned char* stop = data + take; data < stop; ++data) {
            std::memcpy(out, kValues[*data].data(), kValueSize);
            out += kValueSize;
        }
        m_out = out;
        m_column += int(take);
        m_count += take;
        if (m_column == m_valuesPerRow)
            endLine();
    }
    return std::nullopt;
}

// The line's last "," becomes the CR of its CR LF.
void RowWriter::endLine() {
    m_out[-1] = '\r';
    *m_out++ = '\n';
    m_column = 0;
}

prg::Status RowWriter::drain() {
    const qsizetype used = m_out - m_chunk.data();
    m_out = m_chunk.data();
    return m_file.write(m_chunk.data(), used);
}

prg::Status RowWriter::finish() {
    if (m_column > 0)
        endLine();
    return drain();
}

} // namespace nembra
