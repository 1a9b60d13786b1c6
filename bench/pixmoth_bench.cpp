// Pixmoth: loading a picture file and drawing it, on Qt's offscreen platform.
#include "decode.h"
#include "mainwindow.h"
#include "picture.h"
#include "qtprompts.h"
#include "samplepicture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString samplePath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("sample.prg"));
        QFile file(p);
        if (file.open(QIODevice::WriteOnly))
            file.write(pixmoth::samplePictureBytes());
        return p;
    }();
    return path;
}

// The window's File > Load without the dialog: LoadBitmapFile and DrawBitmap,
// progress bar, busy pointer and repaint included.
void LoadAndDraw(benchmark::State& state) {
    felgrove::QtPrompts prompts;
    pixmoth::MainWindow window(prompts);
    window.show();
    if (state.range(0) == 2)
        window.controls().mnu2x2->trigger();
    const QString path = samplePath();
    for (auto _ : state) {
        window.LoadBitmapFile(path);
        window.DrawBitmap();
        QCoreApplication::processEvents(); // the picture reaches the screen
    }
}
BENCHMARK(LoadAndDraw)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void LoadFile(benchmark::State& state) {
    pixmoth::Picture picture;
    const QString path = samplePath();
    for (auto _ : state)
        benchmark::DoNotOptimize(pixmoth::LoadBitmapFile(path, picture));
}
BENCHMARK(LoadFile)->Unit(benchmark::kMicrosecond);

// Decoding alone: every multicolour pixel into the image.
void Decode(benchmark::State& state) {
    pixmoth::Picture picture;
    pixmoth::loadPictureBytes(pixmoth::samplePictureBytes(), picture);
    for (auto _ : state)
        benchmark::DoNotOptimize(pixmoth::renderPicture(picture, int(state.range(0))));
}
BENCHMARK(Decode)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
