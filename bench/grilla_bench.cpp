// How long a record form takes to open over a large table: the grid must show at once, reading
// rows as the user scrolls, not after loading them all.
//
//   cmake -S . -B build -DTARQUEL_BENCH=ON && cmake --build build --target tarquel_bench
//   QT_QPA_PLATFORM=offscreen build/bench/tarquel_bench

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/transaccion.h"
#include "reference/frmContribuyentes.h"
#include "support/carpeta_temporal.h"
#include "support/impresora_guionada.h"
#include "support/reloj_fijo.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// A data folder whose subjects table holds `filas` rows.
CarpetaTemporal& carpetaConSujetos(int filas)
{
    static CarpetaTemporal carpeta;
    static int hechas = 0;
    if (hechas == 0) carpeta.crearBaseInstalada();
    if (hechas < filas) {
        BaseDatos base;
        base.abrir(carpeta.base());
        Transaccion transaccion(base);
        for (int i = hechas; i < filas; ++i)
            base.ejecutar(QStringLiteral("INSERT INTO Contribuyentes (Nro_Contrib, CUIT, Razon_Social, "
                                         "Domicilio, Cod_Tipo) VALUES (?, ?, ?, ?, '0')"),
                          {QStringLiteral("000%1").arg(i, 7, 10, QLatin1Char('0')),
                           QStringLiteral("20%1").arg(i, 9, 10, QLatin1Char('0')),
                           QStringLiteral("SUJETO NUMERO %1").arg(i),
                           QStringLiteral("CALLE %1").arg(i % 1000)});
        transaccion.confirmar();
        hechas = filas;
    }
    return carpeta;
}

void AbrirSujetos(benchmark::State& estado)
{
    CarpetaTemporal& carpeta = carpetaConSujetos(int(estado.range(0)));
    BaseDatos base;
    base.abrir(carpeta.base());
    Entorno entorno(base);
    DialogosGuionados dialogs;
    RelojFijo reloj;
    ImpresoraGuionada impresora;
    Contexto contexto{base, entorno, dialogs, reloj, impresora, carpeta.dir.path()};
    for (auto _ : estado) {
        frmContribuyentes formulario(contexto);
        benchmark::DoNotOptimize(&formulario);
    }
    estado.SetLabel(QStringLiteral("%1 sujetos").arg(estado.range(0)).toStdString());
}
BENCHMARK(AbrirSujetos)->Arg(1000)->Arg(300000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
