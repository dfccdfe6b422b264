#pragma once
// The one context the tests give the code under test: a data folder of its own with the database
// a new install has (or an empty one), the environment over it and the status-bar panels that
// read it, scripted dialogs, a stopped clock, the program's printer and the Contexto that holds
// them all, as the program builds it. Every
// fixture of the suite is one of these with its own rows.
//
//     EntornoDePrueba e;                  // a new install's database
//     frmAgentes form(e.contexto);

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "shell/paneles_estado.h"
#include "support/carpeta_temporal.h"
#include "support/dialogos_guionados.h"
#include "support/impresora_del_programa.h"
#include "support/reloj_fijo.h"

#include <QString>

// Which database the data folder starts with.
enum class BaseDePrueba {
    Instalada,  // the one `tarquel --crear-base` leaves, copied from one made once for the run
    Vacia,      // an empty file: the test makes its own tables
    Ninguna,    // no file, and nothing open: the test makes or opens it
};

// Puts a new install's database at `ruta`; the first call of the run builds it.
void copiarBaseInstalada(const QString& ruta);

// `Dialogos` is the scripted dialogs the test reads back; a fixture may put its own in their place.
template <typename Dialogos = DialogosGuionados>
struct EntornoDePruebaCon {
    explicit EntornoDePruebaCon(BaseDePrueba inicial = BaseDePrueba::Instalada,
                                RelojFijo hora = RelojFijo())
        : reloj(hora)
    {
        if (inicial == BaseDePrueba::Instalada) {
            copiarBaseInstalada(carpeta.base());
            base.abrir(carpeta.base());
        } else if (inicial == BaseDePrueba::Vacia) {
            base.crear(carpeta.base());
        }
    }

    int contar(const QString& sql, const QVariantList& valores = {})
    {
        return base.valor(sql, valores).toInt();
    }

    CarpetaTemporal carpeta;
    BaseDatos base;
    Entorno entorno{base};
    // The main window's panels, followed from the first change of the environment.
    PanelesEstado paneles{entorno};
    Dialogos dialogs;
    RelojFijo reloj;
    MotorReportes impresora{base, dialogs, reportesDelPrograma(), ningunaImpresora};
    Contexto contexto{base, entorno, dialogs, reloj, impresora, carpeta.dir.path()};
};

using EntornoDePrueba = EntornoDePruebaCon<>;

// Sets the locale for one test and puts the previous one back.
class LocaleDePrueba {
public:
    explicit LocaleDePrueba(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleDePrueba() { QLocale::setDefault(anterior_); }
    LocaleDePrueba(const LocaleDePrueba&) = delete;
    LocaleDePrueba& operator=(const LocaleDePrueba&) = delete;

private:
    QLocale anterior_;
};
