// Extracting a whole 32 MiB PRG (load address $0000, so every byte is taken)
// against a plain block copy of the same file. The closing lines give the
// ratio of the two times; the extraction should stay within 1.5 times the copy.
// The extraction's output is a QSaveFile, whose commit syncs the new file to
// the disk before it replaces the old one; the copy through a QSaveFile shows
// what that step alone costs.
#include "bench/goaltable.h"
#include "prgtools/extractor/core/extraction.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr qint64 kFileSize = 32 * 1024 * 1024;

struct Files {
    QTemporaryDir dir;
    QString input = dir.filePath(QStringLiteral("big.prg"));
    QString output = dir.filePath(QStringLiteral("out.bin"));

    Files() {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        QByteArray block(1024 * 1024, '\0');
        for (qint64 written = 0; written < kFileSize; written += block.size()) {
            for (qsizetype i = 0; i < block.size(); ++i)
                block[i] = char((written + i) * 7);
            if (written == 0)
                block[0] = block[1] = 0; // load address $0000
            file.write(block);
        }
    }
};

Files& files() {
    static Files instance;
    return instance;
}

void plainCopy(const QString& from, const QString& to) {
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        std::abort();
    std::vector<char> buffer(256 * 1024);
    qint64 got = 0;
    while ((got = in.read(buffer.data(), qint64(buffer.size()))) > 0)
        out.write(buffer.data(), got);
    if (!out.flush())
        std::abort();
}

void safeCopy(const QString& from, const QString& to) {
    QFile in(from);
    QSaveFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        std::abort();
    std::vector<char> buffer(256 * 1024);
    qint64 got = 0;
    while ((got = in.read(buffer.data(), qint64(buffer.size()))) > 0)
        out.write(buffer.data(), got);
    if (!out.flush() || !out.commit())
        std::abort();
}

void BM_SafeCopy(benchmark::State& state) {
    Files& f = files();
    for (auto _ : state)
        safeCopy(f.input, f.output);
    state.SetBytesProcessed(state.iterations() * kFileSize);
}

void BM_PlainCopy(benchmark::State& state) {
    Files& f = files();
    for (auto _ : state)
        plainCopy(f.input, f.output);
    state.SetBytesProcessed(state.iterations() * kFileSize);
}

void BM_ExtractWholeFile(benchmark::State& state) {
    Files& f = files();
    const slivra::ExtractRequest request{f.input, f.output, 0x0000, 0xffff, false, {}};
    for (auto _ : state) {
        const prg::Outcome<qint64> written = slivra::extractRange(request, {});
        if (!written || *written != kFileSize - 2)
            state.SkipWithError("extraction failed");
    }
    state.SetBytesProcessed(state.iterations() * kFileSize);
}

BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_SafeCopy)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ExtractWholeFile)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The usual table, then the extraction's time over the copy's: at most 1.5.
class RatioReporter : public felgrove::bench::TimesReporter {
public:
    void Finalize() override {
        TimesReporter::Finalize();
        using felgrove::bench::Goal;
        const double extract = time("BM_ExtractWholeFile/min_time:1.000");
        const double copy = time("BM_PlainCopy/min_time:1.000");
        const double safe = time("BM_SafeCopy/min_time:1.000");
        if (extract <= 0 || copy <= 0)
            return;
        felgrove::bench::addToGoalTable("Slivra: extraction / plain copy", extract / copy, "x",
                                        Goal::AtMost, 1.5);
        felgrove::bench::addToGoalTable("Slivra: extraction / synced copy", extract / safe, "x",
                                        Goal::AtMost, 0);
        felgrove::bench::addToGoalTable("Slivra: 32 MiB extraction", extract, "ms", Goal::AtMost,
                                        0);
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
