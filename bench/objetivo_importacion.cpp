// 6. Importing a declaration file of 100,000 lines into the large database, against the engine
// inserting the same rows in one transaction with statements prepared once; and the import's peak
// memory for that file against a file of 10,000 lines.
//
// The file is regime "11" of the large agent's branch for January 2025, a month it has not
// declared: 50,000 receipts of subjects spread over the 300,000 stored, each followed by an
// advance paid to another agent, all of them clean records, so every kind of work of the import runs: the subject and
// concept lookups, the receipt numbers, the detail rows, the deferred withheld-amount check and
// the other withholdings computed at the end.

#include "base_grande.h"
#include "carpetas_bench.h"
#include "medicion.h"
#include "objetivos.h"
#include "proceso_hijo.h"
#include "sentencia_sqlite.h"
#include "traza_sqlite.h"

#include "database/codigos.h"
#include "database/importe.h"
#include "import/corrida_importacion.h"
#include "import/jurisdiccion_importada.h"
#include "import/verificacion_importacion.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <stdexcept>

namespace objetivo_importacion {

namespace {

const std::string kImportacion = "Importacion/100000";
const std::string kMemoria = "Importacion/memoria";
const QString kModoHijo = QStringLiteral("--hijo-importacion");
constexpr MesDeclarado kMes{"11", 2025, 1};
const char* const kOtroAgente = "000777";

QString agente() { return QString::fromLatin1(base_grande::kAgente); }
QString sucursal() { return QString::fromLatin1(base_grande::kSucursal); }

// One receipt of the file and its advance, as the baseline stores them.
struct Recibo {
    QString nroContrib;
    QString dia;
    Importe bruto;
    Importe alicuota;
    Importe retenido;
    Importe anticipo;
    QString nroX;
    QString nroAnticipo;
    QString porte;
};

QString importeArchivo(Importe i)
{
    const qint64 c = i.centavos();
    return QStringLiteral("%1.%2").arg(c / 100, 9, 10, QLatin1Char('0')).arg(c % 100, 2, 10, QLatin1Char('0'));
}

// The receipts of a file of `lineas` lines after its header: the subjects picked across the whole
// table, the amounts varied, each withheld amount net of its advance.
std::vector<Recibo> recibos(BaseDatos& base, int lineas)
{
    // Subjects whose number the import takes as it stands: a few Convenio numbers of the large
    // database carry the digit of the forms' check, which the import's check reads otherwise.
    std::vector<QString> sujetos;
    for (const QSqlRecord& f : base.filas(QStringLiteral("SELECT Nro_Contrib FROM Contribuyentes "
                                                         "ORDER BY rowid"))) {
        const QString nro = f.value(0).toString();
        if (revisarJurisdiccion(nro.left(3), nro.mid(3)) == RevisionJurisdiccion::Correcta)
            sujetos.push_back(nro);
    }
    if (sujetos.empty()) throw std::runtime_error("la base no tiene sujetos");
    std::vector<Recibo> r;
    for (int i = 0; i < lineas / 2; ++i) {
        Recibo x;
        x.nroContrib = sujetos[std::size_t((qint64(i) * 7919) % qint64(sujetos.size()))];
        x.dia = QStringLiteral("%1").arg(1 + i % 28, 2, 10, QLatin1Char('0'));
        x.bruto = Importe::desdeCentavos(100000 + (qint64(i) * 37) % 900000);
        x.alicuota = Importe::desdeCentavos(200);
        x.anticipo = Importe::desdeCentavos(x.bruto.centavos() / 100);
        x.retenido = x.bruto.porcentajeEnCentavos(x.alicuota) - x.anticipo;
        x.nroX = QStringLiteral("0001-%1").arg(i + 1, 8, 10, QLatin1Char('0'));
        x.nroAnticipo = QStringLiteral("%1").arg(i + 1, 8, 10, QLatin1Char('0'));
        x.porte = QStringLiteral("0002-%1").arg(i + 1, 8, 10, QLatin1Char('0'));
        r.push_back(x);
    }
    return r;
}

void escribirArchivo(const QString& ruta, const std::vector<Recibo>& rs)
{
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("no se pudo escribir el archivo a importar");
    QTextStream s(&f);
    s.setEncoding(QStringConverter::Latin1);
    s << "C" << agente() << kMes.regimen << kMes.anio << QStringLiteral("%1").arg(kMes.mes, 2, 10, QLatin1Char('0'))
      << "00" << sucursal() << "*\r\n";
    for (const Recibo& r : rs) {
        s << 'R' << r.nroContrib << r.dia << importeArchivo(r.bruto) << "02,00"
          << importeArchivo(r.retenido) << r.nroX << "01*\r\n";
        s << 'D' << r.nroAnticipo << kOtroAgente << "00000000" << "00" << "000"
          << importeArchivo(r.anticipo) << r.porte << "*\r\n";
    }
}

qint64 declaracion(BaseDatos& base)
{
    return base.valor(QStringLiteral("SELECT IdCabecera FROM Cabeceras WHERE Nro_Agente = ? AND "
                                     "Sucursal = ? AND Cod_Regimen = ? AND Anio = ? AND Mes = ?"),
                      {agente(), sucursal(), QString::fromLatin1(kMes.regimen),
                       QString::number(kMes.anio),
                       QStringLiteral("%1").arg(kMes.mes, 2, 10, QLatin1Char('0'))})
        .toLongLong();
}

// What a run stored goes, and the branch's counter is put back: the next run starts the same.
void deshacer(BaseDatos& base, const QString& contador)
{
    const qint64 id = declaracion(base);
    for (const char* tabla : {"Retenciones", "Guias", "Retenciones_B", "Cabeceras"})
        base.ejecutar(QStringLiteral("DELETE FROM %1 WHERE IdCabecera = ?").arg(QLatin1String(tabla)), {id});
    base.ejecutar(QStringLiteral("UPDATE Sucursales SET Nro_Comprobante = ? WHERE Nro_Agente = ? "
                                 "AND Sucursal = ?"),
                  {contador, agente(), sucursal()});
}

// The import as the window runs it: the check, then the run. The time of both.
double importar(SesionBench& sesion, const QString& archivo)
{
    sesion.dialogs.mensajes.clear();
    ResultadoImportacion resultado;
    const double ms = msDe([&] {
        auto plan = verificarArchivo(sesion.base, sesion.dialogs, sesion.entorno.nombresMeses(),
                                     ModoImportacion::Declaracion, archivo);
        if (!std::holds_alternative<PlanImportacion>(plan)) return;
        resultado = importarArchivo(sesion.base, sesion.dialogs, sesion.contexto.carpeta,
                                    std::get<PlanImportacion>(plan));
    });
    if (!resultado.completa)
        throw std::runtime_error("la importación no terminó: "
                                 + sesion.dialogs.textosMostrados().join(u" / ").toStdString());
    // Every line of the file is a clean record: the path measured is the one of a good file.
    const ConteoImportacion& c = resultado.conteo;
    if (c.conError != 0 || c.descartadas() != 0 || c.importados + c.detalles != c.lineas)
        throw std::runtime_error("el archivo generado tiene líneas con errores o descartadas");
    return ms;
}

struct Datos {
    CarpetaBench& carpeta = copiaGrande(QStringLiteral("importacion"));
    SesionBench sesion{carpeta.ruta()};
    QTemporaryDir archivos;
    QString contador = sesion.base
                           .valor(QStringLiteral("SELECT Nro_Comprobante FROM Sucursales WHERE "
                                                 "Nro_Agente = ? AND Sucursal = ?"),
                                  {agente(), sucursal()})
                           .toString();
    std::vector<Recibo> mayor = recibos(sesion.base, 100000);
    QString archivoMayor = QDir(archivos.path()).filePath(QStringLiteral("DDJJ_100000.TXT"));
    QString archivoMenor = QDir(archivos.path()).filePath(QStringLiteral("DDJJ_10000.TXT"));

