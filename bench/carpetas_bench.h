#pragma once
// Data folders for the benchmarks. Each goal that writes works on its own copy of the large
// database, so the cached file stays as generated and one goal's writes never move another's
// figures.

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "support/dialogos_guionados.h"
#include "support/impresora_guionada.h"
#include "support/reloj_fijo.h"

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// The large database in the cache, generated on first use (it says so on standard error).
const QString& rutaBaseGrande();

class CarpetaBench {
public:
    // A copy of the large database with Entorno.mem naming the month in course.
    static std::unique_ptr<CarpetaBench> grande();
    // A new install's database with an empty Entorno.mem, as `tarquel --crear-base` leaves it.
    static std::unique_ptr<CarpetaBench> vacia();

    QString ruta() const { return dir_.path(); }
    QString base() const;

private:
    CarpetaBench() = default;
    QTemporaryDir dir_;
};

// A copy of the large database kept for the whole run under a name: the goals that share one
// (their writes do not disturb each other) ask for it by the same name.
CarpetaBench& copiaGrande(const QString& nombre);

// What a goal works on, made on first use and kept for the run. liberarFixturas() destroys them
// all, newest first, and then the copies of the database: forms cannot outlive the application.
void alLiberar(std::function<void()> liberar);
void liberarFixturas();

template <class T>
T& fixtura()
{
    static T* unica = nullptr;
    if (!unica) {
        unica = new T;
        alLiberar([] {
            delete unica;
            unica = nullptr;
        });
    }
    return *unica;
}

// The program's objects on a data folder, as the forms get them, on the last days of the month in
// course.
struct SesionBench {
    explicit SesionBench(const QString& carpeta);

    // Makes a declaration active with its agent, branch and regime, as its activation does.
    void activar(qint64 idCabecera);

    BaseDatos base;
    Entorno entorno{base};
    DialogosGuionados dialogs;
    RelojFijo reloj{QDate(2024, 12, 27)};
    ImpresoraGuionada impresora;
    Contexto contexto{base, entorno, dialogs, reloj, impresora, QString()};
};
