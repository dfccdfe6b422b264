// DDL for the schema kept as data.

#include "database/esquema.h"

namespace {

QString citado(const QString& nombre)
{
    return QLatin1Char('"') + nombre + QLatin1Char('"');
}

} // namespace

QString tipoDeclarado(const DefCampo& campo)
{
    switch (campo.tipo) {
    case TipoCampo::Texto: return QStringLiteral("TEXT(%1)").arg(campo.tamanio);
    case TipoCampo::Memo: return QStringLiteral("TEXT");
    case TipoCampo::Largo: return QStringLiteral("INTEGER");
    case TipoCampo::Entero: return QStringLiteral("SMALLINT");
    case TipoCampo::Simple: return QStringLiteral("REAL");
    case TipoCampo::Moneda: return QStringLiteral("CURRENCY");
    case TipoCampo::Tasa: return QStringLiteral("RATE");
    case TipoCampo::Fecha: return QStringLiteral("DATE");
    case TipoCampo::Hora: return QStringLiteral("TIME");
    case TipoCampo::Booleano: return QStringLiteral("BOOLEAN");
    case TipoCampo::Contador: return QStringLiteral("INTEGER");
    case TipoCampo::Imagen: return QStringLiteral("BLOB");
    }
    return {};
}

QString definicionColumna(const DefCampo& campo)
{
    const QString nombre = citado(campo.nombre);
    QString sql = nombre + QLatin1Char(' ') + tipoDeclarado(campo);
    if (campo.tipo == TipoCampo::Contador) {
        // Numbered by the engine and never reused, even after a compaction.
        return sql + QStringLiteral(" PRIMARY KEY AUTOINCREMENT");
    }
    if (campo.requerido) sql += QStringLiteral(" NOT NULL");
    if (campo.defectoCero) sql += QStringLiteral(" DEFAULT 0");
    if (campo.tipo == TipoCampo::Texto) {
        sql += QStringLiteral(" CHECK (length(%1) <= %2").arg(nombre).arg(campo.tamanio);
        if (!campo.permiteVacio) sql += QStringLiteral(" AND %1 <> ''").arg(nombre);
        sql += QLatin1Char(')');
    }
    if (campo.tipo == TipoCampo::Texto || campo.tipo == TipoCampo::Memo) {
        // Text compares without regard to case, as users expect of codes and names.
        sql += QStringLiteral(" COLLATE NOCASE");
    }
    return sql;
}

QString sqlCrearTabla(const DefTabla& tabla)
{
    QStringList columnas;
    for (const DefCampo& c : tabla.campos) columnas << definicionColumna(c);
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(citado(tabla.nombre), columnas.join(u", "));
}

QString nombreIndiceSql(const QString& tabla, const QString& indice)
{
    return tabla + QLatin1Char('.') + indice;
}

QString sqlCrearIndice(const QString& tabla, const DefIndice& indice)
{
    QStringList campos;
    for (const QString& c : indice.campos) campos << citado(c);
    QString sql = QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                      .arg(indice.unico ? QStringLiteral("UNIQUE ") : QString(),
                           citado(nombreIndiceSql(tabla, indice.nombre)), citado(tabla),
                           campos.join(u", "));
    if (!indice.condicion.isEmpty()) sql += QStringLiteral(" WHERE ") + indice.condicion;
    return sql;
}
