#pragma once
// How the goals are timed. The machines are noisy: every figure is the median of several
// repetitions, and a ratio is taken between a baseline and the measured path timed side by side in
// the same repetition (in alternating order), so that both meet the same noise.

#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <string>

// The milliseconds `paso` takes.
template <class Paso>
double msDe(Paso&& paso)
{
    const auto inicio = std::chrono::steady_clock::now();
    paso();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();
}

// A figure in milliseconds: `medir` does its own untimed preparation and answers the time of the
// measured part alone.
void registrarTiempo(const std::string& nombre, int repeticiones, std::function<double()> medir);

// A ratio: the benchmark's time is the measured path's; its counters are base_ms, ms and
// razon (measured / baseline), each the median over the repetitions.
void registrarRazon(const std::string& nombre, int repeticiones, std::function<double()> base,
                    std::function<double()> medido);

// Figures taken once, not timed by the benchmark (the peak memories of child processes): `medir`
// puts them in the state's counters.
void registrarUnaVez(const std::string& nombre, std::function<void(benchmark::State&)> medir);
