#include "police/archivo_policia.h"

#include "common/ciclo_cabecera.h"
#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/error_motor.h"
#include "declarations/avisos_archivo.h"
#include "declarations/campos_archivo.h"
#include "declarations/colocacion_archivo.h"
#include "forms/avisos_error.h"
#include "forms/selectores.h"
#include "platform/archivo_provisorio.h"
#include "platform/dialogos_impresion.h"
#include "platform/dialogs.h"
#include "platform/reloj.h"
#include "platform/windows_1252.h"
#include "police/reportes/reporte_multas.h"

#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kCopiasMultas = 2;

QString numero(std::optional<qint64> valor, int digitos)
{
    return campo_archivo::entero(valor, digitos).value_or(QString(digitos, u'0'));
}

QString fecha(const std::optional<QDate>& d)
{
    return d && d->isValid() ? d->toString(u"dd/MM/yyyy"_s) : QString(10, u' ');
}

QString hora(const std::optional<QTime>& t)
{
    return t && t->isValid() ? t->toString(u"HH:mm:ss"_s) : QString(8, u' ');
}

} // namespace

QByteArray ArchivoPolicia::contenido() const
{
    QByteArray bytes;
    for (const QByteArray& linea : lineas) bytes += linea + "\r\n";
    return bytes;
}

QString nombreArchivoPolicia(const Cabecera& c)
{
    return u"DJPol_%1_%2_%3_%4_%5_%6.TXT"_s.arg(c.nroAgente, c.sucursal, c.codRegimen, c.anio,
                                                 c.mes, c.rectifica);
}

QString codigoTipoDocumento(const QString& tipo)
{
    if (tipo == u"D.N.I."_s) return u"96"_s;
    if (tipo == u"L.C."_s) return u"90"_s;
    if (tipo == u"L.E."_s) return u"99"_s;
    if (tipo == u"C.I."_s) return u"51"_s;
    return u"00"_s;
}

ArchivoPolicia armarArchivoPolicia(BaseDatos& base, const Cabecera& c, const QLocale& locale)
{
    using namespace campo_archivo;
    ArchivoPolicia archivo;
    archivo.nombre = nombreArchivoPolicia(c);
    const auto linea = [&](const QString& texto) { archivo.lineas.push_back(aWindows1252(texto)); };

    const std::optional<Sucursal> sucursal = leerSucursal(base, c.nroAgente, c.sucursal);
    linea(u"K"_s + c.nroAgente + c.codRegimen + c.anio + c.mes + c.rectifica + c.sucursal
          + texto(sucursal ? sucursal->descripcion : QString(), 40)
          + texto(sucursal ? sucursal->localidad : QString(), 20) + texto(c.origen, 1) + u"*"_s);

    for (const QSqlRecord& f : base.filas(
             u"SELECT * FROM Policias WHERE CodPolicia IN "
             u"(SELECT CodPolicia FROM Multas_cobradas WHERE IdCabecera = ?) ORDER BY CodPolicia"_s,
             {c.idCabecera})) {
        const Policia p = policiaDe(f);
        linea(u"P"_s + texto(p.nombre, 30) + numero(p.legajo, 6) + codigoTipoDocumento(p.tipo)
              + numero(p.dni, 10) + texto(p.nroCuentaBanco, 30) + numero(p.codPolicia, 3)
              + u"*"_s);
    }

    for (const QSqlRecord& f : base.filas(
             u"SELECT * FROM Multas_cobradas WHERE IdCabecera = ? ORDER BY Nro_Comprobante"_s,
             {c.idCabecera})) {
        const MultaCobrada m = multaCobradaDe(f);
        const QString importe = m.importeMulta
                                    ? campo_archivo::importe(*m.importeMulta, 7, locale)
                                    : importeCero(7);
        linea(u"M"_s + numero(m.codPolicia, 3) + importe + fecha(m.fechaCobro) + hora(m.horaCobro)
              + u"*"_s);
    }
    return archivo;
}

bool emitirDeclaracionPolicia(Contexto& contexto, qint64 idCabecera)
{
    return emitirDeclaracionPolicia(contexto, idCabecera, contexto.impresora);
}

bool emitirDeclaracionPolicia(Contexto& contexto, qint64 idCabecera, Impresora& impresora)
{
    BaseDatos& base = contexto.base;
    Dialogs& dialogs = contexto.dialogs;
    try {
        const std::optional<Cabecera> cabecera = leerCabecera(base, idCabecera);
        if (!cabecera || !EstadoCabecera::de(*cabecera).cerrada()) {
            dialogs.aviso(u"Primero Debe cerrar la DDJJ desde el botón D.&Jurada"_s);
            return false;
        }
        const QString carpeta = frmGuardarEn::elegir(dialogs);
        if (carpeta.isEmpty()) return false;

        const ArchivoPolicia archivo = armarArchivoPolicia(base, *cabecera, QLocale());
        // The fines report's row (the declaration, and when its file was written) lands with the
        // file: if it cannot be kept, the folder is put back as it was.
        const auto filaInforme = [&] {
            base.ejecutar(u"DELETE FROM Subtotales"_s);
            base.ejecutar(u"DELETE FROM Tmp_Informe_Turno"_s);
            base.ejecutar(u"INSERT INTO Tmp_Informe_Turno (Tipo_Registro, IdCabecera, "
                          u"Fecha_Desde, Hora_Desde, Nro_Comprobante, CodPolicia, Importe_Multa, "
                          u"Importe_Estampilla, Tipo) VALUES (1, ?, ?, ?, '0', 0, 0, 0, 0)"_s,
                          {idCabecera, contexto.reloj.hoy().toString(Qt::ISODate),
                           contexto.reloj.ahora().toString(u"HH:mm:ss"_s)});
        };
        QString advertencia;
        {
            ArchivoProvisorio escrito(carpeta, archivo.nombre);
            if (!escrito.escribir(archivo.contenido())
                || !colocarConCambios(base, escrito, filaInforme)) {
                avisarFallaArchivo(dialogs, archivo.nombre, carpeta, escrito.error());
                return false;
            }
            advertencia = escrito.advertencia();
        }
        avisarArchivoGenerado(dialogs, archivo.nombre, carpeta, advertencia);
        if (!confirmarImpresion(dialogs)) return false;
        TrabajoImpresion multas = pedidoMultas();
        multas.copias = kCopiasMultas;
        imprimirReporte(dialogs, impresora, multas);
    } catch (const ErrorMotor& error) {
        mostrarErrorOperacion(dialogs, error);
    }
    return false;
}
