// 5. Smaller scans: the printed declaration of the 100,000-row month against the 10,000-row
// month's (its reading should not grow with the month), and the check of regime "14" that a
// stamp is not used by another receipt.

#include "base_grande.h"
#include "carpetas_bench.h"
#include "medicion.h"
#include "objetivos.h"
#include "traza_sqlite.h"

#include "declarations/emision_declaracion.h"
#include "declarations/impresion_declaracion.h"
#include "app/catalogo_reportes.h"
#include "entry/oblea_retencion.h"
#include "platform/impresion.h"
#include "reports/reporte.h"

#include <QTemporaryDir>
#include <stdexcept>

namespace objetivo_consultas {

namespace {

const std::string kImpresa = "Impresa/100000";
const std::string kOblea = "Oblea/en_uso";

// The engine's reading of a print without painting a sheet: the report reads its tables and the
// database as it does before the preview.
class LecturaDeReporte final : public Impresora {
public:
    explicit LecturaDeReporte(BaseDatos& base) : base_(base) {}

    ResultadoImpresion imprimir(const TrabajoImpresion& trabajo) override
    {
        const auto reporte = reportesDelPrograma().crear(trabajo.reporte);
        if (!reporte) return {errores_impresion::ReporteDesconocido, trabajo.reporte};
        reporte->leer(base_, trabajo.seleccion);
        if (!reporte->tieneDatos()) return {errores_impresion::SinDatos, trabajo.reporte};
        return {};
    }

private:
    BaseDatos& base_;
};

struct Impresa {
    SesionBench sesion{copiaGrande(QStringLiteral("archivo")).ruta()};
    QTemporaryDir destino;
    DeclaracionEmitida mayor = emitida(base_grande::kMesMayor);
    DeclaracionEmitida mediano = emitida(base_grande::kMesMediano);

    DeclaracionEmitida emitida(const MesDeclarado& mes)
    {
        sesion.dialogs.respuestas = {Respuesta::Si};
        PasosEmision pasos;
        pasos.elegirCarpeta = [this] { return destino.path(); };
        auto e = emitirDeclaracion(sesion.contexto, idDeclaracion(sesion.base, mes), pasos);
        sesion.dialogs.respuestas.clear();
        if (!e) throw std::runtime_error("no se emitió la declaración");
        return *e;
    }

    // The printed declaration after its file: its tables written and read back by the report.
    double imprimir(const DeclaracionEmitida& emitida)
    {
        sesion.dialogs.mensajes.clear();
        sesion.dialogs.respuestas = {Respuesta::Si};  // "print it?"
        LecturaDeReporte lectura(sesion.base);
        const double ms = msDe([&] { imprimirDeclaracion(sesion.contexto, emitida, lectura); });
        sesion.dialogs.respuestas.clear();
        // Only the question before the print: anything else is a failure told to the user.
        if (sesion.dialogs.mensajes.size() != 1 || sesion.dialogs.mensajes[0].botones != Botones::SiNo)
            throw std::runtime_error("la impresión dijo: "
                                     + sesion.dialogs.textosMostrados().join(u" / ").toStdString());
        return ms;
    }
};

Impresa& impresa()
{
    return fixtura<Impresa>();
}

struct Oblea {
    SesionBench sesion{copiaGrande(QStringLiteral("grillas")).ruta()};
    // The stamp the next receipt carries: in stock, used by none.
    QString libre = QStringLiteral("Z%1").arg(
        sesion.base
                .valor(QStringLiteral("SELECT MAX(CAST(substr(NroGuia, 2) AS INTEGER)) FROM Guias "
                                      "WHERE NroGuia LIKE 'Z%'"))
                .toLongLong()
            + 1,
        7, 10, QLatin1Char('0'));

    double comprobar()
    {
        bool usada = true;
        const double ms = msDe([&] { usada = obleaEnUso(sesion.base, libre); });
        if (usada) throw std::runtime_error("la oblea libre figura usada");
        return ms;
    }
};

Oblea& oblea()
{
    return fixtura<Oblea>();
}

std::vector<SentenciaTrazada> trazaOblea()
{
    Oblea& o = oblea();
    TrazaSqlite traza;
    traza.seguir(o.sesion.base);
    o.comprobar();
    return traza.sentencias(copiaGrande(QStringLiteral("grillas")).base());
}

} // namespace

void registrar(int repeticiones)
{
    registrarRazon(
        kImpresa, repeticiones, [] { return impresa().imprimir(impresa().mediano); },
        [] { return impresa().imprimir(impresa().mayor); });
    registrarTiempo(kOblea, repeticiones, [] { return oblea().comprobar(); });
}

void informar(const Medianas& m, std::vector<FilaObjetivo>& tabla)
{
    const auto mayor = m.contador(kImpresa, "ms");
    const auto mediano = m.contador(kImpresa, "base_ms");
    std::optional<double> crece;
    if (mayor && mediano) crece = *mayor - *mediano;
    tabla.push_back({QStringLiteral("5. Declaración impresa: mes de 100.000 / de 10.000"),
                     milisegundos(mayor) + QStringLiteral(" / ") + milisegundos(mediano)
                         + (crece ? QStringLiteral(" (+%1)").arg(milisegundos(crece)) : QString()),
                     QStringLiteral("no crece (+ <= 5 ms)"),
                     crece ? std::optional(*crece <= 5) : std::nullopt});

    const auto ms = m.ms(kOblea);
    if (!ms) {
        tabla.push_back({QStringLiteral("5. Oblea del régimen 14 ya usada"), QStringLiteral("-"),
                         QStringLiteral("sin recorrer tablas"), std::nullopt});
        return;
    }
    const qint64 recorridas = filasRecorridas(trazaOblea());
    tabla.push_back({QStringLiteral("5. Oblea del régimen 14 ya usada"),
                     milisegundos(ms) + QStringLiteral(", recorre %1 filas").arg(recorridas),
                     QStringLiteral("sin recorrer tablas"), recorridas == 0});
}

void perfilar()
{
    {
        Impresa& i = impresa();
        TrazaSqlite traza;
        traza.seguir(i.sesion.base);
        i.imprimir(i.mayor);
        imprimirTraza(QStringLiteral("5. Declaración impresa del mes de 100.000 filas"),
                      traza.sentencias(copiaGrande(QStringLiteral("archivo")).base()));
    }
    imprimirTraza(QStringLiteral("5. Oblea del régimen 14 ya usada"), trazaOblea());
}

} // namespace objetivo_consultas
