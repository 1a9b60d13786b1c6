// Pixmoth on Qt's offscreen platform: loading a picture file and drawing it,
// and the work of one arrow key and of one press of the generate button.
#include "bench/goaltable.h"
#include "desktop/qtprompts.h"
#include "sprite/core/decode.h"
#include "sprite/core/picture.h"
#include "sprite/sample/samplepicture.h"
#include "sprite/ui/mainwindow.h"
#include "testsupport/quietplatform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
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
        benchmark::DoNotOptimize(pixmoth::readPictureFile(path, picture));
}
BENCHMARK(LoadFile)->Unit(benchmark::kMicrosecond);

// Decoding alone: every multicolour pixel into the image.
void Decode(benchmark::State& state) {
    pixmoth::Picture picture;
    pixmoth::readPictureBytes(pixmoth::samplePictureBytes(), picture);
    for (auto _ : state)
        benchmark::DoNotOptimize(pixmoth::renderPicture(picture, int(state.range(0))));
}
BENCHMARK(Decode)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A window with the sample picture loaded, its result window already open.
struct LoadedWindow {
    felgrove::QtPrompts prompts;
    pixmoth::MainWindow window{prompts};
    explicit LoadedWindow(int magnification) {
        window.show();
        if (magnification == 2)
            window.controls().mnu2x2->trigger();
        window.LoadBitmapFile(samplePath());
        window.DrawBitmap();
        // On the ship, the sample's first motif: one sprite right and one
        // down, with Align to grid on.
        arrow(Qt::Key_Right);
        arrow(Qt::Key_Down);
        QCoreApplication::processEvents();
    }
    // The arrow key's release, as the user's key reaches the colour list.
    void arrow(Qt::Key key) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QCoreApplication::sendEvent(window.controls().cboCol1, &release);
    }
};

// The repaint that follows the user's action: timed with it when `painted`,
// else done outside the timing.
void repaint(benchmark::State& state, bool painted) {
    if (!painted)
        state.PauseTiming();
    QCoreApplication::processEvents();
    if (!painted)
        state.ResumeTiming();
}

// One arrow key: the box moves, the area is captured, the preview drawn and
// the three lists refilled. The box walks the picture at every
// multicolour-pixel step, without alignment.
void ArrowKeyMove(benchmark::State& state) {
    LoadedWindow w(int(state.range(0)));
    w.window.controls().mnuAlignToGrid->trigger();
    int step = 0;
    for (auto _ : state) {
        w.arrow(step % 300 < 148 ? Qt::Key_Right : step % 300 < 150 ? Qt::Key_Down : Qt::Key_Left);
        repaint(state, state.range(1) != 0);
        ++step;
    }
}
BENCHMARK(ArrowKeyMove)
    ->ArgNames({"m", "painted"})
    ->ArgsProduct({{1, 2}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// One press of "Generate data tables" with three colours chosen and Erase on
// capture on: the text, the erase painted into the picture, the new capture
// and the text shown in the open result window. The picture is loaded
// afresh outside the timing so every press has pixels to erase.
void GeneratePress(benchmark::State& state) {
    LoadedWindow w(int(state.range(0)));
    const auto& controls = w.window.controls();
    controls.opbOutput[std::size_t(state.range(1))]->setChecked(true);
    controls.cmdGenerate->click(); // the result window's first creation
    for (auto _ : state) {
        state.PauseTiming();
        w.window.LoadBitmapFile(samplePath());
        w.window.DrawCapturePic();
        int colour = 1; // the first three colours of the area, one a list
        for (QComboBox* list : {controls.cboCol1, controls.cboCol2, controls.cboCol3})
            list->setCurrentIndex(std::min(list->count() - 1, colour++));
        state.ResumeTiming();
        controls.cmdGenerate->click();
        repaint(state, state.range(2) != 0); // both windows
    }
}
BENCHMARK(GeneratePress)
    ->ArgNames({"m", "binary", "painted"})
    ->ArgsProduct({{1, 2}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// The usual table, then the figures for the closing table. The frame and the
// position text follow the box within one tick of the 100 ms frame timer,
// so an arrow key's capture and repaint must fit in one tick.
class TickReporter : public felgrove::bench::TimesReporter {
public:
    void Finalize() override {
        TimesReporter::Finalize();
        using felgrove::bench::Goal;
        for (const char* m : {"1", "2"}) {
            const std::string at = std::string(" at ") + m + "x" + m;
            felgrove::bench::addToGoalTable(
                "Pixmoth: arrow key, repainted" + at,
                time(std::string("ArrowKeyMove/m:") + m + "/painted:1") / 1000, "ms", Goal::AtMost,
                100);
            felgrove::bench::addToGoalTable(
                "Pixmoth: generate, repainted" + at,
                time(std::string("GeneratePress/m:") + m + "/binary:0/painted:1") / 1000, "ms",
                Goal::AtMost, 0);
            felgrove::bench::addToGoalTable("Pixmoth: load and draw" + at,
                                            time(std::string("LoadAndDraw/") + m), "ms",
                                            Goal::AtMost, 0);
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    felgrove::test::quietPlatformMessages();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    TickReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
