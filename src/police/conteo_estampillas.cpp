#include "police/conteo_estampillas.h"

#include "database/base_datos.h"
#include "database/codigos.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QString fechaIso(const QDate& fecha)
{
    return fecha.toString(Qt::ISODate);
}

QString horaIso(const QTime& hora)
{
    return hora.toString(QStringLiteral("HH:mm:ss"));
}

// A stored final count of -1 is a mark, not a count: that shift left no count of the stamp, so
// the next shift starts from the agent's last remittance instead.
constexpr qint64 kSinCuenta = -1;

} // namespace

std::vector<TipoEstampilla> tiposEstampilla(BaseDatos& base, int clase)
{
    std::vector<TipoEstampilla> tipos;
    for (const QSqlRecord& fila : base.filas(
             QStringLiteral("SELECT * FROM Tipos WHERE Clase = ? ORDER BY Tipo"), {clase})) {
        const Tipo t = tipoDe(fila);
        tipos.push_back({int(t.tipo), t.descripcion, t.valor});
    }
    return tipos;
}

QChar letraEstampilla(int tipo)
{
    return QChar(u'A' + tipo - 1);
}

QString agenteDelTurno(BaseDatos& base, const Turno& turno)
{
    return base
        .valor(QStringLiteral("SELECT Nro_Agente FROM Cabeceras WHERE IdCabecera = ?"),
               {turno.idCabecera})
        .toString();
}

ConteoEstampillas contarEstampillas(BaseDatos& base, const Turno& turno, int tipo)
{
    ConteoEstampillas c;
    const auto fila = base.fila(QStringLiteral("SELECT * FROM Estampillas_Turnos "
                                               "WHERE IdCabecera = ? AND Cod_Turno = ? AND Tipo = ?"),
                                {turno.idCabecera, turno.codTurno, tipo});
    c.conFila = fila.has_value();
    c.inicial = fila ? estampillasTurnoDe(*fila).cantidadInicial : 0;

    // Remitted after the start instant: one registered at that very second is not new.
    const QString desde = fechaIso(turno.fechaDesde);
    c.nuevas = base.valor(QStringLiteral("SELECT COALESCE(SUM(Nro_Hasta - Nro_desde + 1), 0) "
                                         "FROM Remesas WHERE Nro_Agente = ? AND TipoEstampilla = ? "
                                         "AND (Fecha > ? OR (Fecha = ? AND Hora > ?))"),
                          {agenteDelTurno(base, turno), QString(letraEstampilla(tipo)), desde,
                           desde, horaIso(turno.horaDesde)})
                     .toLongLong();

    // Each stamp row counts one, whatever its quantity.
    const CondicionGuias vendidas = estampillasVendidas(turno);
    c.vendidas = base.valor(u"SELECT COUNT(*) FROM Guias WHERE "_s + vendidas.donde
                                + u" AND Guias.Tipo = ?"_s,
                            vendidas.valores + QVariantList{tipo})
                     .toLongLong();

    c.final = c.inicial + c.nuevas - c.vendidas;
    return c;
}

CondicionGuias estampillasVendidas(const Turno& turno)
{
    // A receipt is known by its declaration and its number together: numbers repeat across
    // branches.
    return {u"Guias.IdCabecera = ? AND upper(substr(Guias.NroGuia, 1, 1)) IN ('A', 'B', 'C', 'D') "
            "AND EXISTS (SELECT 1 FROM Retenciones r WHERE r.IdCabecera = Guias.IdCabecera "
            "AND r.Nro_Comprobante = Guias.Nro_Comprobante AND r.Estado <> ?) "
            "AND EXISTS (SELECT 1 FROM Multas_cobradas m WHERE m.IdCabecera = Guias.IdCabecera "
            "AND m.Nro_Comprobante = Guias.Nro_Comprobante AND m.Cod_Turno = ?)"_s,
            {turno.idCabecera, estado_retencion::Anulada, turno.codTurno}};
}

qint64 cantidadInicial(BaseDatos& base, const QString& agente, int tipo)
{
    const auto anterior = base.fila(
        QStringLiteral("SELECT Estampillas_Turnos.* FROM Turnos "
                       "INNER JOIN Estampillas_Turnos "
                       "ON Estampillas_Turnos.Cod_Turno = Turnos.Cod_Turno "
                       "INNER JOIN Cabeceras ON Cabeceras.IdCabecera = Turnos.IdCabecera "
                       "WHERE Estampillas_Turnos.Tipo = ? AND Cabeceras.Nro_Agente = ? "
                       "ORDER BY Turnos.Fecha_Desde DESC, Turnos.Hora_Desde DESC LIMIT 1"),
        {tipo, agente});
    if (anterior) {
        const EstampillasTurno cuenta = estampillasTurnoDe(*anterior);
        const std::optional<Turno> turno = leerTurno(base, cuenta.codTurno);
        // A shift still open has not stored its final count yet: what it has left now counts.
        const qint64 final = turno && turno->abierto() ? contarEstampillas(base, *turno, tipo).final
                                                       : cuenta.cantidadFinal;
        if (final != kSinCuenta) return final;
    }
    return base
        .valor(QStringLiteral("SELECT Nro_Hasta - Nro_desde + 1 FROM Remesas "
                              "WHERE Nro_Agente = ? AND TipoEstampilla = ? "
                              "ORDER BY Fecha DESC, Hora DESC, Nro_clave DESC LIMIT 1"),
               {agente, QString(letraEstampilla(tipo))})
        .toLongLong();
}
