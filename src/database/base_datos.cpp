#include "database/base_datos.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

QSqlQuery preparar(const QSqlDatabase& db, const QString& sql, const QVariantList& valores)
{
    QSqlQuery consulta(db);
    consulta.setForwardOnly(true);
    if (!consulta.prepare(sql)) throw traducirError(consulta.lastError());
    for (const QVariant& v : valores) consulta.addBindValue(v);
    if (!consulta.exec()) throw traducirError(consulta.lastError());
    return consulta;
}

} // namespace

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
            const ErrorMotor error = traducirError(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(nombreConexion_);
            throw ErrorMotor(errores::BaseNoEncontrada, error.descripcion());
        }
    }
    ruta_ = ruta;
    // Relations are kept by the program itself, as they always were; the journal makes every
    // transaction land whole or not at all.
    ejecutar(QStringLiteral("PRAGMA foreign_keys = OFF"));
    ejecutar(QStringLiteral("PRAGMA busy_timeout = 5000"));
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

int BaseDatos::ejecutar(const QString& sql, const QVariantList& valores)
{
    QSqlQuery consulta = preparar(conexion(), sql, valores);
    return consulta.numRowsAffected();
}

std::vector<QSqlRecord> BaseDatos::filas(const QString& sql, const QVariantList& valores)
{
    QSqlQuery consulta = preparar(conexion(), sql, valores);
    std::vector<QSqlRecord> resultado;
    while (consulta.next()) resultado.push_back(consulta.record());
    if (consulta.lastError().isValid()) throw traducirError(consulta.lastError());
    return resultado;
}

std::optional<QSqlRecord> BaseDatos::fila(const QString& sql, const QVariantList& valores)
{
    QSqlQuery consulta = preparar(conexion(), sql, valores);
    if (consulta.next()) return consulta.record();
    if (consulta.lastError().isValid()) throw traducirError(consulta.lastError());
    return std::nullopt;
}

QVariant BaseDatos::valor(const QString& sql, const QVariantList& valores)
{
    QSqlQuery consulta = preparar(conexion(), sql, valores);
    if (consulta.next()) return consulta.value(0);
    if (consulta.lastError().isValid()) throw traducirError(consulta.lastError());
    return {};
}

bool BaseDatos::existe(const QString& sql, const QVariantList& valores)
{
    return fila(sql, valores).has_value();
}

qint64 BaseDatos::ultimoId()
{
    return valor(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}
