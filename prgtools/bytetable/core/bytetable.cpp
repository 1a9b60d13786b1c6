#include "prgtools/bytetable/core/bytetable.h"

#include "prgtools/bytetable/core/rowwriter.h"
#include "prgtools/bytetable/core/valuesperrow.h"

#include <cerrno>

namespace nembra {

namespace {

// The data bytes as ".byte" lines.
class Table : public prg::DataSink {
public:
    Table(prg::OutputFile& output, int valuesPerRow) : m_rows(output, valuesPerRow) {}

    prg::Status take(const char* data, qint64 count) override {
        return m_rows.put(reinterpret_cast<const unsigned char*>(data), count);
    }

    prg::Outcome<qint64> finish() override {
        if (prg::Status status = m_rows.finish())
            return *status;
        return m_rows.count();
    }

private:
    RowWriter m_rows;
};

} // namespace

prg::Outcome<qint64> convertToByteTable(const ConversionRequest& request,
                                        const prg::ConversionEvents& events) {
    if (request.valuesPerRow < 1 || request.valuesPerRow > kMostValuesPerRow)
        return prg::Failure{EINVAL, QString::fromLatin1(kValuesOutOfRange), kProgram};
    prg::Conversion conversion(request.input, request.output, kProgram);
    Table table(conversion.output(), request.valuesPerRow);
    return conversion.run(request.limit, events, table);
}

} // namespace nembra
