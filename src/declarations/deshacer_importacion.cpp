#include "declarations/deshacer_importacion.h"

#include "common/contexto.h"
#include "common/regimenes.h"
#include "database/base_datos.h"
#include "database/codigos.h"
#include "database/entorno.h"
#include "database/transaccion.h"
#include "forms/avisos_error.h"
#include "platform/dialogs.h"

bool importacionModificada(BaseDatos& base, qint64 idCabecera)
{
    // A missing mark counts too: a hand-made row must never vanish with the imported ones.
    return base.existe(QStringLiteral("SELECT 1 FROM Retenciones WHERE IdCabecera = ? AND "
                                      "(MarcaImp IS NULL OR (MarcaImp <> ? AND MarcaImp <> ?))"),
                       {idCabecera, marca_importacion::ConError, marca_importacion::Importada});
}

bool deshacerImportacion(Contexto& contexto, qint64 idCabecera)
{
    BaseDatos& base = contexto.base;
    Dialogs& dialogs = contexto.dialogs;
    try {
        const ReglasRegimen reglas = reglasRegimen(
            base.valor(QStringLiteral("SELECT Cod_Regimen FROM Cabeceras WHERE IdCabecera = ?"),
                       {idCabecera})
                .toString());
        if (importacionModificada(base, idCabecera)) {
            dialogs.aviso(QStringLiteral("Esta Declaración Jurada ha sido modificada luego de su "
                                         "importación."),
                          QStringLiteral("Imposible Deshacer"), Icono::Informacion);
            return false;
        }
        if (!dialogs.preguntaSiNo(
                QStringLiteral("¿Deshacer la importación de la Declaración seleccionada?"),
                QStringLiteral("Atención")))
            return false;

        // A receipt's detail rows and other withholdings are found by declaration and receipt
        // number together: receipt numbers repeat across branches.
        const QString deSusComprobantes = QStringLiteral(
            " WHERE IdCabecera = ? AND Nro_Comprobante IN "
            "(SELECT Nro_Comprobante FROM Retenciones WHERE IdCabecera = ?)");
        Transaccion transaccion(base);
        if (reglas.deshacerBorraGuias)
            base.ejecutar(QStringLiteral("DELETE FROM Guias") + deSusComprobantes,
                          {idCabecera, idCabecera});
        if (reglas.deshacerBorraOtrasRetenciones)
            base.ejecutar(QStringLiteral("DELETE FROM Retenciones_B") + deSusComprobantes,
                          {idCabecera, idCabecera});
        base.ejecutar(QStringLiteral("DELETE FROM Retenciones WHERE IdCabecera = ?"), {idCabecera});
        base.ejecutar(QStringLiteral("DELETE FROM Cabeceras WHERE IdCabecera = ?"), {idCabecera});
        transaccion.confirmar();
    } catch (const ErrorMotor& error) {
        mostrarErrorOperacion(dialogs, error);
        return false;
    }
    if (contexto.entorno.esCabeceraActual(idCabecera)) contexto.entorno.limpiarCabeceraActual();
    return true;
}
