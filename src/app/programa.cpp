#include "app/programa.h"

#include "app/catalogo_reportes.h"
#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/error_motor.h"
#include "platform/archivos_privados.h"
#include "platform/dialogs.h"
#include "platform/reloj.h"
#include "reports/motor_reportes.h"
#include "shell/arranque.h"
#include "shell/base_nueva.h"
#include "shell/formularios_menu.h"
#include "shell/frmAcercaDe.h"
#include "shell/frmPrincipal.h"

#include <QDir>

// The ports, the report engine over every subsystem's reports, the environment and the shell.
struct Programa::Corrida {
    Corrida(Dialogs& dialogs, const QString& carpeta)
        : entorno(base), impresora(base, dialogs, reportesDelPrograma()),
          contexto{base, entorno, dialogs, reloj, impresora, carpeta},
          arranque(entorno, dialogs, carpeta), ventana(contexto, arranque)
    {
        conectarFormularios(ventana, contexto);
    }

    BaseDatos base;
    Entorno entorno;
    RelojSistema reloj;
    MotorReportes impresora;
    Contexto contexto;
    Arranque arranque;
    frmPrincipal ventana;
};

Programa::Programa(Dialogs& dialogs, QString carpeta)
    : dialogs_(dialogs), carpeta_(std::move(carpeta)), bloqueo_(carpeta_)
{
}

Programa::~Programa() = default;

std::optional<int> Programa::iniciar()
{
    if (!crearCarpetaPrivada(carpeta_)) {
        dialogs_.aviso(QStringLiteral("No se pudo crear la carpeta de datos '%1'.")
                           .arg(QDir::toNativeSeparators(carpeta_)),
                       QStringLiteral("Error"), Icono::Critico);
        return kRechazo;
    }
    if (!bloqueo_.tomar(dialogs_)) return kRechazo;
    // The first start on a new data folder makes its database, as `--crear-base` does.
    if (esCarpetaNueva(carpeta_)) {
        try {
            prepararCarpetaNueva(carpeta_);
        } catch (const ErrorMotor& error) {
            dialogs_.aviso(QStringLiteral("No se pudo crear la base de datos en la carpeta '%1':\n%2")
                               .arg(QDir::toNativeSeparators(carpeta_), error.descripcion()),
                           QStringLiteral("Error"), Icono::Critico);
            return kRechazo;
        }
    }

    // The splash is gone before anything loads.
    mostrarPresentacion(dialogs_);

    corrida_ = std::make_unique<Corrida>(dialogs_, carpeta_);
    switch (corrida_->arranque.iniciar()) {
    case FinArranque::Continuar:
        corrida_->ventana.show();
        return std::nullopt;
    case FinArranque::Reiniciar:
        return 0;
    case FinArranque::Terminar:
        break;
    }
    return kRechazo;
}
