// The redraw the editor runs after every command, measured end to end through
// the main window object: background (or its reduced copy) loaded, the whole
// board composed on it, scaled into the preview, grid and outlines drawn. The
// board is the bundled sample layout; the window is 1600 x 1000.
#include "editor/control_ids.h"
#include "editor/signwright_dlg.h"
#include "editor/fake_controls.h"
#include "support/scripted_prompter.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

using namespace sw;

namespace {

void BM_EditorPreviewRedrawSample(benchmark::State& state)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkpath("work");
    QDir(folder.path()).mkpath("data");
    test::FakeControls controls;
    controls.client = QSize(1600, 1000);
    // The main item box where the window puts it: the preview lies below it.
    controls.controls[ctl::MainItemEdit].Rect = QRect(616, 48, 140, 78);
    test::ScriptedPrompter prompter;
    EditorEnvironment env;
    env.WorkFolder = folder.filePath("work");
    env.ProgramDataFolder = folder.filePath("data");
    env.ProgramFolder = folder.path() + "/";
    env.CommandLineLayoutPath = QStringLiteral(SW_SOURCE_DIR "/samples/Sample_LAYOUT.TABLOR");
    CSignwrightDlg dlg(controls, prompter, env);
    if (!dlg.OnInitDialog()) {
        state.SkipWithError("start-up failed");
        return;
    }
    dlg.OnPaint(); // opens the sample
    if (dlg.context().Board.NumberOfRows == 0 || dlg.context().Geometry.PreviewImageRect.Width <= 0) {
        state.SkipWithError("the sample did not open");
        return;
    }
    for (auto _ : state)
        dlg.OnCommand(ctl::VerticalGrid); // a full redraw, as after any command
    state.counters["preview_px"] = double(dlg.context().Geometry.PreviewImageRect.Width);
}

} // namespace

BENCHMARK(BM_EditorPreviewRedrawSample)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
