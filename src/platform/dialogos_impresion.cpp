#include "platform/dialogos_impresion.h"

bool confirmarImpresion(Dialogs& dialogs, Respuesta porDefecto)
{
    return dialogs.preguntaSiNo(kTextoConfirmarImpresion, kTituloConfirmarImpresion, porDefecto);
}

QString pedirObservacion(Dialogs& dialogs, const QString& texto, const QString& titulo)
{
    // The box itself stops typing at the limit; what comes back is kept to it all the same.
    const std::optional<QString> respuesta =
        dialogs.pedirTextoHasta(texto, titulo, kLargoObservacion);
    if (!respuesta) return {};
    return respuesta->left(kLargoObservacion);
}

QString pedirObservacionComprobante(Dialogs& dialogs)
{
    return pedirObservacion(
        dialogs,
        QStringLiteral("Tipee un texto (hasta 100 caracteres) que considere necesario agregar al "
                       "comprobante o bien elija cancelar para no incluir ninguna observación:"),
        QStringLiteral("Imprimir Comprobante"));
}

QString pedirObservacionDeclaracion(Dialogs& dialogs)
{
    return pedirObservacion(
        dialogs,
        QStringLiteral("Tipee un texto (hasta 100 caracteres) que considere necesario agregar a "
                       "la declaración o bien elija cancelar para no incluir ninguna observación:"),
        QStringLiteral("Imprimir Declaración Jurada - OBSERVACIÓN"));
}

void informarErrorImpresion(Dialogs& dialogs, const ResultadoImpresion& resultado)
{
    if (resultado.correcto()) return;
    dialogs.aviso(QStringLiteral("Error Nº %1 - %2").arg(resultado.numero).arg(resultado.texto),
                  kTituloErrorImpresion, Icono::Critico);
}

bool imprimirReporte(Dialogs& dialogs, Impresora& impresora, const TrabajoImpresion& trabajo)
{
    const ResultadoImpresion resultado = impresora.imprimir(trabajo);
    informarErrorImpresion(dialogs, resultado);
    return resultado.correcto();
}
