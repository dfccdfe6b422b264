// The payment slip of the 100,000-row month against the 10,000-row month's: its time and its peak
// memory, each slip printed by a process of its own, as a user's click after the program started.

#include "base_grande.h"
#include "carpetas_bench.h"
#include "medicion.h"
#include "objetivos.h"
#include "proceso_hijo.h"
#include "traza_sqlite.h"

#include "database/base_datos.h"
#include "database/codigos.h"
#include "declarations/pago_cabecera.h"
#include "declarations/vencimiento_mes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <stdexcept>

namespace objetivo_boleta {

namespace {

const std::string kBoleta = "Boleta/100000_vs_10000";
const QString kModoHijo = QStringLiteral("--hijo-boleta");

constexpr double kLimiteTiempo = 1.5;
constexpr double kLimiteMemoria = 1.25;

// What one child measured.
struct MedidaBoleta {
    double ms = 0;
    double mb = 0;
};

// The month's slip as the user prints it: the closing question answered yes, paid ten days after
// the due date (so the interest is worked out), no other payments, the print confirmed; the
// report drawn into a PDF file. The declaration is open beforehand, so every slip closes it.
double imprimirBoleta(SesionBench& sesion, qint64 id, const QString& pdf)
{
    const auto fila = sesion.base.fila(
        QStringLiteral("SELECT Anio, Mes FROM Cabeceras WHERE IdCabecera = ?"), {id});
    if (!fila) throw std::runtime_error("no existe la declaración");
    const QDate vencimiento =
        vencimientoDelMes(sesion.base, fila->value(0).toString(), fila->value(1).toString());
    if (!vencimiento.isValid()) throw std::runtime_error("el mes no tiene vencimiento");

    ImpresoraGuionada impresora(sesion.base, pdf);
    sesion.dialogs.mensajes.clear();
    sesion.dialogs.respuestas = {Respuesta::Si, Respuesta::Si};  // close; print
    sesion.dialogs.textos = {vencimiento.addDays(10).toString(QStringLiteral("dd/MM/yyyy")),
                             std::nullopt};
    bool cerrada = false;
    const double ms = msDe([&] { cerrada = imprimirBoletaPago(sesion.contexto, id, impresora); });
    if (!cerrada || impresora.trabajos.size() != 1 || !QFileInfo::exists(pdf))
        throw std::runtime_error("no se imprimió la boleta: "
                                 + sesion.dialogs.textosMostrados().join(u" / ").toStdString());
    return ms;
}

// Both months open again, so that each slip measured does the same work but for its rows.
void reabrir(BaseDatos& base, qint64 id)
{
    base.ejecutar(QStringLiteral("UPDATE Cabeceras SET Estado = ? WHERE IdCabecera = ?"),
                  {estado_cabecera::Abierta, id});
}

const QRegularExpression kTiempo(QStringLiteral("^ms:\\s*([0-9.]+)$"),
                                 QRegularExpression::MultilineOption);
const QRegularExpression kPico(QStringLiteral("VmHWM:\\s*(\\d+)\\s*kB"));

MedidaBoleta medirEnHijo(const QString& carpeta, qint64 id)
{
    QProcess hijo;
    hijo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    hijo.start(QCoreApplication::applicationFilePath(), {kModoHijo, carpeta, QString::number(id)});
    if (!hijo.waitForFinished(-1) || hijo.exitStatus() != QProcess::NormalExit
        || hijo.exitCode() != 0)
        throw std::runtime_error("la boleta no terminó bien en su proceso");
    const QString salida = QString::fromUtf8(hijo.readAllStandardOutput());
    const auto tiempo = kTiempo.match(salida);
    const auto pico = kPico.match(salida);
    if (!tiempo.hasMatch() || !pico.hasMatch())
        throw std::runtime_error("el proceso de la boleta no informó su tiempo y su memoria");
    return {tiempo.captured(1).toDouble(), pico.captured(1).toDouble() / 1024.0};
}

struct Datos {
    CarpetaBench& carpeta = copiaGrande(QStringLiteral("boleta"));
    SesionBench sesion{carpeta.ruta()};
    qint64 mayor = idDeclaracion(sesion.base, base_grande::kMesMayor);
    qint64 mediano = idDeclaracion(sesion.base, base_grande::kMesMediano);
    int corrida = 0;
};

Datos& datos()
{
    return fixtura<Datos>();
}

std::optional<double> razon(std::optional<double> mayor, std::optional<double> mediano)
{
    if (!mayor || !mediano || *mediano <= 0) return std::nullopt;
    return *mayor / *mediano;
}

QString cifra(std::optional<double> v, int decimales)
{
    return v ? QString::number(*v, 'f', decimales) : QStringLiteral("-");
}

} // namespace

void registrar(int repeticiones)
{
    benchmark::RegisterBenchmark(
        kBoleta.c_str(),
        [](benchmark::State& estado) {
            for (auto _ : estado) {
                try {
                    Datos& d = datos();
                    reabrir(d.sesion.base, d.mayor);
                    reabrir(d.sesion.base, d.mediano);
                    MedidaBoleta mayor;
                    MedidaBoleta mediano;
                    // Alternating which goes first, so that both meet the same noise.
                    if (d.corrida++ % 2 == 0) {
                        mayor = medirEnHijo(d.carpeta.ruta(), d.mayor);
                        mediano = medirEnHijo(d.carpeta.ruta(), d.mediano);
                    } else {
                        mediano = medirEnHijo(d.carpeta.ruta(), d.mediano);
                        mayor = medirEnHijo(d.carpeta.ruta(), d.mayor);
                    }
                    estado.SetIterationTime(mayor.ms / 1000.0);
                    estado.counters["mayor_ms"] = mayor.ms;
                    estado.counters["mediano_ms"] = mediano.ms;
                    estado.counters["mayor_mb"] = mayor.mb;
                    estado.counters["mediano_mb"] = mediano.mb;
                } catch (const std::exception& e) {
                    estado.SkipWithError(e.what());
                }
            }
        })
        ->Iterations(1)
        ->Repetitions(repeticiones)
        ->ReportAggregatesOnly(true)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

void informar(const Medianas& m, std::vector<FilaObjetivo>& tabla)
{
    const auto mayorMs = m.contador(kBoleta, "mayor_ms");
    const auto medianoMs = m.contador(kBoleta, "mediano_ms");
    const auto tiempo = razon(mayorMs, medianoMs);
    tabla.push_back({QStringLiteral("8. Boleta de pago: mes de 100.000 filas / de 10.000"),
                     veces(tiempo) + QStringLiteral(" (%1 / %2)")
                                         .arg(milisegundos(mayorMs), milisegundos(medianoMs)),
                     QStringLiteral("<= %1x").arg(kLimiteTiempo),
                     tiempo ? std::optional(*tiempo <= kLimiteTiempo) : std::nullopt});

    const auto mayorMb = m.contador(kBoleta, "mayor_mb");
    const auto medianoMb = m.contador(kBoleta, "mediano_mb");
    const auto memoria = razon(mayorMb, medianoMb);
    tabla.push_back({QStringLiteral("8. Memoria pico de la boleta: mes de 100.000 / de 10.000"),
                     veces(memoria) + QStringLiteral(" (%1 MB / %2 MB)")
                                          .arg(cifra(mayorMb, 0), cifra(medianoMb, 0)),
                     QStringLiteral("<= %1x").arg(kLimiteMemoria),
                     memoria ? std::optional(*memoria <= kLimiteMemoria) : std::nullopt});
}

void perfilar()
{
    Datos& d = datos();
    reabrir(d.sesion.base, d.mayor);
    QTemporaryDir destino;
    TrazaSqlite traza;
    traza.seguir(d.sesion.base);
    imprimirBoleta(d.sesion, d.mayor, QDir(destino.path()).filePath(QStringLiteral("boleta.pdf")));
    imprimirTraza(QStringLiteral("Boleta de pago del mes de 100.000 filas"),
                  traza.sentencias(d.carpeta.base()));
}

int hijo(const QStringList& argumentos)
{
    if (argumentos.size() != 3 || argumentos[0] != kModoHijo) return 2;
    SesionBench sesion(argumentos[1]);
    QTemporaryDir destino;
    double ms = 0;
    try {
        ms = imprimirBoleta(sesion, argumentos[2].toLongLong(),
                            QDir(destino.path()).filePath(QStringLiteral("boleta.pdf")));
    } catch (const std::exception& e) {
        QTextStream(stderr) << e.what() << '\n';
        return 1;
    }
    QTextStream(stdout) << "ms: " << QString::number(ms, 'f', 3) << '\n';
    informarPicoMemoria();
    return 0;
}

} // namespace objetivo_boleta
