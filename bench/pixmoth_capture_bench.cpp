// Pixmoth's per-key and per-press work: one capture (walk, colours, colour
// lists and preview) and one press of the generate button (text and erase).
#include "sprite/core/capture.h"
#include "sprite/core/spritedata.h"

#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {

pixmoth::Picture busyPicture() {
    QRandomGenerator random(64);
    pixmoth::Picture p;
    for (std::size_t i = 1; i <= 1000; ++i) {
        p.colourData[i] = quint8(random.bounded(256));
        p.screenData[i] = quint8(random.bounded(256));
    }
    for (std::size_t i = 1; i <= 8000; ++i)
        p.bitmapData[i] = quint8(random.bounded(256));
    return p;
}

void captureOneArea(benchmark::State& state) {
    const pixmoth::Picture picture = busyPicture();
    int step = 0;
    for (auto _ : state) {
        // An unaligned box, a different one each time.
        const pixmoth::CaptureOrigin origin{2 * (step % 149), step % 180};
        pixmoth::Capture capture = pixmoth::captureArea(picture, origin);
        benchmark::DoNotOptimize(capture);
        ++step;
    }
}
BENCHMARK(captureOneArea);

void generateOneSprite(benchmark::State& state) {
    const pixmoth::Picture original = busyPicture();
    const pixmoth::Capture capture = pixmoth::captureArea(original, {150, 93});
    const pixmoth::SpriteChoices choices{capture.listEntries.value(1).colour,
                                         capture.listEntries.value(2).colour,
                                         capture.listEntries.value(3).colour};
    const auto notation = pixmoth::SpriteNotation(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        pixmoth::Picture picture = original;
        state.ResumeTiming();
        pixmoth::GeneratedSprite sprite =
            pixmoth::GenerateSpriteData(picture, capture, choices, notation, true);
        benchmark::DoNotOptimize(sprite);
    }
}
BENCHMARK(generateOneSprite)
    ->Arg(int(pixmoth::SpriteNotation::Hex))
    ->Arg(int(pixmoth::SpriteNotation::Binary));

} // namespace

BENCHMARK_MAIN();
