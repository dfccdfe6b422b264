#pragma once
// A data folder with an installed database, agent 000123 with its branch 0001 (last receipt
// 00000041), two subjects and concept 01; import files are written in a folder of their own and
// run through the check and the run as the window does.

#include "database/importe.h"
#include "import/corrida_importacion.h"
#include "import/lineas_prueba.h"
#include "import/verificacion_importacion.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"

#include <QFile>
#include <gtest/gtest.h>

namespace prueba_importacion {

using namespace lineas_prueba;

class BaseImportacion : public ::testing::Test {
protected:
    BaseImportacion()
    {
        entorno.cargarValoresFijos();
        QDir(origen.path()).mkpath(QStringLiteral("."));
        prueba::agente(base, {.nro = QStringLiteral("000123"), .cuit = QStringLiteral("30123456781"),
                              .razonSocial = QStringLiteral("ACOPIOS DEL SUR"), .condIva = 1});
        prueba::sucursal(base, {.agente = QStringLiteral("000123"), .sucursal = QStringLiteral("0001"),
                                .nroComprobante = QStringLiteral("00000041"),
                                .descripcion = QStringLiteral("CASA CENTRAL"),
                                .localidad = QStringLiteral("TRESVALLE")});
        prueba::contribuyente(base, {.nro = QStringLiteral("0001234565"),
                                     .cuit = QStringLiteral("20123456786"),
                                     .razonSocial = QStringLiteral("PEREZ JUAN"),
                                     .domicilio = QStringLiteral("SAN MARTIN 123"),
                                     .codTipo = QStringLiteral("0")});
        prueba::contribuyente(base, {.nro = QStringLiteral("9011234563"),
                                     .cuit = QStringLiteral("27123456780"),
                                     .razonSocial = QStringLiteral("O'HIGGINS ANA"),
                                     .domicilio = QStringLiteral("MITRE 5"),
                                     .codTipo = QStringLiteral("2")});
        sql("INSERT INTO Conceptos (Cod_Concepto, Descripcion) VALUES ('01', 'VENTAS')");
    }

    void sql(const char* texto) { base.ejecutar(QString::fromUtf8(texto)); }
    QVariant valor(const char* texto, const QVariantList& valores = {})
    {
        return base.valor(QString::fromUtf8(texto), valores);
    }

    // Writes an import file of these lines, each ended by `fin`, and answers its path.
    QString archivo(const QList<QByteArray>& lineas, const QString& nombre = QStringLiteral("DDJJ.TXT"),
                    const QByteArray& fin = "\r\n")
    {
        const QString ruta = origen.filePath(nombre);
        QFile f(ruta);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        for (const QByteArray& l : lineas) f.write(l + fin);
        return ruta;
    }

    std::variant<PlanImportacion, RechazoImportacion> verificar(ModoImportacion modo,
                                                                const QString& ruta)
    {
        return verificarArchivo(base, dialogos, entorno.nombresMeses(), modo, ruta);
    }

    // The check, then the run, as the window does them. `respuestas` answer the check's question.
    ResultadoImportacion importar(ModoImportacion modo, const QString& ruta,
                                  std::deque<Respuesta> respuestas = {})
    {
        dialogos.respuestas = std::move(respuestas);
        auto verificado = verificar(modo, ruta);
        const auto* plan = std::get_if<PlanImportacion>(&verificado);
        if (!plan) {
            ADD_FAILURE() << std::get<RechazoImportacion>(verificado).descripcion.toStdString();
            return {};
        }
        return importarArchivo(base, dialogos, carpeta.dir.path(), *plan);
    }
    ResultadoImportacion importarDDJJ(const QList<QByteArray>& lineas,
                                      std::deque<Respuesta> respuestas = {})
    {
        return importar(ModoImportacion::Declaracion, archivo(lineas), std::move(respuestas));
    }

    // The log of the last run of a file, as text.
    QString reporte(const QString& nombre = QStringLiteral("DDJJ.TXT"))
    {
        QFile f(carpeta.ruta(nombre + QStringLiteral(".log")));
        if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("(sin reporte)");
        return QString::fromLatin1(f.readAll());
    }
    // The findings of the log: its "     Línea" lines without their CR LF.
    QStringList hallazgos(const QString& nombre = QStringLiteral("DDJJ.TXT"))
    {
        QStringList lineas;
        for (const QString& l : reporte(nombre).split(QStringLiteral("\r\n")))
            if (l.startsWith(QString::fromUtf8("     L\xc3\xadnea"))) lineas << l.mid(11);
        return lineas;
    }

    qint64 idImportada(const QString& regimen = QStringLiteral("01"))
    {
        return valor("SELECT IdCabecera FROM Cabeceras WHERE Nro_Agente = '000123' AND "
                     "Sucursal = '0001' AND Cod_Regimen = ?",
                     {regimen})
            .toLongLong();
    }
    QString contador()
    {
        return valor("SELECT Nro_Comprobante FROM Sucursales WHERE Nro_Agente = '000123' "
                     "AND Sucursal = '0001'")
            .toString();
    }
    // The receipts of a declaration: "number state mark", in the order stored.
    QStringList comprobantes(qint64 id)
    {
        QStringList r;
        for (const QSqlRecord& f :
             base.filas(QStringLiteral("SELECT Nro_Comprobante, Estado, MarcaImp FROM Retenciones "
                                       "WHERE IdCabecera = ? ORDER BY rowid"),
                        {id}))
            r << f.value(0).toString() + QLatin1Char(' ') + f.value(1).toString()
                    + QLatin1Char(' ') + f.value(2).toString();
        return r;
    }
    qint64 contar(const char* tabla, qint64 id)
    {
        return base.valor(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE IdCabecera = ?")
                              .arg(QLatin1String(tabla)),
                          {id})
            .toLongLong();
    }

    EntornoDePrueba e{BaseDePrueba::Instalada, RelojFijo(QDate(2008, 6, 10), QTime(10, 0))};
    CarpetaTemporal& carpeta = e.carpeta;
    BaseDatos& base = e.base;
    Entorno& entorno = e.entorno;
    DialogosGuionados& dialogos = e.dialogs;
    Contexto& contexto = e.contexto;
    QTemporaryDir carpetaOrigen;
    QDir origen{carpetaOrigen.path()};
};

inline QString importe(const QVariant& columna)
{
    return Importe::desdeColumna(columna).conPunto();
}

} // namespace prueba_importacion
