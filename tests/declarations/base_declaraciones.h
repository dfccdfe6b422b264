#pragma once
// A data folder with an installed database, one agent with two branches and two subjects, and
// the shared context a declarations form works with. Rows are added with SQL, amounts written as
// the user reads them ("1000.00").

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/importe.h"
#include "platform/reloj.h"
#include "support/carpeta_temporal.h"
#include "support/impresora_del_programa.h"
#include "support/reloj_fijo.h"

#include <QLocale>
#include <gtest/gtest.h>

// Its own namespace: other folders' tests have helpers of the same names.
namespace prueba_declaraciones {

// Sets the locale for one test and puts the previous one back.
class LocaleDePrueba {
public:
    explicit LocaleDePrueba(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleDePrueba() { QLocale::setDefault(anterior_); }

private:
    QLocale anterior_;
};

inline QVariant monto(const char* texto)
{
    return texto ? Importe::leer(QString::fromLatin1(texto))->aColumna() : QVariant();
}

struct DatosCabecera {
    QString regimen = QStringLiteral("01");
    QString anio = QStringLiteral("2004");
    QString mes = QStringLiteral("05");
    QString rectifica = QStringLiteral("00");
    QString estado = QStringLiteral("2");
    QString origen = QStringLiteral("M");
    QString sucursal = QStringLiteral("0001");
    QString agente = QStringLiteral("000123");
    QVariant descartados = 0;
};

struct DatosRetencion {
    QString comprobante;
    QString contribuyente = QStringLiteral("0001234567");
    QString dia = QStringLiteral("05");
    const char* bruto = "1000.00";
    const char* alicuota = "2.5";
    const char* retenido = "25.00";
    QString nroX = QStringLiteral("0");
    QString concepto = QStringLiteral("01");
    QString estado = QStringLiteral("5");
    QString marca = QString();  // entered by hand: the empty mark
};

class BaseDeclaraciones : public ::testing::Test {
protected:
    BaseDeclaraciones()
    {
        carpeta.crearBaseInstalada();
        base.abrir(carpeta.base());
        sql("INSERT INTO Agentes (Nro_Agente, CUIT, Razon_Social, CondIVA) "
            "VALUES ('000123', '30123456789', 'ACOPIOS DEL SUR', 1)");
        sql("INSERT INTO Sucursales (Nro_Agente, Sucursal, Nro_Comprobante, Descripcion, Localidad) "
            "VALUES ('000123', '0001', '00000050', 'CASA CENTRAL', 'TRESVALLE')");
        base.ejecutar(QStringLiteral("INSERT INTO Sucursales (Nro_Agente, Sucursal, Nro_Comprobante, "
                                     "Descripcion, Localidad) VALUES (?, ?, ?, ?, ?)"),
                      {QStringLiteral("000123"), QStringLiteral("0002"), QStringLiteral("00000010"),
                       QStringLiteral("DEPÓSITO ÑANDÚ"), QStringLiteral("SAN JOSÉ")});
        sql("INSERT INTO Contribuyentes (Nro_Contrib, CUIT, Razon_Social, Cod_Tipo) "
            "VALUES ('0001234567', '20123456786', 'PEREZ JUAN', '0')");
        sql("INSERT INTO Contribuyentes (Nro_Contrib, CUIT, Razon_Social, Cod_Tipo) "
            "VALUES ('0009876543', '27234567891', 'GOMEZ ANA', '1')");
    }

    void sql(const char* texto) { base.ejecutar(QString::fromUtf8(texto)); }

    // The active agent, branch and regime, as the main window leaves them.
    void activarEntorno(const QString& sucursal = QStringLiteral("0001"),
                        const QString& regimen = QStringLiteral("01"))
    {
        if (!leerRegimen(base, regimen))
            base.ejecutar(QStringLiteral("INSERT INTO Regimenes (Cod_Regimen, Descripcion) VALUES (?, ?)"),
                          {regimen, QStringLiteral("REGIMEN ") + regimen});
        entorno.activarAgente(QStringLiteral("000123"));
        entorno.activarSucursal(sucursal);
        entorno.activarRegimen(regimen);
    }

    qint64 cabecera(const DatosCabecera& d = {})
    {
        base.ejecutar(QStringLiteral("INSERT INTO Cabeceras (Nro_Agente, Sucursal, Cod_Regimen, Anio, "
                                     "Mes, Rectifica, Estado, MarcaObs, Origen, Descartados) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?, 'N', ?, ?)"),
                      {d.agente, d.sucursal, d.regimen, d.anio, d.mes, d.rectifica, d.estado,
                       d.origen, d.descartados});
        return base.ultimoId();
    }

    void retencion(qint64 id, const DatosRetencion& r)
    {
        base.ejecutar(QStringLiteral("INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Dia, "
                                     "Importe_Bruto, Alicuota, Importe_Ret, Nro_X, Cod_Concepto, "
                                     "Nro_Comprobante, Estado, MarcaImp) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      {id, r.contribuyente, r.dia, monto(r.bruto), monto(r.alicuota),
                       monto(r.retenido), r.nroX, r.concepto, r.comprobante, r.estado, r.marca});
    }

    void anticipo(qint64 id, const QString& comprobante, const QString& agente,
                  const QVariant& nroAnticipo, const char* total)
    {
        base.ejecutar(QStringLiteral("INSERT INTO Guias (Nro_Comprobante, Nro_Agente, NroGuia, "
                                     "Total, Nro_Anticipo, IdCabecera) VALUES (?, ?, NULL, ?, ?, ?)"),
                      {comprobante, agente, monto(total), nroAnticipo, id});
    }

    void otrasRetenciones(qint64 id, const QString& comprobante, const char* importe)
    {
        base.ejecutar(QStringLiteral("INSERT INTO Retenciones_B (IdCabecera, Nro_Comprobante, "
                                     "Otras_Reten) VALUES (?, ?, ?)"),
                      {id, comprobante, monto(importe)});
    }

    void vencimiento(int anio, int mes, const QString& fecha)
    {
        base.ejecutar(QStringLiteral("INSERT INTO Vencimientos (Anio, Mes, Fecha) VALUES (?, ?, ?)"),
                      {anio, mes, fecha});
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
        return {entorno.textoPanel(panel::Anio), entorno.textoPanel(panel::Mes),
                entorno.textoPanel(panel::Rectifica)};
    }

    CarpetaTemporal carpeta;
    BaseDatos base;
    Entorno entorno{base};
    DialogosGuionados dialogos;
    RelojFijo reloj{QDate(2007, 3, 14), QTime(10, 0)};
    MotorReportes impresora{base, dialogos, reportesDelPrograma(), ningunaImpresora};
    Contexto contexto{base, entorno, dialogos, reloj, impresora, carpeta.dir.path()};
};

} // namespace prueba_declaraciones
