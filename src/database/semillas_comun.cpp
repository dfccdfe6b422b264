#include "database/semillas_comun.h"

#include "database/base_datos.h"
#include "database/transaccion.h"
#include "platform/dialogs.h"

#include <stdexcept>

namespace {

QString citado(const QString& nombre)
{
    return QLatin1Char('"') + nombre + QLatin1Char('"');
}

} // namespace

namespace semillas {

void ejecutar(BaseDatos& base, Dialogs& dialogs,
              const std::function<void(QStringList& avisos)>& semilla)
{
    QStringList avisos;
    try {
        Transaccion transaccion(base);
        semilla(avisos);
        transaccion.confirmar();
    } catch (const ErrorMotor& error) {
        // A full disk, a file another program holds or a damaged file stops the whole operation
        // the seed runs in: the next seed would only meet it again, or run outside the
        // transaction the engine has just ended.
        if (error.esDelEntorno()) throw;
        // The transaction has undone the whole seed: nothing it meant to announce was kept.
        dialogs.aviso(error.textoGuion());
        return;
    }
    for (const QString& aviso : avisos) dialogs.aviso(aviso);
}

bool existeTabla(BaseDatos& base, const QString& nombre)
{
    return base.existe(
        QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"),
        {nombre});
}

bool agregarSiFalta(BaseDatos& base, const QString& tabla, const QStringList& campos,
                    const QVariantList& valores, int camposClave)
{
    QStringList columnas;
    QStringList marcas;
    QStringList clave;
    for (int i = 0; i < campos.size(); ++i) {
        columnas << citado(campos[i]);
        marcas << QStringLiteral("?");
        if (i < camposClave) clave << citado(campos[i]) + QStringLiteral(" = ?");
    }
    const QString sql =
        QStringLiteral("INSERT INTO %1 (%2) SELECT %3 WHERE NOT EXISTS (SELECT 1 FROM %1 WHERE %4)")
            .arg(citado(tabla), columnas.join(u", "), marcas.join(u", "), clave.join(u" AND "));
    QVariantList parametros = valores;
    parametros.append(valores.mid(0, camposClave));
    return base.ejecutar(sql, parametros) > 0;
}

Importe decimal(const char* texto)
{
    const std::optional<Importe> valor = Importe::leer(QString::fromLatin1(texto));
    if (!valor) throw std::logic_error(std::string("valor de referencia ilegible: ") + texto);
    return *valor;
}

} // namespace semillas
