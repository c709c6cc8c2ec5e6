// How long the user waits for a window: from starting the process to the
// entry window on screen, against a bare Qt program that shows one empty
// window; and from "Calcular" to the payslip window on screen.
//
// The start-up cases run this very binary again as a child (--child=...),
// which shows its window, lets it paint, and exits; the parent times the
// whole child process. Both children load the same libraries, so the
// difference is what building the entry window costs.
#include "app/program.h"
#include "entry/entry_window.h"
#include "entry/position_dialog.h"
#include "payslip/payslip_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string selfPath;

// Shows the widget and returns once it is exposed and has painted.
void showAndPaint(QWidget& w)
{
    w.show();
    while (!w.windowHandle() || !w.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    QApplication::processEvents();
}

int runChild(int argc, char** argv, const char* what)
{
    QApplication app(argc, argv);
    if (std::strcmp(what, "bare") == 0) {
        QWidget empty;
        showAndPaint(empty);
        return 0;
    }
    haberes::Program program;
    showAndPaint(*program.entryWindow());
    return 0;
}

// Runs the child to its end; false if it did not exit cleanly.
bool spawnChild(const char* what)
{
    const std::string arg = std::string("--child=") + what;
    char* argv[] = {selfPath.data(), const_cast<char*>(arg.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, selfPath.c_str(), nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void startUp(benchmark::State& state, const char* what)
{
    for (auto _ : state) {
        if (!spawnChild(what)) {
            state.SkipWithError("the child process failed");
            break;
        }
    }
}

void BM_StartToEntryWindowShown(benchmark::State& state) { startUp(state, "haberes"); }
void BM_StartToBareWindowShown(benchmark::State& state) { startUp(state, "bare"); }
BENCHMARK(BM_StartToEntryWindowShown)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StartToBareWindowShown)->Unit(benchmark::kMillisecond)->UseRealTime();

// "Calcular" with a position and most allowances and deductions, until the
// payslip window has painted. The first calculation, which creates the
// payslip window, is timed on its own.
void calcular(benchmark::State& state, bool firstOnly)
{
    for (auto _ : state) {
        state.PauseTiming();
        haberes::Program program;
        program.setFieldNotice([](QWidget*, const QString&) {});
        haberes::EntryWindow* entry = program.entryWindow();
        showAndPaint(*entry);
        entry->findChild<QAbstractButton*>("cargo")->click();
        auto* code = program.entryWindow()->positionDialog()->findChild<QLineEdit*>("codcargo");
        code->setText(QStringLiteral("734"));
        program.entryWindow()->positionDialog()->findChild<QPushButton*>("Command1")->click();
        for (const char* name : {"Option10", "hijos", "conyuge", "Iosper", "APORTEJUB", "Ley4035", "ZUTEL"})
            entry->findChild<QAbstractButton*>(name)->click();
        if (!firstOnly) {
            program.calcular();
            QApplication::processEvents();
        }
        state.ResumeTiming();

        program.calcular();
        haberes::PayslipWindow* payslip = program.payslipWindow();
        while (!payslip->windowHandle() || !payslip->windowHandle()->isExposed())
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        QApplication::processEvents();

        state.PauseTiming();
        if (!payslip->isVisible())
            state.SkipWithError("the payslip window is not shown");
        state.ResumeTiming();
    }
}

void BM_CalcularToPayslipShownFirst(benchmark::State& state) { calcular(state, true); }
void BM_CalcularToPayslipShownAgain(benchmark::State& state) { calcular(state, false); }
BENCHMARK(BM_CalcularToPayslipShownFirst)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CalcularToPayslipShownAgain)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--child=", 8) == 0)
            return runChild(argc, argv, argv[i] + 8);

    // The children inherit a private runtime directory (the offscreen
    // platform wants one).
    QTemporaryDir runtimeDir;
    if (runtimeDir.isValid() && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QFile::setPermissions(runtimeDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    }
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    selfPath = n > 0 ? std::string(self, static_cast<std::size_t>(n)) : std::string(argv[0]);

    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
