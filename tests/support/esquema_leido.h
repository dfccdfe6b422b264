#pragma once
// What a database file actually holds, read back through SQLite's own catalogue, in a compact
// text form that tests compare with the schema the program must have.

#include "database/base_datos.h"

#include <QString>
#include <QStringList>

// "Name TYPE[ nn][ =0][ pk]" per field, joined by "; ".
inline QString camposLeidos(BaseDatos& base, const QString& tabla)
{
    QStringList campos;
    for (const QSqlRecord& f :
         base.filas(QStringLiteral("SELECT name, type, \"notnull\", dflt_value, pk "
                                   "FROM pragma_table_info(?) ORDER BY cid"),
                    {tabla})) {
        QString c = f.value(0).toString() + QLatin1Char(' ') + f.value(1).toString();
        if (f.value(2).toInt()) c += QStringLiteral(" nn");
        if (!f.value(3).isNull()) c += QStringLiteral(" =") + f.value(3).toString();
        if (f.value(4).toInt()) c += QStringLiteral(" pk");
        campos << c;
    }
    return campos.join(QStringLiteral("; "));
}

// "Index[ unique](Field, Field)[ WHERE condition]" per index of the table, sorted, joined by "; ".
inline QString indicesLeidos(BaseDatos& base, const QString& tabla)
{
    QStringList indices;
    for (const QSqlRecord& i : base.filas(
             QStringLiteral("SELECT l.name, l.\"unique\", l.partial, m.sql FROM pragma_index_list(?) l "
                            "JOIN sqlite_master m ON m.type = 'index' AND m.name = l.name "
                            "WHERE l.origin = 'c'"),
             {tabla})) {
        QStringList campos;
        for (const QSqlRecord& c :
             base.filas(QStringLiteral("SELECT name FROM pragma_index_info(?) ORDER BY seqno"),
                        {i.value(0)}))
            campos << c.value(0).toString();
        QString nombre = i.value(0).toString();
        nombre = nombre.mid(nombre.indexOf(QLatin1Char('.')) + 1);
        indices << nombre + (i.value(1).toInt() ? QStringLiteral(" unique") : QString())
                + QLatin1Char('(') + campos.join(QStringLiteral(", ")) + QLatin1Char(')');
        if (i.value(2).toInt()) {
            const QString sql = i.value(3).toString();
            indices.last() += sql.mid(sql.lastIndexOf(QStringLiteral(" WHERE ")));
        }
    }
    indices.sort();
    return indices.join(QStringLiteral("; "));
}

inline QStringList tablasLeidas(BaseDatos& base)
{
    QStringList tablas;
    for (const QSqlRecord& t : base.filas(QStringLiteral(
             "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' "
             "ORDER BY name")))
        tablas << t.value(0).toString();
    return tablas;
}
