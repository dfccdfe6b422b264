#include "declarations/cierre_cabecera.h"

#include "common/estados.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "platform/dialogs.h"

bool cabeceraCerrada(const QSqlRecord& cabecera)
{
    return cabecera.value(QStringLiteral("Estado")).toString().toInt()
           == estado_cabecera::Cerrada.toInt();
}

bool confirmarCierre(const Entorno& entorno, Dialogs& dialogs, const QSqlRecord& cabecera)
{
    if (cabeceraCerrada(cabecera)) return true;
    const QString anio = cabecera.value(QStringLiteral("Anio")).toString();
    const int mes = cabecera.value(QStringLiteral("Mes")).toString().toInt();
    const QString nombreMes =
        mes >= 1 && mes <= entorno.Nombres_Meses.size() ? entorno.Nombres_Meses.at(mes - 1) : QString();
    return dialogs.preguntaSiNo(
        QStringLiteral("Esta función cerrará la cabecera correspondiente a las retenciones/percepciones "
                       "del mes de %1 de %2.\n"
                       "Después de esto no podrá hacer ningún cambio en ella\n"
                       "a menos que la rectifique.\n\n"
                       "¿Confirma?")
            .arg(nombreMes, anio),
        QStringLiteral("¡Atención!"));
}

void cerrarCabecera(BaseDatos& base, qint64 idCabecera, const QString& marcaObs)
{
    base.ejecutar(QStringLiteral("UPDATE Cabeceras SET Estado = ?, MarcaObs = ? WHERE IdCabecera = ?"),
                  {estado_cabecera::Cerrada, marcaObs, idCabecera});
}
