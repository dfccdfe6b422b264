// The window of withholdings by declaration on the large agent's database: moving between the
// 100,000-row month and the 10,000-row one, changing the concept shown, and re-sorting the
// 100,000 rows, each a user action with the grid repainted. Run with the receipts' index by
// declaration and concept (the schema's) and without it, side by side, to show what the index buys.
//
//   cmake -S . -B build -DTARQUEL_BENCH=ON
//   cmake --build build --target tarquel_bench_consulta
//   build/bench/tarquel_bench_consulta

#include "base_grande.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "details/frmRetxCab.h"
#include "forms/grilla_registros.h"
#include "support/dialogos_guionados.h"
#include "support/impresora_guionada.h"
#include "support/reloj_fijo.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>

namespace {

// The window open on a copy of the large database, with or without the index.
struct Consulta {
    explicit Consulta(bool conIndice)
    {
        const QString origen = baseGrandeEnCache(carpetaCacheBench());
        if (!QFile::copy(origen, dir.filePath(QStringLiteral("BDR.mdb"))))
            throw std::runtime_error("no se pudo copiar la base grande");
        base.abrir(dir.filePath(QStringLiteral("BDR.mdb")));
        if (!conIndice)
            base.ejecutar(QStringLiteral("DROP INDEX IF EXISTS \"Retenciones.xCabConceptoImportes\""));
        mayor = idDeclaracion(base, base_grande::kMesMayor);
        mediano = idDeclaracion(base, base_grande::kMesMediano);
        form = std::make_unique<frmRetxCab>(contexto);
        form->resize(1280, 720);
        form->show();
        cabeceras = form->findChild<GrillaRegistros*>(QStringLiteral("dbgCabeceras"));
        retenciones = form->findChild<GrillaRegistros*>(QStringLiteral("dbgRetenciones"));
        concepto = form->findChild<QComboBox*>(QStringLiteral("cbxConcepto"));
        irA(mayor);
    }

    // A click on the declaration's row of the upper grid.
    void irA(qint64 id)
    {
        for (int fila = 0; fila < cabeceras->filas(); ++fila)
            if (cabeceras->modelo().idFila(fila) == id) {
                cabeceras->setCurrentIndex(cabeceras->model()->index(fila, 1));
                pintar();
                return;
            }
        throw std::runtime_error("no está la declaración");
    }
    void elegirConcepto(int item)
    {
        concepto->setCurrentIndex(item);
        Q_EMIT concepto->activated(item);
        pintar();
    }
    void ordenar(int columna)
    {
        Q_EMIT retenciones->horizontalHeader()->sectionClicked(columna);
        pintar();
    }
    void pintar()
    {
        retenciones->viewport()->repaint();
        cabeceras->viewport()->repaint();
    }
    QString cantidad() const
    {
        return form->findChild<QLabel*>(QStringLiteral("lblCantidad"))->text();
    }

    QTemporaryDir dir;
    BaseDatos base;
    Entorno entorno{base};
    DialogosGuionados dialogs;
    RelojFijo reloj{QDate(2024, 12, 27)};
    ImpresoraGuionada impresora;
    Contexto contexto{base, entorno, dialogs, reloj, impresora, dir.path()};
    qint64 mayor = 0;
    qint64 mediano = 0;
    std::unique_ptr<frmRetxCab> form;
    GrillaRegistros* cabeceras = nullptr;
    GrillaRegistros* retenciones = nullptr;
    QComboBox* concepto = nullptr;
};

Consulta& consulta(bool conIndice)
{
    static std::unique_ptr<Consulta> con;
    static std::unique_ptr<Consulta> sin;
    std::unique_ptr<Consulta>& c = conIndice ? con : sin;
    if (!c) c = std::make_unique<Consulta>(conIndice);
    return *c;
}

const char* rotulo(const benchmark::State& estado)
{
    return estado.range(0) ? "con índice" : "sin índice";
}

// Each iteration moves to the other month: the 100,000 rows and the 10,000, alternately.
void CambiarDeDeclaracion(benchmark::State& estado)
{
    Consulta& c = consulta(estado.range(0) != 0);
    c.elegirConcepto(0);
    bool alMayor = false;
    for (auto _ : estado) {
        c.irA(alMayor ? c.mayor : c.mediano);
        alMayor = !alMayor;
    }
    c.irA(c.mayor);
    estado.SetLabel(rotulo(estado));
}

// On the 100,000-row month: a concept of a few thousand rows, then every concept, alternately.
void CambiarDeConcepto(benchmark::State& estado)
{
    Consulta& c = consulta(estado.range(0) != 0);
    c.irA(c.mayor);
    const int uno = c.concepto->findText(QStringLiteral("03 - "), Qt::MatchStartsWith);
    if (uno < 0) throw std::runtime_error("no está el concepto 03");
    bool todos = false;
    for (auto _ : estado) {
        c.elegirConcepto(todos ? 0 : uno);
        todos = !todos;
    }
    c.elegirConcepto(0);
    estado.SetLabel(rotulo(estado));
}

// On the 100,000-row month: by day, then by receipt number, alternately.
void Ordenar(benchmark::State& estado)
{
    Consulta& c = consulta(estado.range(0) != 0);
    c.irA(c.mayor);
    bool porDia = true;
    for (auto _ : estado) {
        c.ordenar(porDia ? 1 : 5);
        porDia = !porDia;
    }
    c.ordenar(5);
    estado.SetLabel(rotulo(estado));
}

BENCHMARK(CambiarDeDeclaracion)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(CambiarDeConcepto)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(Ordenar)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
