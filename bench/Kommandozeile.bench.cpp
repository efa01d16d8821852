// vsk-cli on a project of 1,000 designed positions with arbitrary loads, as the user runs
// it (program start included): design --json of every position and the project report.

#include "Projektgenerator.h"

#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kPositionen = 1000;

struct Projektdatei {
    vsk::test::TempDir dir;
    std::filesystem::path datei = vsk::bench::GrossesProjektDatei(kPositionen, dir.pfad());
};

Projektdatei& Projekt() {
    static Projektdatei p;
    return p;
}

// Runs vsk-cli with the arguments, its output discarded; the exit status. Adds the
// program's processor time (user and system) to cpuSekunden: on a shared machine the
// real time also holds the waits for the other processes.
int VskCli(std::vector<std::string> argumente, double& cpuSekunden) {
    argumente.insert(argumente.begin(), VSK_CLI);
    std::vector<char*> argv;
    for (std::string& a : argumente) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t umleitung;
    posix_spawn_file_actions_init(&umleitung);
    posix_spawn_file_actions_addopen(&umleitung, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = -1;
    if (posix_spawn(&pid, VSK_CLI, &umleitung, nullptr, argv.data(), environ) == 0) {
        rusage verbrauch{};
        wait4(pid, &status, 0, &verbrauch);
        cpuSekunden +=
            static_cast<double>(verbrauch.ru_utime.tv_sec + verbrauch.ru_stime.tv_sec) +
            1e-6 * static_cast<double>(verbrauch.ru_utime.tv_usec + verbrauch.ru_stime.tv_usec);
    }
    posix_spawn_file_actions_destroy(&umleitung);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void DesignJson1000(benchmark::State& state) {
    const std::string datei = Projekt().datei.string();
    double cpu = 0;
    for (auto _ : state) {
        if (VskCli({"design", datei, "--json"}, cpu) != 0) {
            state.SkipWithError("vsk-cli design failed");
        }
    }
    state.counters["program_cpu_s"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}
BENCHMARK(DesignJson1000)->Unit(benchmark::kMillisecond)->UseRealTime();

void Projektbericht1000(benchmark::State& state) {
    const std::string datei = Projekt().datei.string();
    const std::string pdf = (Projekt().dir / "bericht.pdf").string();
    double cpu = 0;
    for (auto _ : state) {
        if (VskCli({"report", datei, "--all", "--pdf", pdf}, cpu) != 0) {
            state.SkipWithError("vsk-cli report failed");
        }
    }
    state.counters["program_cpu_s"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
}
BENCHMARK(Projektbericht1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
