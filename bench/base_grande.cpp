#include "base_grande.h"

#include "database/base_datos.h"
#include "database/base_suministrada.h"
#include "database/importe.h"
#include "database/modifica_base.h"
#include "database/semillas.h"
#include "database/transaccion.h"
#include "declaraciones_generadas.h"
#include "sentencia_sqlite.h"
#include "shell/entorno_mem.h"
#include "sujetos_generados.h"
#include "support/dialogos_guionados.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <stdexcept>

namespace {

// Raise it whenever the generator makes different rows, so that cached files are made again.
constexpr int kVersionGenerador = 2;

QVariant tasa(const char* texto)
{
    return Importe::leer(QString::fromLatin1(texto))->aColumna();
}

// The agent, its branches, its own concepts, the ordinary rates of "01" to "06", the due dates
// and the interest rates: what the user enters under Administración before the first month.
void datosDelAgente(BaseDatos& base)
{
    Transaccion transaccion(base);
    base.ejecutar(QStringLiteral("INSERT INTO Agentes (Nro_Agente, CUIT, Razon_Social, Domicilio, "
                                 "Localidad, CondIVA) VALUES (?, ?, ?, ?, ?, 1)"),
                  {QString::fromLatin1(base_grande::kAgente), cuitCompleto(QStringLiteral("3071234567")),
                   QStringLiteral("FRIGORÍFICO Y ACOPIOS DEL LITORAL S.A."),
                   QStringLiteral("AV. RAMÍREZ 2450"), QStringLiteral("PARANÁ")});
    const struct {
        const char* sucursal;
        const char* descripcion;
        const char* localidad;
    } sucursales[] = {{"0000", "CASA CENTRAL", "PARANÁ"},
                      {base_grande::kSucursal, "PLANTA PUERTO", "DIAMANTE"}};
    for (const auto& s : sucursales)
        base.ejecutar(QStringLiteral("INSERT INTO Sucursales (Nro_Agente, Sucursal, Nro_Comprobante, "
                                     "Descripcion, Localidad) VALUES (?, ?, '00000000', ?, ?)"),
                      {QString::fromLatin1(base_grande::kAgente), QString::fromLatin1(s.sucursal),
                       QString::fromUtf8(s.descripcion), QString::fromUtf8(s.localidad)});

    const char* const conceptos[][2] = {{"01", "VENTA DE BIENES"},
                                        {"02", "LOCACIONES DE SERVICIOS"},
                                        {"03", "LOCACIONES DE OBRA"},
                                        {"04", "COMISIONES"},
                                        {"05", "ALQUILERES"}};
    for (const auto& c : conceptos)
        base.ejecutar(QStringLiteral("INSERT INTO Conceptos (Cod_Concepto, Descripcion) VALUES (?, ?)"),
                      {QString::fromLatin1(c[0]), QString::fromLatin1(c[1])});

    // Types "0" to "4" of each regime: registered, Convenio of this province and of others, with a
    // certificate, foreign.
    const char* const alicuotas[][6] = {
        {"01", "3", "2.5", "2", "0", "3.5"}, {"02", "3.5", "3", "2.5", "0", "4"},
        {"03", "2.5", "2.5", "2.5", "2.5", "3"}, {"04", "4.1", "3.5", "3", "0", "4.1"},
        {"05", "2.5", "2", "1.5", "0", "3"}, {"06", "2", "2", "2", "0", "2.5"}};
    for (const auto& a : alicuotas)
        for (int tipo = 0; tipo <= 4; ++tipo)
            base.ejecutar(QStringLiteral("INSERT OR REPLACE INTO Alicuotas (Cod_Regimen, Cod_Tipo, "
                                         "Alicuota) VALUES (?, ?, ?)"),
                          {QString::fromLatin1(a[0]), QString::number(tipo), tasa(a[tipo + 1])});

    // Due on the 15th of the next month, or the first working day after it.
    for (QDate mes(2019, 12, 1); mes <= QDate(2025, 1, 1); mes = mes.addMonths(1)) {
        QDate vence = mes.addMonths(1).addDays(14);
        while (vence.dayOfWeek() > 5) vence = vence.addDays(1);
        base.ejecutar(QStringLiteral("INSERT INTO Vencimientos (Anio, Mes, Fecha) VALUES (?, ?, ?)"),
                      {mes.year(), mes.month(), vence.toString(Qt::ISODate)});
    }
    const char* const tasas[][2] = {
        {"2019-07-01", "3"}, {"2020-01-01", "3.5"}, {"2020-07-01", "3"}, {"2021-01-01", "3"},
        {"2021-07-01", "3.5"}, {"2022-01-01", "4"}, {"2022-07-01", "5"}, {"2023-01-01", "6"},
        {"2023-07-01", "8"}, {"2024-01-01", "10"}, {"2024-07-01", "6"}};
    for (const auto& t : tasas)
        base.ejecutar(QStringLiteral("INSERT OR REPLACE INTO Tasas (FechaVig, Tasa) VALUES (?, ?)"),
                      {QString::fromLatin1(t[0]), tasa(t[1])});
    transaccion.confirmar();
}

// The start's upgrade steps and seeds, as every start of the program runs them.
void comoUnArranque(BaseDatos& base, Dialogs& dialogs)
{
    if (ModificaBase(base, dialogs).actualizar() != ResultadoActualizacion::SinCambios)
        throw std::runtime_error("la base instalada no quedó al día");
    sembrarDatosDeReferencia(base, dialogs);
}

void borrarSiExiste(const QString& ruta)
{
    if (QFileInfo::exists(ruta) && !QFile::remove(ruta))
        throw std::runtime_error("no se pudo borrar " + ruta.toStdString());
}

// What a new install holds, every row of every table: a change to the schema or to the supplied
// rows changes it.
QByteArray huellaBaseInstalada()
{
    QTemporaryDir carpeta;
    const QString ruta = QDir(carpeta.path()).filePath(QStringLiteral("BDR.mdb"));
    DialogosGuionados silencio;
    crearBaseInstalada(ruta, silencio);
    ConexionSqlite db(ruta);
    QCryptographicHash huella(QCryptographicHash::Sha1);
    std::vector<std::string> tablas;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db.manija(), "SELECT name, sql FROM sqlite_master ORDER BY name", -1, &stmt,
                       nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < 2; ++c)
            if (const unsigned char* t = sqlite3_column_text(stmt, c))
                huella.addData(reinterpret_cast<const char*>(t));
        if (sqlite3_column_text(stmt, 1) && QByteArray(reinterpret_cast<const char*>(
                                                sqlite3_column_text(stmt, 1))).startsWith("CREATE TABLE"))
            tablas.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    }
    sqlite3_finalize(stmt);
    for (const std::string& tabla : tablas) {
        const std::string sql = "SELECT * FROM \"" + tabla + "\" ORDER BY rowid";
        if (sqlite3_prepare_v2(db.manija(), sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) continue;
        while (sqlite3_step(stmt) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                const void* bytes = sqlite3_column_blob(stmt, c);
                huella.addData(QByteArrayView(static_cast<const char*>(bytes),
                                              sqlite3_column_bytes(stmt, c)));
                huella.addData("|");
            }
        sqlite3_finalize(stmt);
    }
    return huella.result().toHex();
}

} // namespace

