#pragma once
// A data folder ready for the police checkpoints: the entry fixture with an active declaration of
// regime "13" (agent 012345, May 2008), remittances of stamps "A" and "B" to the agent, two
// officers, and the rows a shift leaves behind written straight into the database.

#include "database/codigos.h"
#include "support/datos_entrada.h"

#include <array>
#include <initializer_list>
#include <utility>

struct DatosPoliciales : DatosEntrada {
    qint64 garcia = 0;  // officer "GARCIA JUAN"
    qint64 lopez = 0;   // officer "LOPEZ ANA"

    DatosPoliciales() : DatosEntrada(QStringLiteral("13"))
    {
        remesa("A", 1, 100, "2008-05-01", "08:00:00");
        remesa("B", 1, 50, "2008-05-01", "08:00:00");
        garcia = prueba::policia(base, {.tipo = QStringLiteral("D.N.I."),
                                        .dni = 20111222,
                                        .nombre = QStringLiteral("GARCIA JUAN"),
                                        .legajo = 1501,
                                        .cuenta = QStringLiteral("CA 123/4")});
        lopez = prueba::policia(base, {.tipo = QStringLiteral("D.N.I."),
                                       .dni = 23444555,
                                       .nombre = QStringLiteral("LOPEZ ANA"),
                                       .legajo = 1502,
                                       .cuenta = QStringLiteral("CA 567/8")});
    }

    void remesa(const char* letra, qint64 desde, qint64 hasta, const char* fecha,
                const char* hora, const QString& agente = QStringLiteral("012345"))
    {
        prueba::remesa(base, {.nroRemesa = 1,
                              .letra = QString::fromLatin1(letra),
                              .agente = agente,
                              .desde = desde,
                              .hasta = hasta,
                              .fecha = QString::fromLatin1(fecha),
                              .hora = QString::fromLatin1(hora)});
    }

    // A shift of declaration `id` (the active one by default) started at `desde` `hora`, with
    // initial counts of types 1 to 4; closed when `hasta` is given, its final counts then `finales`.
    qint64 turno(const char* desde, const char* hora, std::array<qint64, 4> iniciales,
                 qint64 id = 0, const char* hasta = nullptr,
                 std::array<qint64, 4> finales = {0, 0, 0, 0})
    {
        const qint64 cabecera = id ? id : idCabecera;
        const qint64 codigo = prueba::turno(
            base, {.idCabecera = cabecera,
                   .fechaDesde = QString::fromLatin1(desde),
                   .horaDesde = QString::fromLatin1(hora),
                   .fechaHasta = hasta ? QVariant(QString::fromLatin1(hasta)) : QVariant(),
                   .horaHasta = hasta ? QVariant(QStringLiteral("20:00:00")) : QVariant()});
        for (int tipo = 1; tipo <= 4; ++tipo)
            prueba::estampillasTurno(base, {.idCabecera = cabecera,
                                            .codTurno = codigo,
                                            .tipo = tipo,
                                            .inicial = iniciales[std::size_t(tipo - 1)],
                                            .final_ = finales[std::size_t(tipo - 1)]});
        return codigo;
    }

    // A police receipt of declaration `id` with its stamps (number and type) and its fine filed
    // under shift `codTurno`.
    void comprobante(const char* nro, qint64 codTurno,
                     std::initializer_list<std::pair<const char*, int>> obleas,
                     const char* estado = "5", qint64 id = 0, qint64 policia = 0)
    {
        const qint64 cabecera = id ? id : idCabecera;
        prueba::retencion(base, {.idCabecera = cabecera,
                                 .comprobante = QString::fromLatin1(nro),
                                 .nroContrib = QStringLiteral("3001234567"),
                                 .dia = QStringLiteral("10"),
                                 .bruto = tasa("100"),
                                 .alicuota = tasa("100"),
                                 .retenido = tasa("100"),
                                 .nroX = QStringLiteral("0"),
                                 .concepto = QStringLiteral("98"),
                                 .estado = QString::fromLatin1(estado),
                                 .marca = QString()});
        for (const auto& [oblea, tipo] : obleas)
            prueba::guia(base, {.comprobante = QString::fromLatin1(nro),
                                .agente = QStringLiteral("012345"),
                                .nroGuia = QString::fromLatin1(oblea),
                                .tipo = tipo,
                                .cantidad = 1,
                                .idCabecera = cabecera});
        prueba::multa(base, {.idCabecera = cabecera,
                             .comprobante = QString::fromLatin1(nro),
                             .policia = policia ? policia : garcia,
                             .importe = tasa("300"),
                             .fecha = QStringLiteral("2008-05-10"),
                             .hora = QStringLiteral("11:00:00"),
                             .codTurno = codTurno});
    }

    // A stamp row of the receipt being entered, as the detail window stores it.
    void obleaPendiente(const char* oblea, int tipo, const char* valor)
    {
        prueba::guia(base, {.comprobante = kComprobantePendiente,
                            .agente = QStringLiteral("012345"),
                            .nroGuia = QString::fromLatin1(oblea),
                            .tipo = tipo,
                            .cantidad = 1,
                            .valorUnitario = tasa(valor),
                            .total = tasa(valor),
                            .nroPorte = QStringLiteral("0001-00000001"),
                            .idCabecera = idCabecera});
    }
};