    Datos()
    {
        escribirArchivo(archivoMayor, mayor);
        escribirArchivo(archivoMenor, recibos(sesion.base, 10000));
    }

    double importarMayor()
    {
        const double ms = importar(sesion, archivoMayor);
        deshacer(sesion.base, contador);
        return ms;
    }

    // The engine's floor: the same declaration, receipts, detail rows, other withholdings and
    // counter, inserted through statements prepared once, in one transaction.
    double insertarMayor()
    {
        const std::string ag = agente().toStdString();
        const std::string su = sucursal().toStdString();
        const std::string reg = kMes.regimen;
        const double ms = msDe([&] {
            ConexionSqlite c(carpeta.base());
            c.ejecutar("BEGIN");
            {
                Sentencia(c, "INSERT INTO Cabeceras (Nro_Agente, Sucursal, Cod_Regimen, Anio, Mes, "
                             "Rectifica, Estado, MarcaObs, Origen) VALUES (?, ?, ?, ?, ?, '00', "
                             "?, ?, ?)")
                    .ejecutar(ag, su, reg, QString::number(kMes.anio), std::string("01"),
                              estado_cabecera::Abierta, marca_observacion::Sin,
                              origen_cabecera::Importada);
                const qint64 id = c.ultimoId();
                Sentencia retencion(c, "INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Dia, "
                                       "Importe_Bruto, Alicuota, Importe_Ret, Nro_X, Cod_Concepto, "
                                       "Nro_Comprobante, Estado, MarcaImp) VALUES "
                                       "(?, ?, ?, ?, ?, ?, ?, '01', ?, ?, ?)");
                Sentencia guia(c, "INSERT INTO Guias (Nro_Comprobante, Nro_Agente, NroGuia, Tipo, "
                                  "Cantidad, Valor_Unitario, Total, Nro_Anticipo, Nro_porte, "
                                  "IdCabecera) VALUES (?, ?, '0', 0, 0, 0, ?, ?, ?, ?)");
                Sentencia otras(c, "INSERT INTO Retenciones_B (IdCabecera, Nro_Comprobante, "
                                   "Otras_Reten) VALUES (?, ?, ?)");
                qint64 numero = contador.toLongLong();
                for (const Recibo& r : mayor) {
                    const QString comprobante = QStringLiteral("%1").arg(++numero, 8, 10, QLatin1Char('0'));
                    retencion.ejecutar(id, r.nroContrib, r.dia, r.bruto.diezmilesimos(),
                                       r.alicuota.diezmilesimos(), r.retenido.diezmilesimos(), r.nroX,
                                       comprobante, estado_retencion::Valida,
                                       marca_importacion::Importada);
                    guia.ejecutar(comprobante, kOtroAgente, r.anticipo.diezmilesimos(),
                                  r.nroAnticipo, r.porte, id);
                    otras.ejecutar(id, comprobante, r.anticipo.diezmilesimos());
                }
                Sentencia(c, "UPDATE Sucursales SET Nro_Comprobante = ? WHERE Nro_Agente = ? AND "
                             "Sucursal = ?")
                    .ejecutar(QStringLiteral("%1").arg(numero, 8, 10, QLatin1Char('0')), ag, su);
            }
            c.ejecutar("COMMIT");
        });
        deshacer(sesion.base, contador);
        return ms;
    }
};

Datos& datos()
{
    return fixtura<Datos>();
}

} // namespace

void registrar(int repeticiones)
{
    registrarRazon(
        kImportacion, repeticiones, [] { return datos().insertarMayor(); },
        [] { return datos().importarMayor(); });

    registrarUnaVez(kMemoria, [](benchmark::State& estado) {
        Datos& d = datos();
        auto pico = [&](const QString& archivo) {
            const double mb = picoMemoriaHijo({kModoHijo, d.carpeta.ruta(), archivo});
            deshacer(d.sesion.base, d.contador);
            return mb;
        };
        estado.counters["mayor_mb"] = pico(d.archivoMayor);
        estado.counters["menor_mb"] = pico(d.archivoMenor);
    });
}

void informar(const Medianas& m, std::vector<FilaObjetivo>& tabla)
{
    tabla.push_back(filaRazon(
        QStringLiteral("6. Importar 100.000 líneas / INSERT de esas filas"), m, kImportacion, 2.0));
    const auto mayor = m.contador(kMemoria, "mayor_mb");
    const auto menor = m.contador(kMemoria, "menor_mb");
    std::optional<double> crece;
    if (mayor && menor) crece = *mayor / *menor;
    tabla.push_back({QStringLiteral("6. Memoria pico de la importación: 100.000 / 10.000 líneas"),
                     veces(crece) + QStringLiteral(" (%1 MB / %2 MB)")
                                        .arg(mayor ? QString::number(*mayor, 'f', 0) : QStringLiteral("-"),
                                             menor ? QString::number(*menor, 'f', 0) : QStringLiteral("-")),
                     QStringLiteral("no crece (<= 1.1x)"),
                     crece ? std::optional(*crece <= 1.1) : std::nullopt});
}

void perfilar()
{
    Datos& d = datos();
    TrazaSqlite traza;
    traza.seguir(d.sesion.base);
    importar(d.sesion, d.archivoMayor);
    deshacer(d.sesion.base, d.contador);
    imprimirTraza(QStringLiteral("6. Importar 100.000 líneas"), traza.sentencias(d.carpeta.base()));
}

int hijo(const QStringList& argumentos)
{
    if (argumentos.size() != 3 || argumentos[0] != kModoHijo) return 2;
    SesionBench sesion(argumentos[1]);
    try {
        importar(sesion, argumentos[2]);
    } catch (const std::exception& e) {
        QTextStream(stderr) << e.what() << '\n';
        return 1;
    }
    informarPicoMemoria();
    return 0;
}

} // namespace objetivo_importacion
