// Payslips per second: a prepared record through the whole calculation,
// every line and amount text included.
#include "engine/calculate.h"
#include "engine/position_entries.h"

#include <benchmark/benchmark.h>

using namespace haberes;

namespace {

PayEntries positionEntries()
{
    PayEntries e;
    e.cargo = true;
    choosePositionByCode(e, "822");
    selectSeniority(e, 6);
    e.zona = 2;
    e.dinasist = "1";
    e.transporte = e.hijos = e.conyuge = 1;
    e.cantkm = "120";
    e.cantidadhijos = "3";
    e.Iosper = e.APORTEJUB = e.Ley4035 = e.ZUTEL = e.cajacomp = e.Seguro3011 = 1;
    return e;
}

PayEntries hoursEntries()
{
    PayEntries e;
    e.horasmedio = true;
    e.numerohorasmed = "21,7";
    e.numhorascod06 = "12";
    e.numhorasincen = "21,7";
    e.numhorascod113 = "21,7";
    selectSeniority(e, 9);
    e.zona = 1;
    e.hijos = 1;
    e.cantidadhijos = "2";
    e.Iosper = e.APORTEJUB = e.ZUTEL = 1;
    return e;
}

void run(benchmark::State& state, const PayEntries& entries)
{
    const NumberFormat format{","};
    for (auto _ : state) {
        CalcResult r = calculate(entries, format);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_PositionPayslip(benchmark::State& state) { run(state, positionEntries()); }
void BM_HoursPayslip(benchmark::State& state) { run(state, hoursEntries()); }

} // namespace

BENCHMARK(BM_PositionPayslip);
BENCHMARK(BM_HoursPayslip);
