#pragma once
// A data folder with an installed database, one agent with two branches and two subjects, and
// the shared context a declarations form works with. Rows are added through the builders of
// filas_prueba.h, amounts written as the user reads them ("1000.00").

#include "database/filas.h"
#include "declarations/retenciones_archivo.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"

#include <QLocale>
#include <gtest/gtest.h>

// Its own namespace: other fixtures have helpers of the same names.
namespace prueba_declaraciones {

using prueba::monto;

using prueba::DatosCabecera;
using prueba::DatosRetencion;

class BaseDeclaraciones : public ::testing::Test, protected EntornoDePrueba {
protected:
    BaseDeclaraciones() : EntornoDePrueba(BaseDePrueba::Instalada, RelojFijo{QDate(2007, 3, 14), QTime(10, 0)})
    {
        const QString agente = QStringLiteral("000123");
        prueba::agente(base, {.nro = agente,
                              .cuit = QStringLiteral("30123456789"),
                              .razonSocial = QStringLiteral("ACOPIOS DEL SUR"),
                              .condIva = 1});
        prueba::sucursal(base, {.agente = agente,
                                .sucursal = QStringLiteral("0001"),
                                .nroComprobante = QStringLiteral("00000050"),
                                .descripcion = QStringLiteral("CASA CENTRAL"),
                                .localidad = QStringLiteral("TRESVALLE")});
        prueba::sucursal(base, {.agente = agente,
                                .sucursal = QStringLiteral("0002"),
                                .nroComprobante = QStringLiteral("00000010"),
                                .descripcion = QStringLiteral("DEPÓSITO ÑANDÚ"),
                                .localidad = QStringLiteral("SAN JOSÉ")});
        prueba::contribuyente(base, {.nro = QStringLiteral("0001234567"),
                                     .cuit = QStringLiteral("20123456786"),
                                     .razonSocial = QStringLiteral("PEREZ JUAN"),
                                     .codTipo = QStringLiteral("0")});
        prueba::contribuyente(base, {.nro = QStringLiteral("0009876543"),
                                     .cuit = QStringLiteral("27234567891"),
                                     .razonSocial = QStringLiteral("GOMEZ ANA"),
                                     .codTipo = QStringLiteral("1")});
    }

    void sql(const char* texto) { base.ejecutar(QString::fromUtf8(texto)); }

    // The active agent, branch and regime, as the main window leaves them.
    void activarEntorno(const QString& sucursal = QStringLiteral("0001"),
                        const QString& regimen = QStringLiteral("01"))
    {
        if (!leerRegimen(base, regimen))
            prueba::regimen(base, {.codigo = regimen, .descripcion = QStringLiteral("REGIMEN ") + regimen});
        entorno.activarAgente(QStringLiteral("000123"));
        entorno.activarSucursal(sucursal);
        entorno.activarRegimen(regimen);
    }

    // A declaration of agent 000123, branch 0001, regime "01", May 2004, open, entered by hand;
    // the fields given take the place of these.
    qint64 cabecera(const DatosCabecera& d = {})
    {
        return prueba::cabecera(base, {.agente = dadoOPropio(d.agente, QStringLiteral("000123")),
                                       .sucursal = dadoOPropio(d.sucursal, QStringLiteral("0001")),
                                       .regimen = dadoOPropio(d.regimen, QStringLiteral("01")),
                                       .anio = dadoOPropio(d.anio, QStringLiteral("2004")),
                                       .mes = dadoOPropio(d.mes, QStringLiteral("05")),
                                       .rectifica = dadoOPropio(d.rectifica, QStringLiteral("00")),
                                       .estado = dadoOPropio(d.estado, QStringLiteral("2")),
                                       .marcaObs = dadoOPropio(d.marcaObs, QStringLiteral("N")),
                                       .origen = dadoOPropio(d.origen, QStringLiteral("M")),
                                       .descartados = dadoOPropio(d.descartados, QVariant(0))});
    }

    // A valid receipt of declaration `id` entered by hand (no import mark): subject 0001234567 on
    // the 5th, 2.5 % of 1000.00, concept "01"; the fields given take the place of these.
    void retencion(qint64 id, const DatosRetencion& r)
    {
        prueba::retencion(base, {.idCabecera = id,
                                 .comprobante = dadoOPropio(r.comprobante, QString()),
                                 .nroContrib = dadoOPropio(r.nroContrib, QStringLiteral("0001234567")),
                                 .dia = dadoOPropio(r.dia, QStringLiteral("05")),
                                 .bruto = dadoOPropio(r.bruto, "1000.00"),
                                 .alicuota = dadoOPropio(r.alicuota, "2.5"),
                                 .retenido = dadoOPropio(r.retenido, "25.00"),
                                 .nroX = dadoOPropio(r.nroX, QStringLiteral("0")),
                                 .concepto = dadoOPropio(r.concepto, QStringLiteral("01")),
                                 .estado = dadoOPropio(r.estado, QStringLiteral("5")),
                                 .marca = dadoOPropio(r.marca, QString())});
    }

    void anticipo(qint64 id, const QString& comprobante, const QString& agente,
                  const QVariant& nroAnticipo, const char* total)
    {
        prueba::guia(base, {.comprobante = comprobante,
                            .agente = agente,
                            .nroGuia = prueba::kNulo,
                            .total = monto(total),
                            .nroAnticipo = prueba::oNulo(nroAnticipo),
                            .idCabecera = id});
    }

    void otrasRetenciones(qint64 id, const QString& comprobante, const char* importe)
    {
        prueba::otrasRetenciones(base, id, comprobante, monto(importe));
    }

    // The withholdings of declaration `id` as its file reads them, in the file's order.
    std::vector<RetencionDelArchivo> retencionesDelArchivo(qint64 id)
    {
        std::vector<RetencionDelArchivo> filas;
        recorrerRetencionesDelArchivo(base, id,
                                      [&](const RetencionDelArchivo& f) { filas.push_back(f); });
        return filas;
    }

    void vencimiento(int anio, int mes, const QString& fecha)
    {
        prueba::vencimiento(base, {.anio = anio, .mes = mes, .fecha = fecha});
    }

    QString campo(qint64 id, const char* nombre)
    {
        return base.valor(QStringLiteral("SELECT %1 FROM Cabeceras WHERE IdCabecera = ?")
                              .arg(QLatin1String(nombre)),
                          {id})
            .toString();
    }

    qint64 contar(const char* tabla, qint64 id)
    {
        return base.valor(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE IdCabecera = ?")
                              .arg(QLatin1String(tabla)),
                          {id})
            .toLongLong();
    }

    QStringList paneles() const
    {
        const PanelesEstado& p = EntornoDePrueba::paneles;
        return {p.texto(panel::Anio), p.texto(panel::Mes), p.texto(panel::Rectifica)};
    }

private:
    // A field the test gave, or the fixture's own value for it.
    static QVariant dadoOPropio(const QVariant& dado, const QVariant& propio)
    {
        return dado.isValid() ? dado : propio;
    }
    static prueba::Monto dadoOPropio(const prueba::Monto& dado, const char* propio)
    {
        return dado.columna.isValid() ? dado : prueba::Monto(propio);
    }
};

} // namespace prueba_declaraciones
