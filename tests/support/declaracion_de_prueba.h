#pragma once
// A data folder with one agent, its branch, a subject and a closed declaration of April 2008, the
// way the forms leave them, for the tests of the printed documents.

#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"

struct DeclaracionDePrueba : EntornoDePrueba {
    qint64 idCabecera = 0;

    explicit DeclaracionDePrueba(const QString& regimen = QStringLiteral("05"),
                                 const QString& rectifica = QStringLiteral("00"))
    {
        const QString agente = QStringLiteral("012345");
        prueba::agente(base, {.nro = agente,
                              .cuit = QStringLiteral("30712345678"),
                              .razonSocial = QStringLiteral("FRIGORIFICO DEL VALLE S.A."),
                              .domicilio = QStringLiteral("AV. SAN MARTIN 1250"),
                              .localidad = QStringLiteral("GENERAL ROCA"),
                              .condIva = 0});
        prueba::sucursal(base, {.agente = agente,
                                .sucursal = QStringLiteral("0001"),
                                .nroComprobante = QStringLiteral("00000124"),
                                .descripcion = QStringLiteral("CASA CENTRAL"),
                                .localidad = QStringLiteral("GENERAL ROCA")});
        prueba::contribuyente(base, {.nro = QStringLiteral("0001234567"),
                                     .cuit = QStringLiteral("20123456786"),
                                     .razonSocial = QStringLiteral("O'HIGGINS MARTA"),
                                     .domicilio = QStringLiteral("MITRE 55"),
                                     .codTipo = QStringLiteral("0")});
        idCabecera = prueba::cabecera(base, {.agente = agente,
                                             .sucursal = QStringLiteral("0001"),
                                             .regimen = regimen,
                                             .anio = QStringLiteral("2008"),
                                             .mes = QStringLiteral("04"),
                                             .rectifica = rectifica,
                                             .estado = QStringLiteral("3"),
                                             .marcaObs = QStringLiteral("N"),
                                             .origen = QStringLiteral("M")});
    }

    void agregarRetencion(const QString& comprobante, const QString& estado, const char* bruto,
                          const char* alicuota, const char* retenido)
    {
        prueba::retencion(base, {.idCabecera = idCabecera,
                                 .comprobante = comprobante,
                                 .nroContrib = QStringLiteral("0001234567"),
                                 .dia = QStringLiteral("15"),
                                 .bruto = prueba::monto(bruto),
                                 .alicuota = prueba::monto(alicuota),
                                 .retenido = prueba::monto(retenido),
                                 .nroX = QStringLiteral("0001-00004567"),
                                 .concepto = QStringLiteral("00"),
                                 .estado = estado,
                                 .marca = QStringLiteral("")});
    }

    QString pdf(const QString& nombre) const { return carpeta.ruta(nombre); }

    static QVariant columna(const char* importe) { return prueba::monto(importe); }
};
