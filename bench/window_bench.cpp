// One Calculate press through the real converter window, fields to fields: the program started
// as its main starts it (runtime, application object and menu bar), on the offscreen platform,
// the converter window built and shown; each press types the ten field texts into the window's
// fields and pushes its Calculate button, whose click runs the command over the fields.

#include "conversion/window/ControlWnd.h"
#include "conversion/window/ControlWndForm.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TestSeams.h"
#include "framework/ui/TextField.h"
#include "shell/Startup.h"

#include <QApplication>
#include <array>
#include <benchmark/benchmark.h>
#include <cstddef>
#include <string>

namespace {

using conversion::ScoreField;

// Presses that would open a message box are not what is timed here.
bool messageShown = false;

void Press(benchmark::State& state, const std::array<const char*, 10>& texts,
           const std::string& expectedZ, bool repaint) {
    class ControlWnd& window = ControlWnd();
    conversion::ControlWndForm form(window);
    messageShown = false;
    for (auto _ : state) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            form.SetText(static_cast<ScoreField>(i), texts[i]);
        }
        window.CalculateBtn().Push();
        if (repaint) {
            QApplication::processEvents();
        }
    }
    if (messageShown || window.zFld().Text() != expectedZ) {
        state.SkipWithError(
            ("the press gave z \"" + window.zFld().Text() + "\", not \"" + expectedZ + "\"")
                .c_str());
    }
}

constexpr std::array<const char*, 10> kRawScore{"60", "50", "10", "", "", "", "", "", "", ""};
constexpr std::array<const char*, 10> kPercentile{"", "", "", "", "", "", "", "", "", "84"};
constexpr std::array<const char*, 10> kWechsler{"", "", "", "", "", "130", "", "", "", ""};

void BM_WindowCalculateRawRoad(benchmark::State& state) {
    Press(state, kRawScore, "+1.0", false);
}
BENCHMARK(BM_WindowCalculateRawRoad);

void BM_WindowCalculateFromPercentile(benchmark::State& state) {
    Press(state, kPercentile, "+.99", false);
}
BENCHMARK(BM_WindowCalculateFromPercentile);

void BM_WindowCalculateFromWechsler(benchmark::State& state) {
    Press(state, kWechsler, "+2.0", false);
}
BENCHMARK(BM_WindowCalculateFromWechsler);

// The same press with the repaint it causes: the pending events processed, the changed fields
// painted into the window's backing store.
void BM_WindowCalculateRawRoadRepainted(benchmark::State& state) {
    Press(state, kRawScore, "+1.0", true);
}
BENCHMARK(BM_WindowCalculateRawRoadRepainted);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    benchmark::Initialize(&argc, argv);
    StartRuntime(argc, argv);
    EarlyStartup();
    framework::seams::SetDialogSeams({
        .messageBox = [](const std::string&) { messageShown = true; },
        .beep = [] {},
        .printerDialog = {},
    });
    ControlWnd().Show();
    QApplication::processEvents();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return FinishRuntime();
}
