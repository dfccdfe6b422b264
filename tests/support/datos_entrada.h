#pragma once
// A data folder ready for entering receipts: agent 012345 with branches 0001 (counter 00000000) and
// 0002 (counter 00000041), a declaration of May 2008 of branch 0001 in the regime asked for, made
// active, a handful of subjects, the concepts of a new install and known rates.

#include "database/filas.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"

namespace prueba {

// A receipt's detail row as the printed receipt reads it: its stamp or guide, waybill, advance and
// agent.
inline Guia guia(std::optional<QString> nroGuia, std::optional<QString> porte = {},
                 std::optional<QString> anticipo = {},
                 const QString& agente = QStringLiteral("000123"))
{
    Guia g;
    g.nroGuia = std::move(nroGuia);
    g.nroPorte = std::move(porte);
    g.nroAnticipo = std::move(anticipo);
    g.nroAgente = agente;
    return g;
}

} // namespace prueba

inline QVariant tasa(const char* texto)
{
    return prueba::monto(texto);
}

struct DatosEntrada : EntornoDePrueba {
    qint64 idCabecera = 0;

    explicit DatosEntrada(const QString& regimen = QStringLiteral("01"),
                          const QString& mes = QStringLiteral("05"))
        : EntornoDePrueba(BaseDePrueba::Instalada, RelojFijo{QDate(2008, 5, 17)})
    {
        const QString agente = QStringLiteral("012345");
        prueba::agente(base, {.nro = agente,
                              .cuit = QStringLiteral("30500000007"),
                              .razonSocial = QStringLiteral("AGENTE DE PRUEBA"),
                              .condIva = 1});
        prueba::sucursal(base, {.agente = agente,
                                .sucursal = QStringLiteral("0001"),
                                .nroComprobante = QStringLiteral("00000000"),
                                .descripcion = QStringLiteral("CASA CENTRAL"),
                                .localidad = QStringLiteral("CAPITAL")});
        prueba::sucursal(base, {.agente = agente,
                                .sucursal = QStringLiteral("0002"),
                                .nroComprobante = QStringLiteral("00000041"),
                                .descripcion = QStringLiteral("FILIAL"),
                                .localidad = QStringLiteral("INTERIOR")});
        for (const char* r : {"01", "02", "06", "07", "08", "09", "13", "14"})
            sql("INSERT OR IGNORE INTO Regimenes (Cod_Regimen, Descripcion) VALUES (?, 'R')",
                {QString::fromLatin1(r)});
        const struct {
            const char* nro;
            const char* nombre;
            const char* tipo;
        } sujetos[] = {{"3001234567", "PEREZ JUAN", "1"},
                       {"3007654321", "O'HIGGINS SA", "0"},
                       {"3005555555", "CONSTANCIA SRL", "3"},
                       {"9501234567", "NO INSCRIPTO", "2"}};
        for (const auto& s : sujetos)
            prueba::contribuyente(base, {.nro = QString::fromLatin1(s.nro),
                                         .cuit = QStringLiteral("20123456786"),
                                         .razonSocial = QString::fromLatin1(s.nombre),
                                         .codTipo = QString::fromLatin1(s.tipo)});
        sql("DELETE FROM Alicuotas");
        const struct {
            const char* regimen;
            const char* tipo;
            const char* tasa;
        } alicuotas[] = {{"01", "0", "3"},   {"01", "1", "2.5"},  {"01", "2", "4"},
                         {"01", "8", "1.75"}, {"01", "9", "2.25"}, {"02", "1", "3.5"},
                         {"06", "1", "1.5"},  {"07", "1", "2"},    {"07", "5", "6"},
                         {"14", "1", "0.5"}};
        for (const auto& a : alicuotas)
            prueba::alicuota(base, {.regimen = QString::fromLatin1(a.regimen),
                                    .tipo = QString::fromLatin1(a.tipo),
                                    .alicuota = tasa(a.tasa)});
        idCabecera = nuevaCabecera(regimen, mes);
        activar(idCabecera);
    }

    void sql(const char* texto, const QVariantList& valores = {})
    {
        base.ejecutar(QString::fromUtf8(texto), valores);
    }

    qint64 nuevaCabecera(const QString& regimen, const QString& mes = QStringLiteral("05"),
                         const QString& sucursal = QStringLiteral("0001"))
    {
        return prueba::cabecera(base, {.agente = QStringLiteral("012345"),
                                       .sucursal = sucursal,
                                       .regimen = regimen,
                                       .anio = QStringLiteral("2008"),
                                       .mes = mes,
                                       .rectifica = QStringLiteral("00"),
                                       .estado = QStringLiteral("1"),
                                       .marcaObs = QStringLiteral("N"),
                                       .origen = QStringLiteral("M"),
                                       .descartados = 0});
    }

    // Makes a declaration active with its agent, branch and regime, as the activation does.
    void activar(qint64 id) { entorno.restaurar(id, {}, {}, {}); }

    // An imported receipt of the active declaration.
    void importada(const QString& nro, const QString& marca, const QString& estado = QStringLiteral("5"),
                   const QString& contrib = QStringLiteral("3001234567"))
    {
        prueba::retencion(base, {.idCabecera = idCabecera,
                                 .comprobante = nro,
                                 .nroContrib = contrib,
                                 .dia = QStringLiteral("03"),
                                 .bruto = tasa("500"),
                                 .alicuota = tasa("2.5"),
                                 .retenido = tasa("12.5"),
                                 .nroX = QStringLiteral("77"),
                                 .concepto = QStringLiteral("00"),
                                 .estado = estado,
                                 .marca = marca});
    }

    QVariant valor(const char* texto, const QVariantList& valores = {})
    {
        return base.valor(QString::fromUtf8(texto), valores);
    }
    QString contador(const char* sucursal = "0001")
    {
        return valor("SELECT Nro_Comprobante FROM Sucursales WHERE Sucursal = ?",
                     {QString::fromLatin1(sucursal)})
            .toString();
    }
    QString estadoCabecera(qint64 id = 0)
    {
        return valor("SELECT Estado FROM Cabeceras WHERE IdCabecera = ?", {id ? id : idCabecera})
            .toString();
    }
};
