#pragma once

#include "prgtools/common/core/failure.h"

#include <QtGlobal>

#include <vector>

namespace prg {
class OutputFile;
}

namespace nembra {

// Writes data bytes as assembler lines: a tab, ".byte ", the values as "$"
// and two upper-case digits separated by ",", then CR LF. Every line holds
// `valuesPerRow` values but the last, which holds the rest; no empty line is
// ever written. The text is built from a table of ready-made "$XX," words into
// a fixed buffer that goes to the file whenever it fills, so the memory used
// does not depend on the amount of data.
class RowWriter {
public:
    // 1 <= valuesPerRow <= kMostValuesPerRow: the buffer holds no longer line.
    RowWriter(prg::OutputFile& file, int valuesPerRow);

    prg::Status put(const unsigned char* data, qsizetype count);
    // Ends an unfinished last line and hands the rest of the text to the file.
    prg::Status finish();

    qint64 count() const { return m_count; }

private:
    void endLine();
    prg::Status drain();

    prg::OutputFile& m_file;
    std::vector<char> m_chunk;
    char* m_out;   // next free place in m_chunk
    char* m_limit; // a whole line still fits before this point
    int m_valuesPerRow;
    int m_column = 0;
    qint64 m_count = 0;
};

} // namespace nembra
