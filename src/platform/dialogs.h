#pragma once
// The one door through which the program talks to the user modally: message boxes, questions,
// input boxes and choosers. The program gets the Qt version; tests get a scripted one that answers
// in order and remembers what was asked, so no test ever opens a real modal loop.

#include <QString>
#include <QStringList>
#include <optional>

class QDialog;

enum class Icono { Ninguno, Informacion, Exclamacion, Critico, Pregunta };
enum class Botones { Aceptar, SiNo, AceptarCancelar };
enum class Respuesta { Aceptar, Cancelar, Si, No };

// The application's own title, carried by every message box that has no title of its own.
inline const QString kTituloAplicacion = QStringLiteral("Tarquel");

struct Mensaje {
    QString texto;
    QString titulo = kTituloAplicacion;
    Icono icono = Icono::Ninguno;
    Botones botones = Botones::Aceptar;
    Respuesta porDefecto = Respuesta::Aceptar;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual Respuesta mostrar(const Mensaje& mensaje) = 0;

    // An input box: the typed text, or nothing when the user cancels.
    virtual std::optional<QString> pedirTexto(const QString& texto, const QString& titulo,
                                              const QString& inicial = {}) = 0;
    // An empty input box that takes at most `largoMaximo` characters: typing stops there. By
    // default the plain input box, its answer cut to that length.
    virtual std::optional<QString> pedirTextoHasta(const QString& texto, const QString& titulo,
                                                   int largoMaximo)
    {
        std::optional<QString> respuesta = pedirTexto(texto, titulo);
        if (respuesta) *respuesta = respuesta->left(largoMaximo);
        return respuesta;
    }

    // Choosers: the chosen path, or an empty text when the user cancels.
    virtual QString elegirArchivo(const QString& titulo, const QString& carpetaInicial,
                                  const QString& filtro) = 0;
    virtual QString elegirCarpeta(const QString& titulo, const QString& carpetaInicial) = 0;
    // Where to save a new file; empty when the user cancels. Nothing is saved by default.
    virtual QString elegirArchivoGuardar(const QString& titulo, const QString& propuesto,
                                         const QString& filtro)
    {
        Q_UNUSED(titulo) Q_UNUSED(propuesto) Q_UNUSED(filtro)
        return {};
    }

    // Shows a form modally; returns its result code.
    virtual int abrirModal(QDialog& formulario) = 0;

    // Opens a document or an address with the desktop's own program. When it cannot (no opener,
    // or none of the desktop's programs takes it) `siNoSeAbre` is shown: at once, or once the
    // desktop has answered, which the program does not wait for.
    virtual void abrirConEscritorio(const QString& rutaODireccion, const Mensaje& siNoSeAbre) = 0;

    // Shorthands for the common shapes.
    void aviso(const QString& texto, const QString& titulo = kTituloAplicacion,
               Icono icono = Icono::Ninguno)
    {
        mostrar({texto, titulo, icono, Botones::Aceptar, Respuesta::Aceptar});
    }
    bool preguntaSiNo(const QString& texto, const QString& titulo,
                      Respuesta porDefecto = Respuesta::No, Icono icono = Icono::Pregunta)
    {
        return mostrar({texto, titulo, icono, Botones::SiNo, porDefecto}) == Respuesta::Si;
    }
};
