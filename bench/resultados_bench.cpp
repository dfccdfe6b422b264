#include "resultados_bench.h"

#include <QTextStream>
#include <algorithm>
#include <unistd.h>

Medianas::Medianas()
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular)
{
}

void Medianas::ReportRuns(const std::vector<Run>& corridas)
{
    for (const Run& r : corridas) {
        if (r.error_occurred) continue;
        const bool mediana = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
        // A benchmark of one repetition has no aggregates: its only run stands.
        const bool unica = r.run_type == Run::RT_Iteration && r.repetitions <= 1;
        if (!mediana && !unica) continue;
        Medida m;
        m.ms = r.GetAdjustedRealTime() * 1e3 / benchmark::GetTimeUnitMultiplier(r.time_unit);
        for (const auto& [nombre, c] : r.counters) m.contadores[nombre] = c.value;
        medidas_[r.run_name.function_name] = m;
    }
    ConsoleReporter::ReportRuns(corridas);
}

std::optional<double> Medianas::ms(const std::string& nombre) const
{
    const auto it = medidas_.find(nombre);
    if (it == medidas_.end()) return std::nullopt;
    return it->second.ms;
}

std::optional<double> Medianas::contador(const std::string& nombre, const std::string& contador) const
{
    const auto it = medidas_.find(nombre);
    if (it == medidas_.end()) return std::nullopt;
    const auto c = it->second.contadores.find(contador);
    if (c == it->second.contadores.end()) return std::nullopt;
    return c->second;
}

QString veces(std::optional<double> razon)
{
    return razon ? QString::number(*razon, 'f', 2) + QLatin1Char('x') : QStringLiteral("-");
}

QString milisegundos(std::optional<double> ms)
{
    return ms ? QString::number(*ms, 'f', *ms < 10 ? 2 : 1) + QStringLiteral(" ms")
              : QStringLiteral("-");
}

FilaObjetivo filaRazon(const QString& objetivo, const Medianas& m, const std::string& nombre,
                       double limite)
{
    const auto razon = m.contador(nombre, "razon");
    return {objetivo,
            veces(razon) + QStringLiteral(" (%1 / %2)")
                               .arg(milisegundos(m.contador(nombre, "ms")),
                                    milisegundos(m.contador(nombre, "base_ms"))),
            QStringLiteral("<= %1x").arg(limite),
            razon ? std::optional(*razon <= limite) : std::nullopt};
}

void imprimirTabla(const std::vector<FilaObjetivo>& filas)
{
    const QString encabezado[] = {QStringLiteral("Objetivo"), QStringLiteral("Medido"),
                                  QStringLiteral("Meta"), QStringLiteral("Cumple")};
    auto cumple = [](const FilaObjetivo& f) {
        return !f.cumple ? QStringLiteral("-") : *f.cumple ? QStringLiteral("sí") : QStringLiteral("no");
    };
    qsizetype anchos[3] = {encabezado[0].size(), encabezado[1].size(), encabezado[2].size()};
    for (const FilaObjetivo& f : filas) {
        anchos[0] = std::max(anchos[0], f.objetivo.size());
        anchos[1] = std::max(anchos[1], f.medido.size());
        anchos[2] = std::max(anchos[2], f.meta.size());
    }
    QTextStream out(stdout);
    auto linea = [&](const QString& a, const QString& b, const QString& c, const QString& d) {
        out << a.leftJustified(anchos[0]) << " | " << b.rightJustified(anchos[1]) << " | "
            << c.leftJustified(anchos[2]) << " | " << d << '\n';
    };
    out << '\n';
    linea(encabezado[0], encabezado[1], encabezado[2], encabezado[3]);
    out << QString(anchos[0] + anchos[1] + anchos[2] + 16, QLatin1Char('-')) << '\n';
    for (const FilaObjetivo& f : filas) linea(f.objetivo, f.medido, f.meta, cumple(f));
    out.flush();
}
