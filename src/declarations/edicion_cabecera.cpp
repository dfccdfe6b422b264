#include "declarations/edicion_cabecera.h"

#include "common/ciclo_cabecera.h"
#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/codigos.h"
#include "database/entorno.h"
#include "forms/avisos_error.h"
#include "platform/dialogs.h"
#include "platform/reloj.h"

namespace {

// The number a masked box holds: its leading digits, 0 when there are none.
int digitosIniciales(const QString& texto)
{
    int n = 0;
    for (const QChar c : texto.trimmed()) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9') || n > 99999) break;
        n = n * 10 + (c.unicode() - '0');
    }
    return n;
}

QString conCeros(int n, int ancho)
{
    return QString::number(n).rightJustified(ancho, QLatin1Char('0'));
}

} // namespace

AnioMes propuestaCabecera(const Reloj& reloj)
{
    const QDate hoy = reloj.hoy();
    return {conCeros(hoy.year(), 4), conCeros(hoy.month(), 2)};
}

QString normalizarAnio(const QString& texto)
{
    int anio = digitosIniciales(texto);
    if (anio < 100) anio += anio < 50 ? 2000 : 1900;
    return conCeros(anio, 4);
}

QString normalizarMes(const QString& texto)
{
    return conCeros(digitosIniciales(texto), 2);
}

ResultadoGrabacion grabarCabecera(Contexto& contexto, std::optional<qint64> idCabecera,
                                  const AnioMes& periodo)
{
    const QString anio = normalizarAnio(periodo.anio);
    const QString mes = normalizarMes(periodo.mes);
    if (mes > QLatin1String("12") || mes < QLatin1String("01")) {
        contexto.dialogs.aviso(mes + QStringLiteral(" no es un mes válido."),
                               QStringLiteral("Atención"), Icono::Exclamacion);
        return {Grabacion::MesNoValido};
    }

    Entorno& entorno = contexto.entorno;
    BaseDatos& base = contexto.base;
    // A modified declaration is written as a new one: only an empty one is modified.
    const QString vacia = EstadoCabecera::inicial(origen_cabecera::Manual).codigo();
    const QVariantList valores{entorno.agente(), entorno.sucursal(),     entorno.regimen(),
                               anio,             mes,                    rectificacion::Original,
                               vacia,            marca_observacion::Sin, origen_cabecera::Manual};
    try {
        qint64 id = 0;
        if (idCabecera) {
            base.ejecutar(QStringLiteral("UPDATE Cabeceras SET Nro_Agente = ?, Sucursal = ?, "
                                         "Cod_Regimen = ?, Anio = ?, Mes = ?, Rectifica = ?, "
                                         "Estado = ?, MarcaObs = ?, Origen = ? WHERE IdCabecera = ?"),
                          QVariantList(valores) << *idCabecera);
            id = *idCabecera;
        } else {
            base.ejecutar(QStringLiteral("INSERT INTO Cabeceras (Nro_Agente, Sucursal, Cod_Regimen, "
                                         "Anio, Mes, Rectifica, Estado, MarcaObs, Origen) "
                                         "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                          valores);
            id = base.ultimoId();
        }
        // The active declaration is read by the entry forms: it must show the month just saved.
        if (entorno.esCabeceraActual(id)) entorno.releerCabecera();
        return {Grabacion::Grabada, id};
    } catch (const ErrorMotor& error) {
        if (error.esClaveRepetida()) {
            contexto.dialogs.aviso(QStringLiteral("Ya existe una cabecera con estos datos,\n"
                                                  "corríjala o cancele."),
                                   QStringLiteral("Clave Repetida"), Icono::Exclamacion);
            return {Grabacion::ClaveRepetida};
        }
        mostrarErrorSimple(contexto.dialogs, error);
        return {Grabacion::Fallida};
    }
}
