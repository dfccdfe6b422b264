#pragma once
// F1 on any screen: the help text stored under the screen's key.

#include <QString>
#include <functional>
#include <optional>

class BaseDatos;
class Protector;
class QWidget;
struct Contexto;

// Shows modally the help window of the key `clave`, its text read-only.
void mostrarAyuda(Contexto& contexto, const QString& clave);

// The F1 of a window: releasing F1 anywhere in `ventana` (whichever control has the focus) shows
// the help under the key `clave` gives at that moment, through `protector` when the window has
// one. Every window with help installs it once.
void instalarAyudaF1(QWidget& ventana, Contexto& contexto, std::function<QString()> clave,
                     const Protector* protector = nullptr);

// The key of the declarations form: one per mode, made from the start of its caption.
QString claveAyudaCabeceras(const QString& tituloFormulario);

// A row of Ayudas: the window's place and size in twips (1440 to the inch), and the text.
struct FilaAyuda {
    double top = 0;
    double left = 0;
    double width = 0;
    double height = 0;
    QString texto;
};

// The first row stored under `clave`, the key compared without regard to case.
std::optional<FilaAyuda> buscarAyuda(BaseDatos& base, const QString& clave);
