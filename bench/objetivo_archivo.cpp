// 2. The declaration file of the 100,000-row month, against the engine's floor for the same rows,
// and its peak memory against the 10,000-row month's.

#include "base_grande.h"
#include "carpetas_bench.h"
#include "medicion.h"
#include "objetivos.h"
#include "proceso_hijo.h"
#include "traza_sqlite.h"

#include "declarations/emision_declaracion.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTextStream>
#include <stdexcept>

namespace objetivo_archivo {

namespace {

const std::string kArchivo = "Archivo/100000";
const std::string kMemoria = "Archivo/memoria";
const QString kModoHijo = QStringLiteral("--hijo-archivo");

// "D.Jurada" of a month: its file built and written into `carpeta`, the declaration closed. A
// month already closed is emitted again, which writes the same file.
double emitir(SesionBench& sesion, qint64 id, const QString& carpeta)
{
    sesion.dialogs.mensajes.clear();
    sesion.dialogs.respuestas = {Respuesta::Si};  // the closing question
    PasosEmision pasos;
    pasos.elegirCarpeta = [carpeta] { return carpeta; };
    std::optional<DeclaracionEmitida> emitida;
    const double ms = msDe([&] { emitida = emitirDeclaracion(sesion.contexto, id, pasos); });
    sesion.dialogs.respuestas.clear();
    if (!emitida)
        throw std::runtime_error("no se emitió: "
                                 + sesion.dialogs.textosMostrados().join(u" / ").toStdString());
    return ms;
}

// The engine's floor: the same rows joined to their subjects, in the file's order, read to the end
// through the program's own connection.
double consultaPlana(BaseDatos& base, qint64 id)
{
    return msDe([&] {
        QSqlQuery consulta(base.conexion());
        consulta.setForwardOnly(true);
        consulta.prepare(QStringLiteral(
            "SELECT Retenciones.*, Contribuyentes.CUIT, Contribuyentes.Cod_Tipo "
            "FROM Retenciones LEFT JOIN Contribuyentes "
            "ON Retenciones.Nro_Contrib = Contribuyentes.Nro_Contrib "
            "WHERE Retenciones.IdCabecera = ? ORDER BY Retenciones.Alicuota DESC, Retenciones.rowid"));
        consulta.addBindValue(id);
        if (!consulta.exec()) throw std::runtime_error("la consulta falló");
        const int columnas = consulta.record().count();
        qint64 filas = 0;
        while (consulta.next()) {
            for (int c = 0; c < columnas; ++c) benchmark::DoNotOptimize(consulta.value(c));
            ++filas;
        }
        if (filas == 0) throw std::runtime_error("el mes no tiene filas");
    });
}

struct Datos {
    CarpetaBench& carpeta = copiaGrande(QStringLiteral("archivo"));
    SesionBench sesion{carpeta.ruta()};
    qint64 mayor = idDeclaracion(sesion.base, base_grande::kMesMayor);
    qint64 mediano = idDeclaracion(sesion.base, base_grande::kMesMediano);
    QTemporaryDir destino;
};

Datos& datos()
{
    return fixtura<Datos>();
}

} // namespace

void registrar(int repeticiones)
{
    registrarRazon(
        kArchivo, repeticiones, [] { return consultaPlana(datos().sesion.base, datos().mayor); },
        [] { return emitir(datos().sesion, datos().mayor, datos().destino.path()); });

    registrarUnaVez(kMemoria, [](benchmark::State& estado) {
        Datos& d = datos();
        const QString carpeta = d.carpeta.ruta();
        estado.counters["mayor_mb"] = picoMemoriaHijo({kModoHijo, carpeta, QString::number(d.mayor)});
        estado.counters["mediano_mb"] =
            picoMemoriaHijo({kModoHijo, carpeta, QString::number(d.mediano)});
    });
}

void informar(const Medianas& m, std::vector<FilaObjetivo>& tabla)
{
    tabla.push_back(filaRazon(QStringLiteral("2. Archivo del mes de 100.000 filas / SELECT de esas filas"),
                              m, kArchivo, 2.0));

    const auto mayor = m.contador(kMemoria, "mayor_mb");
    const auto mediano = m.contador(kMemoria, "mediano_mb");
    std::optional<double> crece;
    if (mayor && mediano) crece = *mayor / *mediano;
    tabla.push_back({QStringLiteral("2. Memoria pico del archivo: mes de 100.000 / de 10.000"),
                     veces(crece) + QStringLiteral(" (%1 MB / %2 MB)")
                                        .arg(mayor ? QString::number(*mayor, 'f', 0) : QStringLiteral("-"),
                                             mediano ? QString::number(*mediano, 'f', 0) : QStringLiteral("-")),
                     QStringLiteral("no crece (<= 1.1x)"),
                     crece ? std::optional(*crece <= 1.1) : std::nullopt});
}

void perfilar()
{
    Datos& d = datos();
    TrazaSqlite traza;
    traza.seguir(d.sesion.base);
    emitir(d.sesion, d.mayor, d.destino.path());
    imprimirTraza(QStringLiteral("2. Archivo del mes de 100.000 filas"),
                  traza.sentencias(d.carpeta.base()));
}

int hijo(const QStringList& argumentos)
{
    if (argumentos.size() != 3 || argumentos[0] != kModoHijo) return 2;
    SesionBench sesion(argumentos[1]);
    QTemporaryDir destino;
    try {
        emitir(sesion, argumentos[2].toLongLong(), destino.path());
    } catch (const std::exception& e) {
        QTextStream(stderr) << e.what() << '\n';
        return 1;
    }
    informarPicoMemoria();
    return 0;
}

} // namespace objetivo_archivo