void generarBaseGrande(const QString& ruta, const ParametrosBaseGrande& p)
{
    if (QFileInfo::exists(ruta))
        throw std::runtime_error("ya existe " + ruta.toStdString());
    const QString provisoria = ruta + QStringLiteral(".generando");
    for (const QString& resto :
         {provisoria, provisoria + QStringLiteral("-journal"), rutaBaseEnConstruccion(provisoria)})
        borrarSiExiste(resto);

    DialogosGuionados silencio;
    crearBaseInstalada(provisoria, silencio);
    {
        BaseDatos base;
        base.abrir(provisoria);
        datosDelAgente(base);
        // The rates the agency fixes are in place before any receipt takes one.
        comoUnArranque(base, silencio);
    }
    {
        ConexionSqlite db(provisoria);
        // A file nobody sees until it is complete needs no journal.
        db.ejecutar("PRAGMA journal_mode = OFF");
        db.ejecutar("PRAGMA synchronous = OFF");
        db.ejecutar("PRAGMA cache_size = -524288");
        db.ejecutar("BEGIN");
        const Aleatorio raiz(p.semilla);
        const std::vector<SujetoGenerado> sujetos =
            generarSujetos(db, raiz.derivado("sujetos"), p.sujetos);
        generarDeclaraciones(db, raiz.derivado("declaraciones"), p, sujetos);
        db.ejecutar("COMMIT");
    }
    {
        // Left as the program leaves it after a start: whatever a start repairs is repaired.
        BaseDatos base;
        base.abrir(provisoria);
        comoUnArranque(base, silencio);
    }
    if (!QFile::rename(provisoria, ruta))
        throw std::runtime_error("no se pudo renombrar " + provisoria.toStdString());
}

