#pragma once
// A data folder with one agent, its branch, a subject and a declaration of April 2008, the way
// the forms leave them, for the tests of the printed documents.

#include "database/base_datos.h"
#include "support/carpeta_temporal.h"

struct DeclaracionDePrueba {
    CarpetaTemporal carpeta;
    BaseDatos base;
    qint64 idCabecera = 0;

    explicit DeclaracionDePrueba(const QString& regimen = QStringLiteral("05"),
                                 const QString& rectifica = QStringLiteral("00"))
    {
        carpeta.crearBaseInstalada();
        base.abrir(carpeta.base());
        base.ejecutar(QStringLiteral("INSERT INTO Agentes (Nro_Agente, CUIT, Razon_Social, "
                                     "Domicilio, Localidad, CondIVA) VALUES (?, ?, ?, ?, ?, 0)"),
                      {QStringLiteral("012345"), QStringLiteral("30712345678"),
                       QStringLiteral("FRIGORIFICO DEL VALLE S.A."),
                       QStringLiteral("AV. SAN MARTIN 1250"), QStringLiteral("GENERAL ROCA")});
        base.ejecutar(QStringLiteral("INSERT INTO Sucursales (Nro_Agente, Sucursal, "
                                     "Nro_Comprobante, Descripcion, Localidad) "
                                     "VALUES (?, ?, ?, ?, ?)"),
                      {QStringLiteral("012345"), QStringLiteral("0001"),
                       QStringLiteral("00000124"), QStringLiteral("CASA CENTRAL"),
                       QStringLiteral("GENERAL ROCA")});
        base.ejecutar(QStringLiteral("INSERT INTO Contribuyentes (Nro_Contrib, CUIT, "
                                     "Razon_Social, Domicilio, Cod_Tipo) VALUES (?, ?, ?, ?, ?)"),
                      {QStringLiteral("0001234567"), QStringLiteral("20123456786"),
                       QStringLiteral("O'HIGGINS MARTA"), QStringLiteral("MITRE 55"),
                       QStringLiteral("0")});
        base.ejecutar(QStringLiteral("INSERT INTO Cabeceras (Nro_Agente, Sucursal, Cod_Regimen, "
                                     "Anio, Mes, Rectifica, Estado, Origen, MarcaObs) "
                                     "VALUES (?, ?, ?, ?, ?, ?, '3', 'M', 'N')"),
                      {QStringLiteral("012345"), QStringLiteral("0001"), regimen,
                       QStringLiteral("2008"), QStringLiteral("04"), rectifica});
        idCabecera = base.ultimoId();
    }

    void agregarRetencion(const QString& comprobante, const QString& estado, const char* bruto,
                          const char* alicuota, const char* retenido)
    {
        base.ejecutar(QStringLiteral("INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Dia, "
                                     "Importe_Bruto, Alicuota, Importe_Ret, Nro_X, Cod_Concepto, "
                                     "Nro_Comprobante, Estado, MarcaImp) "
                                     "VALUES (?, ?, '15', ?, ?, ?, ?, '00', ?, ?, '')"),
                      {idCabecera, QStringLiteral("0001234567"), columna(bruto),
                       columna(alicuota), columna(retenido), QStringLiteral("0001-00004567"),
                       comprobante, estado});
    }

    QString pdf(const QString& nombre) const { return carpeta.ruta(nombre); }

    static QVariant columna(const char* importe)
    {
        return Importe::leer(QString::fromLatin1(importe))->aColumna();
    }
};
