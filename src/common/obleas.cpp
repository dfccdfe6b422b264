#include "common/obleas.h"

#include "common/regimenes.h"
#include "database/base_datos.h"
#include "database/codigos.h"
#include "database/entorno.h"
#include "platform/dialogs.h"

#include <optional>

namespace {

// The number after the letter (characters 2 to 16), when it is made of digits only.
std::optional<qint64> numeroDeOblea(const QString& nro)
{
    const QStringView parte = QStringView(nro).mid(1, 15);
    if (parte.isEmpty()) return std::nullopt;
    qint64 numero = 0;
    for (const QChar c : parte) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        numero = numero * 10 + (c.unicode() - '0');
    }
    return numero;
}

bool obleaEnRemesa(BaseDatos& base, QString nro, const QString& regimen, const QString& agente)
{
    if (!reglasRegimen(regimen).obleasValidadas) return true;
    // A lone letter (or nothing) still has a number part: zero.
    if (nro.size() <= 1) nro += QLatin1Char('0');
    const auto numero = numeroDeOblea(nro);
    if (!numero) return false;
    return base.existe(QStringLiteral("SELECT 1 FROM Remesas WHERE Nro_Agente = ? "
                                      "AND TipoEstampilla = ? AND Nro_desde <= ? AND Nro_Hasta >= ?"),
                       {agente, QString(nro.front()), *numero, *numero});
}

QString letraDeTipo(int tipo)
{
    return QString(QChar(char16_t(64 + tipo)));
}

// Detail rows of the branch's receipts in the regime that carry a stamp of the type, annulled
// receipts left out.
qint64 obleasUsadas(BaseDatos& base, int tipo, const QString& regimen, const QString& agente,
                    const QString& sucursal)
{
    const QString desde = QStringLiteral(
        "SELECT COUNT(*) FROM (Cabeceras INNER JOIN Retenciones "
        "ON Cabeceras.IdCabecera = Retenciones.IdCabecera) INNER JOIN Guias "
        "ON Retenciones.IdCabecera = Guias.IdCabecera "
        "AND Retenciones.Nro_Comprobante = Guias.Nro_Comprobante "
        "WHERE Cabeceras.Cod_Regimen = ? AND Cabeceras.Sucursal = ? AND Cabeceras.Nro_Agente = ? "
        "AND Retenciones.Estado <> ? ");
    const ReglasRegimen reglas = reglasRegimen(regimen);
    if (reglas.detalle == ModoDetalle::AnticiposConOblea) {
        // Advances carry type 0: their stamp is known by its letter, and an advance made to
        // another agent is not one of this agent's stamps.
        return base
            .valor(desde + QStringLiteral("AND substr(Guias.NroGuia, 1, 1) = ? COLLATE NOCASE "
                                          "AND Guias.Nro_Agente = Cabeceras.Nro_Agente"),
                   {regimen, sucursal, agente, estado_retencion::Anulada, letraDeTipo(tipo)})
            .toLongLong();
    }
    if (reglas.obleasValidadas) {
        return base.valor(desde + QStringLiteral("AND Guias.Tipo = ?"),
                          {regimen, sucursal, agente, estado_retencion::Anulada, tipo})
            .toLongLong();
    }
    return 0;
}

// The remittances of a stamp type delivered to an agent: how many, and their stamps in all (none
// without remittances).
struct Entregas {
    qint64 remesas = 0;
    qint64 obleas = 0;
};

Entregas leerEntregas(BaseDatos& base, const QString& agente, const QString& letra)
{
    const auto fila = base.fila(
        QStringLiteral("SELECT COUNT(*), SUM(Nro_Hasta - Nro_desde + 1) FROM Remesas "
                       "WHERE Nro_Agente = ? AND TipoEstampilla = ?"),
        {agente, letra});
    if (!fila) return {};
    return {fila->value(0).toLongLong(), fila->value(1).toLongLong()};
}

} // namespace

bool validaOblea(Entorno& entorno, const QString& nro)
{
    return obleaEnRemesa(entorno.baseDatos(), nro, entorno.regimen(), entorno.agente());
}

bool validaObleaAgente(BaseDatos& base, const QString& nro, const QString& regimen, int agente)
{
    return obleaEnRemesa(base, nro, regimen,
                         QStringLiteral("%1").arg(agente, 6, 10, QLatin1Char('0')));
}

bool hayRemesas(BaseDatos& base)
{
    return base.existe(QStringLiteral("SELECT 1 FROM Remesas LIMIT 1"));
}

qint64 obleasDisponibles(BaseDatos& base, Dialogs& dialogos, int tipo, const QString& regimen,
                          const QString& agente, const QString& sucursal)
{
    const qint64 usadas = obleasUsadas(base, tipo, regimen, agente, sucursal);
    const QString letra = letraDeTipo(tipo);
    const Entregas entregas = leerEntregas(base, agente, letra);
    if (entregas.remesas == 0)
        dialogos.aviso(QStringLiteral("Error al calcular Obleas tipo ") + letra
                       + QStringLiteral("   - No hay ninguna Remesa cargada de ese Tipo de Oblea"));
    return entregas.obleas - usadas;
}
