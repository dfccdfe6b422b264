#pragma once
// The five ways the declarations form is opened. Each has its caption (the form knows its mode by
// it), the rows it lists and the buttons it shows. The first four list the active agent's branch
// and regime only; the undo mode lists every imported declaration not yet closed, of any agent.

#include <QString>
#include <QVariantList>

class Entorno;

enum class ModoCabeceras { Mantenimiento, Activacion, Emision, Rectificacion, Deshacer };

namespace titulo_cabeceras {
inline const QString Mantenimiento =
    QStringLiteral("Altas, Bajas y Modificaciones de Declaraciones");
inline const QString Activacion = QStringLiteral("Activar Declaración");
inline const QString Emision = QStringLiteral("Emitir y Generar Diskette");
inline const QString Rectificacion = QStringLiteral("Rectificar Declaraciones");
inline const QString Deshacer = QStringLiteral("Deshacer Declaraciones Importadas");
} // namespace titulo_cabeceras

QString tituloModo(ModoCabeceras modo);

// The help key of each mode comes from its caption: claveAyudaCabeceras() of forms/ayuda.h.

// The rows a mode lists, newest month first; the columns are those of `Cabeceras` in table order.
struct OrigenCabeceras {
    QString sql;
    QVariantList valores;
};
OrigenCabeceras origenCabeceras(ModoCabeceras modo, const Entorno& entorno);

// The buttons a mode shows (the rest are hidden). The police regime's buttons of the emit mode depend
// on the rows listed and are the form's to show.
struct BotonesCabeceras {
    bool crear = false;
    bool modificar = false;
    bool borrar = false;
    bool grabar = false;      // shown disabled until editing
    bool cancelar = false;    // shown disabled until editing
    bool activar = false;
    bool rectificar = false;
    bool deshacer = false;
    bool decJurada = false;
    bool pago = false;
};
BotonesCabeceras botonesCabeceras(ModoCabeceras modo);
