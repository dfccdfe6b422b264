#pragma once
// What the benchmarks measured, by name: Google Benchmark prints its own lines as usual, and this
// keeps the median of every benchmark's repetitions (its time and its counters) for the table of
// goals printed at the end.

#include <QString>
#include <benchmark/benchmark.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

class Medianas final : public benchmark::ConsoleReporter {
public:
    // In colour on a terminal only, so that a saved run reads as plain text.
    Medianas();
    void ReportRuns(const std::vector<Run>& corridas) override;

    // The median time of a benchmark, in milliseconds; nothing when it did not run.
    std::optional<double> ms(const std::string& nombre) const;
    // The median of one of its counters.
    std::optional<double> contador(const std::string& nombre, const std::string& contador) const;

private:
    struct Medida {
        double ms = 0;
        std::map<std::string, double> contadores;
    };
    std::map<std::string, Medida> medidas_;
};

// One line of the table: the goal, what was measured, the goal's bound and whether it holds.
struct FilaObjetivo {
    QString objetivo;
    QString medido;
    QString meta;
    std::optional<bool> cumple;  // nothing when it was not measured
};

// Formats: "4.21x", "37.5 ms".
QString veces(std::optional<double> razon);
QString milisegundos(std::optional<double> ms);

// The line of a ratio timed by registrarRazon(), met at `limite` or below:
// "4.21x (1234.5 ms / 290.1 ms)", the measured path over its baseline.
FilaObjetivo filaRazon(const QString& objetivo, const Medianas& medianas, const std::string& nombre,
                       double limite);

void imprimirTabla(const std::vector<FilaObjetivo>& filas);
