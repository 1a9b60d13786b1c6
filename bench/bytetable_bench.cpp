// Nembra's conversion of a 32 MiB PRG (load address $0000, 8 values per row)
// against the tools a user would reach for otherwise: `xxd -i` on the same
// file, and a plain write of as many bytes as the table has. Nembra's output
// is synced to the disk before it replaces the target (QSaveFile), so the
// plain write is timed once more with the same sync.
#include "platform/platform.h"
#include "prgtools/bytetable/core/bytetable.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr qint64 kInputSize = 32 * 1024 * 1024;
constexpr int kValuesPerRow = 8;

struct Files {
    QTemporaryDir dir;
    QString input = dir.filePath(QStringLiteral("big.prg"));
    QString table = dir.filePath(QStringLiteral("big.txt"));
    QString xxd = dir.filePath(QStringLiteral("big.xxd"));
    QString plain = dir.filePath(QStringLiteral("plain.bin"));
    qint64 tableSize = 0;

    Files() {
        QByteArray data(kInputSize, Qt::Uninitialized);
        QRandomGenerator random(64);
        random.fillRange(reinterpret_cast<quint32*>(data.data()), data.size() / 4);
        data[0] = 0; // load address $0000
        data[1] = 0;
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
            std::fprintf(stderr, "cannot write %s\n", qPrintable(input));
        // Every line: tab, ".byte ", 8 values of "$XX," less one comma, CR LF.
        const qint64 rows = (kInputSize - 2 + kValuesPerRow - 1) / kValuesPerRow;
        tableSize = (kInputSize - 2) * 4 + rows * (7 - 1 + 2);
    }
};

Files& files() {
    static Files instance;
    return instance;
}

void BM_NembraTable(benchmark::State& state) {
    Files& f = files();
    for (auto _ : state) {
        const auto count =
            nembra::convertToByteTable({f.input, f.table, kValuesPerRow, std::nullopt});
        if (!count.ok()) {
            state.SkipWithError(qPrintable(count.failure().description));
            return;
        }
    }
    if (QFileInfo(f.table).size() != f.tableSize)
        state.SkipWithError("unexpected table size");
    state.SetBytesProcessed(state.iterations() * kInputSize);
}

void BM_XxdInclude(benchmark::State& state) {
    Files& f = files();
    for (auto _ : state) {
        QProcess xxd;
        xxd.setStandardOutputFile(f.xxd);
        xxd.start(QStringLiteral("xxd"), {QStringLiteral("-i"), f.input});
        if (!xxd.waitForFinished(-1) || xxd.exitCode() != 0) {
            state.SkipWithError("xxd -i failed (is the xxd package installed?)");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * kInputSize);
}

void BM_PlainWrite(benchmark::State& state) {
    const bool synced = state.range(0) != 0;
    Files& f = files();
    const QByteArray block(1024 * 1024, 'x');
    for (auto _ : state) {
        QFile out(f.plain);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            state.SkipWithError("cannot write the plain file");
            return;
        }
        for (qint64 left = f.tableSize; left > 0; left -= block.size())
            out.write(block.constData(), std::min<qint64>(left, block.size()));
        if (synced)
            felgrove::platform::syncFile(out.handle());
        out.close();
    }
    state.SetBytesProcessed(state.iterations() * kInputSize);
}

BENCHMARK(BM_NembraTable)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_XxdInclude)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_PlainWrite)
    ->ArgName("synced")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0);

// Prints the two ratios the conversion is held to after the usual table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            m_seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const double nembra = m_seconds["BM_NembraTable/min_time:2.000/real_time"];
        const double xxd = m_seconds["BM_XxdInclude/iterations:2/real_time"];
        const double plain = m_seconds["BM_PlainWrite/synced:0/min_time:2.000/real_time"];
        const double synced = m_seconds["BM_PlainWrite/synced:1/min_time:2.000/real_time"];
        if (nembra > 0 && xxd > 0 && plain > 0 && synced > 0)
            std::printf("Nembra is %.1fx faster than xxd -i (target >= 10x) and takes %.2fx the "
                        "time of a plain write (target <= 2x), %.2fx that of a synced one\n",
                        xxd / nembra, nembra / plain, nembra / synced);
    }

private:
    std::map<std::string, double> m_seconds;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
