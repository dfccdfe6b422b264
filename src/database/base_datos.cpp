#include "database/base_datos.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QUuid>

#include <sqlite3.h>

BaseDatos::BaseDatos()
    : nombreConexion_(QStringLiteral("bdr-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

BaseDatos::~BaseDatos()
{
    cerrar();
}

void BaseDatos::abrir(const QString& ruta)
{
    if (!QFileInfo(ruta).isFile())
        throw ErrorMotor(errores::BaseNoEncontrada,
                         QStringLiteral("No se encontró el archivo '%1'.").arg(ruta));
    abrirConexion(ruta);
}

void BaseDatos::crear(const QString& ruta)
{
    if (QFileInfo::exists(ruta))
        throw ErrorMotor(errores::ErrorGeneral,
                         QStringLiteral("El archivo '%1' ya existe.").arg(ruta));
    abrirConexion(ruta);
}

void BaseDatos::abrirConexion(const QString& ruta)
{
    cerrar();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombreConexion_);
        db.setDatabaseName(ruta);
        if (!db.open()) {
            const ErrorMotor error = traducirError(db.lastError(), ruta);
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(nombreConexion_);
            throw ErrorMotor(errores::BaseNoEncontrada, error.descripcion());
        }
    }
    ruta_ = ruta;
    transacciones_ = 0;
    perdida_.reset();
    // Relations are kept by the program itself (the schema declares no foreign keys, and the
    // cascades are the forms' own); the journal makes every transaction land whole or not at all.
    ejecutar(QStringLiteral("PRAGMA foreign_keys = OFF"));
    setEsperaOcupada(esperaOcupada_);
}

void BaseDatos::cerrar()
{
    if (!QSqlDatabase::contains(nombreConexion_)) return;
    {
        QSqlDatabase db = QSqlDatabase::database(nombreConexion_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(nombreConexion_);
    ruta_.clear();
    transacciones_ = 0;
    perdida_.reset();
}

bool BaseDatos::abierta() const
{
    return QSqlDatabase::contains(nombreConexion_)
        && QSqlDatabase::database(nombreConexion_, false).isOpen();
}

QSqlDatabase BaseDatos::conexion() const
{
    return QSqlDatabase::database(nombreConexion_, false);
}

bool BaseDatos::transaccionAbierta() const
{
    if (!abierta()) return false;
    const QVariant manija = conexion().driver()->handle();
    if (!manija.isValid() || qstrcmp(manija.typeName(), "sqlite3*") != 0) return false;
    sqlite3* db = *static_cast<sqlite3* const*>(manija.constData());
    return db != nullptr && sqlite3_get_autocommit(db) == 0;
}

void BaseDatos::setEsperaOcupada(int milisegundos)
{
    esperaOcupada_ = milisegundos;
    if (abierta()) ejecutar(QStringLiteral("PRAGMA busy_timeout = %1").arg(milisegundos));
}

void BaseDatos::comprobarTransaccion() const
{
    if (perdida_) throw *perdida_;
}

void BaseDatos::fallar(const QSqlError& error)
{
    const ErrorMotor traducido = traducirError(error, ruta_);
    if (transacciones_ > 0 && !perdida_ && !transaccionAbierta()) perdida_ = traducido;
    throw traducido;
}

QSqlQuery BaseDatos::preparar(const QString& sql, const QVariantList& valores)
{
    comprobarTransaccion();
    QSqlQuery consulta(conexion());
    consulta.setForwardOnly(true);
    if (!consulta.prepare(sql)) fallar(consulta.lastError());
    for (const QVariant& v : valores) consulta.addBindValue(v);
    if (!consulta.exec()) fallar(consulta.lastError());
    return consulta;
}

int BaseDatos::ejecutar(const QString& sql, const QVariantList& valores)
{
    QSqlQuery consulta = preparar(sql, valores);
    return consulta.numRowsAffected();
}

std::vector<QSqlRecord> BaseDatos::filas(const QString& sql, const QVariantList& valores)
{
    QSqlQuery consulta = preparar(sql, valores);
    std::vector<QSqlRecord> resultado;
    while (consulta.next()) resultado.push_back(consulta.record());
    if (consulta.lastError().isValid()) fallar(consulta.lastError());
    return resultado;
}

void BaseDatos::recorrer(const QString& sql, const QVariantList& valores,
                         const std::function<void(const QSqlQuery&)>& fila)
{
    QSqlQuery consulta = preparar(sql, valores);
    while (consulta.next()) fila(consulta);
    if (consulta.lastError().isValid()) fallar(consulta.lastError());
}

QSqlQuery BaseDatos::consulta(const QString& sql, const QVariantList& valores)
{
    return preparar(sql, valores);
}

bool BaseDatos::siguiente(QSqlQuery& consulta)
{
    if (consulta.next()) return true;
    if (consulta.lastError().isValid()) fallar(consulta.lastError());
    return false;
}

std::optional<QSqlRecord> BaseDatos::fila(const QString& sql, const QVariantList& valores)
{
    QSqlQuery consulta = preparar(sql, valores);
    if (consulta.next()) return consulta.record();
    if (consulta.lastError().isValid()) fallar(consulta.lastError());
    return std::nullopt;
}

QVariant BaseDatos::valor(const QString& sql, const QVariantList& valores)
{
    QSqlQuery consulta = preparar(sql, valores);
    if (consulta.next()) return consulta.value(0);
    if (consulta.lastError().isValid()) fallar(consulta.lastError());
    return {};
}

QStringList BaseDatos::textos(const QString& sql, const QVariantList& valores)
{
    QSqlQuery consulta = preparar(sql, valores);
    QStringList resultado;
    while (consulta.next()) resultado << consulta.value(0).toString();
    if (consulta.lastError().isValid()) fallar(consulta.lastError());
    return resultado;
}

bool BaseDatos::existe(const QString& sql, const QVariantList& valores)
{
    return fila(sql, valores).has_value();
}

qint64 BaseDatos::ultimoId()
{
    return valor(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}
