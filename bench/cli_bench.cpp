// haberes-cli end to end on 100,000 mixed records: process start, parsing,
// calculation and output.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kRecords = 100000;

// Positions, both hours levels, family, deductions, absences and a few
// refusals, in a fixed cycle.
std::string record(int i)
{
    static const char* codes[] = {"604", "822", "650", "734", "999", "703", "651", "936", "123"};
    const int seniority = i % 13;
    const int zona = i % 6 - 1;
    std::string r = "{\"docente\": \"Docente " + std::to_string(i) + "\", ";
    switch (i % 3) {
    case 0:
        r += std::string("\"cargo\": true, \"codigocargo\": \"") + codes[i % 9] + "\", ";
        break;
    case 1:
        r += "\"horasmedio\": true, \"numerohorasmed\": \"" + std::to_string(i % 40) + ",5\", \"numhorascod06\": \"" +
             std::to_string(i % 35) + "\", ";
        break;
    default:
        r += "\"horassup\": true, \"numerohorassup\": \"" + std::to_string(i % 30) + "\", \"numhorasincen\": \"" +
             std::to_string(i % 28) + "\", ";
        break;
    }
    r += "\"antiguedad\": " + std::to_string(seniority) + ", \"zona\": " + std::to_string(zona) +
         ", \"dinasist\": \"" + std::to_string(i % 5) + "\", \"hijos\": " + std::to_string(i % 2) +
         ", \"cantidadhijos\": \"" + std::to_string(i % 4) + "\", \"transporte\": 1, \"cantkm\": \"" +
         std::to_string(i % 400) + "\", \"Iosper\": 1, \"APORTEJUB\": 1, \"ZUTEL\": " + std::to_string(i % 2) + "}\n";
    return r;
}

void BM_Cli100k(benchmark::State& state)
{
    char path[] = "/tmp/haberes-bench-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) {
        state.SkipWithError("cannot create the input file");
        return;
    }
    close(fd);
    {
        std::ofstream out(path);
        for (int i = 0; i < kRecords; ++i)
            out << record(i);
    }
    const std::string command = std::string(HABERES_CLI) + " --locale es_AR " + path + " > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("haberes-cli failed");
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
    std::remove(path);
}

} // namespace

BENCHMARK(BM_Cli100k)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
