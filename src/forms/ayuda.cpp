#include "forms/ayuda.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "forms/frmAyuda.h"
#include "platform/dialogs.h"

void mostrarAyuda(Contexto& contexto, const QString& clave)
{
    contexto.entorno.setClaveAyuda(clave);
    frmAyuda ventana(contexto);
    contexto.dialogs.abrirModal(ventana);
}

QString claveAyudaCabeceras(const QString& tituloFormulario)
{
    return QStringLiteral("frmC-") + tituloFormulario.left(15);
}

std::optional<FilaAyuda> buscarAyuda(BaseDatos& base, const QString& clave)
{
    // The key column compares without regard to case.
    const auto fila = base.fila(QStringLiteral("SELECT \"Top\", \"Left\", \"Width\", \"Height\", "
                                               "Texto FROM Ayudas WHERE Clave = ? "
                                               "ORDER BY rowid LIMIT 1"),
                                {clave});
    if (!fila) return std::nullopt;
    return FilaAyuda{fila->value(0).toDouble(), fila->value(1).toDouble(), fila->value(2).toDouble(),
                     fila->value(3).toDouble(), fila->value(4).toString()};
}
