#include "medicion.h"

#include <exception>
#include <memory>

namespace {

benchmark::internal::Benchmark* configurar(benchmark::internal::Benchmark* b, int repeticiones)
{
    // One timed run per repetition: the paths last milliseconds to seconds, and some change what
    // they run on (a saved receipt), so each repetition is one user action.
    return b->Iterations(1)
        ->Repetitions(repeticiones)
        ->ReportAggregatesOnly(true)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace

void registrarTiempo(const std::string& nombre, int repeticiones, std::function<double()> medir)
{
    configurar(benchmark::RegisterBenchmark(nombre.c_str(),
                                            [medir](benchmark::State& estado) {
                                                for (auto _ : estado) {
                                                    try {
                                                        estado.SetIterationTime(medir() / 1000.0);
                                                    } catch (const std::exception& e) {
                                                        estado.SkipWithError(e.what());
                                                    }
                                                }
                                            }),
               repeticiones);
}

void registrarRazon(const std::string& nombre, int repeticiones, std::function<double()> base,
                    std::function<double()> medido)
{
    auto corrida = std::make_shared<int>(0);
    configurar(benchmark::RegisterBenchmark(
                   nombre.c_str(),
                   [base, medido, corrida](benchmark::State& estado) {
                       for (auto _ : estado) {
                           try {
                               double b = 0;
                               double m = 0;
                               if ((*corrida)++ % 2 == 0) {
                                   b = base();
                                   m = medido();
                               } else {
                                   m = medido();
                                   b = base();
                               }
                               estado.SetIterationTime(m / 1000.0);
                               estado.counters["base_ms"] = b;
                               estado.counters["ms"] = m;
                               estado.counters["razon"] = m / b;
                           } catch (const std::exception& e) {
                               estado.SkipWithError(e.what());
                           }
                       }
                   }),
               repeticiones);
}

void registrarUnaVez(const std::string& nombre, std::function<void(benchmark::State&)> medir)
{
    configurar(benchmark::RegisterBenchmark(nombre.c_str(),
                                            [medir](benchmark::State& estado) {
                                                for (auto _ : estado) {
                                                    medir(estado);
                                                    estado.SetIterationTime(0.001);
                                                }
                                            }),
               1)
        ->ReportAggregatesOnly(false);
}
