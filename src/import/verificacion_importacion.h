#pragma once
// Before a file may be imported its first line is checked and, for a declaration file, everything
// the run will need from the database: that the declaration can be written to and that its agent,
// branch and regime exist. The user settles there whether a declaration that already holds
// withholdings gets the file's rows added or is emptied first. What passes is a plan for the run
// and the text the import window shows; what fails is one refusal with its number and text.

#include "import/registros_importados.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

class BaseDatos;
class Dialogs;

// The window's two modes, told by its caption: only "Importar Sujetos" imports subjects.
enum class ModoImportacion { Sujetos, Declaracion };
inline const QString kTituloImportarSujetos = QStringLiteral("Importar Sujetos");
inline const QString kTituloImportarDDJJ = QStringLiteral("Importar DDJJ");
ModoImportacion modoImportacion(const QString& titulo);

struct PlanImportacion {
    ModoImportacion modo = ModoImportacion::Sujetos;
    QString archivo;                    // the path as the user gave it
    CabeceraImportada cabecera;         // the header fields (declaration mode)
    std::optional<qint64> idCabecera;   // the open declaration the file goes to, if one exists
    bool reemplazar = false;            // its withholdings go first
    QString texto;                      // what the window shows, lines joined by "\n"
};

// The refusals of the check, each with its fixed number (0x80042710 and on, negative as 32-bit
// numbers); other failures carry the system's own, positive, numbers.
namespace rechazo_importacion {
constexpr qint32 Formato = qint32(0x80042710u);
constexpr qint32 Mes = qint32(0x80042711u);
constexpr qint32 NoAbierta = qint32(0x80042713u);
constexpr qint32 Regimen13 = qint32(0x80042714u);
constexpr qint32 Agente = qint32(0x80042714u);
constexpr qint32 Sucursal = qint32(0x80042715u);
constexpr qint32 Regimen = qint32(0x80042716u);
constexpr qint32 ArchivoVacio = 62;
} // namespace rechazo_importacion

struct RechazoImportacion {
    qint32 numero = 0;
    QString descripcion;
    // "No se puede importar..." for the check's own refusals, "Error <n>" for the others.
    QString titulo() const;
};

// Shows a refusal (critical icon); `agregado` follows the description on a line of its own.
void mostrarRechazo(Dialogs& dialogs, const RechazoImportacion& rechazo,
                    const QString& agregado = {});

// Checks `archivo`. May ask the user whether to replace a declaration's withholdings.
// `nombresMeses` are the month names, January first.
std::variant<PlanImportacion, RechazoImportacion> verificarArchivo(BaseDatos& base, Dialogs& dialogs,
                                                                   const QStringList& nombresMeses,
                                                                   ModoImportacion modo,
                                                                   const QString& archivo);