QString baseGrandeEnCache(const QString& carpeta, const ParametrosBaseGrande& p)
{
    QCryptographicHash clave(QCryptographicHash::Sha1);
    clave.addData(QStringLiteral("%1 %2 %3 %4 %5 %6 ")
                      .arg(kVersionGenerador)
                      .arg(p.semilla)
                      .arg(p.sujetos)
                      .arg(p.filasMes)
                      .arg(p.filasMayor)
                      .arg(p.filasMediano)
                      .toUtf8());
    clave.addData(huellaBaseInstalada());
    const QString nombre = QStringLiteral("base_grande-%1.mdb")
                               .arg(QString::fromLatin1(clave.result().toHex().left(12)));
    QDir dir(carpeta);
    const QString ruta = dir.filePath(nombre);
    if (QFileInfo::exists(ruta)) return ruta;

    if (!dir.mkpath(QStringLiteral(".")))
        throw std::runtime_error("no se pudo crear " + carpeta.toStdString());
    // Files of an older generator or schema would only take room.
    for (const QString& viejo :
         dir.entryList({QStringLiteral("base_grande-*.mdb*")}, QDir::Files))
        borrarSiExiste(dir.filePath(viejo));
    generarBaseGrande(ruta, p);
    return ruta;
}

QString carpetaCacheBench()
{
    const QString elegida = qEnvironmentVariable("TARQUEL_BENCH_DATOS");
    if (!elegida.isEmpty()) return elegida;
    return QStringLiteral(TARQUEL_BENCH_DATOS_DEFECTO);
}

qint64 idDeclaracion(BaseDatos& base, const MesDeclarado& mes)
{
    return base
        .valor(QStringLiteral("SELECT IdCabecera FROM Cabeceras WHERE Nro_Agente = ? AND "
                              "Sucursal = ? AND Cod_Regimen = ? AND Anio = ? AND Mes = ?"),
               {QString::fromLatin1(base_grande::kAgente), QString::fromLatin1(base_grande::kSucursal),
                QString::fromLatin1(mes.regimen), QString::number(mes.anio),
                QStringLiteral("%1").arg(mes.mes, 2, 10, QLatin1Char('0'))})
        .toLongLong();
}

void escribirEntornoGrande(BaseDatos& base, const QString& carpeta)
{
    QFile archivo(QDir(carpeta).filePath(QStringLiteral("Entorno.mem")));
    if (!archivo.open(QIODevice::WriteOnly)
        || archivo.write(escribirEntornoMem(idDeclaracion(base, base_grande::kMesMayor),
                                            QString::fromLatin1(base_grande::kAgente),
                                            QString::fromLatin1(base_grande::kSucursal),
                                            QString::fromLatin1(base_grande::kMesMayor.regimen)))
               < 0)
        throw std::runtime_error("no se pudo escribir " + archivo.fileName().toStdString());
}
