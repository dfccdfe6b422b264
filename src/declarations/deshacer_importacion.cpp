#include "declarations/deshacer_importacion.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/transaccion.h"
#include "declarations/error_operacion.h"
#include "platform/dialogs.h"

namespace {

// Regimes whose receipts carry detail rows, and those that also carry other withholdings. The
// import writes both for regime "16" (advances at auctions) as for "11".
bool conDetalle(const QString& regimen)
{
    static const QStringList regimenes{QStringLiteral("09"), QStringLiteral("10"),
                                       QStringLiteral("11"), QStringLiteral("12"),
                                       QStringLiteral("14"), QStringLiteral("15"),
                                       QStringLiteral("16")};
    return regimenes.contains(regimen);
}

bool conOtrasRetenciones(const QString& regimen)
{
    return regimen == QLatin1String("11") || regimen == QLatin1String("12")
        || regimen == QLatin1String("16");
}

} // namespace

bool importacionModificada(BaseDatos& base, qint64 idCabecera)
{
    // A missing mark counts too: a hand-made row must never vanish with the imported ones.
    return base.existe(QStringLiteral("SELECT 1 FROM Retenciones WHERE IdCabecera = ? AND "
                                      "(MarcaImp IS NULL OR (MarcaImp <> ? AND MarcaImp <> ?))"),
                       {idCabecera, QStringLiteral("E"), QStringLiteral("I")});
}

bool deshacerImportacion(Contexto& contexto, qint64 idCabecera)
{
    BaseDatos& base = contexto.base;
    Dialogs& dialogs = contexto.dialogs;
    try {
        const QString regimen =
            base.valor(QStringLiteral("SELECT Cod_Regimen FROM Cabeceras WHERE IdCabecera = ?"),
                       {idCabecera})
                .toString();
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
        if (conDetalle(regimen))
            base.ejecutar(QStringLiteral("DELETE FROM Guias") + deSusComprobantes,
                          {idCabecera, idCabecera});
        if (conOtrasRetenciones(regimen))
            base.ejecutar(QStringLiteral("DELETE FROM Retenciones_B") + deSusComprobantes,
                          {idCabecera, idCabecera});
        base.ejecutar(QStringLiteral("DELETE FROM Retenciones WHERE IdCabecera = ?"), {idCabecera});
        base.ejecutar(QStringLiteral("DELETE FROM Cabeceras WHERE IdCabecera = ?"), {idCabecera});
        transaccion.confirmar();
    } catch (const ErrorMotor& error) {
        mostrarErrorOperacion(dialogs, error);
        return false;
    }
    if (contexto.entorno.Cabecera_Actual && contexto.entorno.idCabecera() == idCabecera)
        contexto.entorno.Limpiar_Cabecera_Actual();
    return true;
}
