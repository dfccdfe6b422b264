#include "import/verificacion_importacion.h"

#include "common/ciclo_cabecera.h"
#include "common/regimenes.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/error_motor.h"
#include "database/filas.h"
#include "import/archivo_importado.h"
#include "import/lector_lineas.h"
#include "platform/archivo_lectura.h"
#include "platform/dialogs.h"


namespace {

using Resultado = std::variant<PlanImportacion, RechazoImportacion>;

// No first line of either kind comes near this length (a subject is 104 characters, a header a few
// more than 21); the check reads no further, whatever the file holds.
constexpr qint64 kLargoPrimeraLinea = 64 * 1024;

RechazoImportacion formato(const QString& archivo)
{
    return {rechazo_importacion::Formato,
            QStringLiteral("El archivo ") + archivo + QStringLiteral(" no tiene el formato requerido.")};
}

// A header whose fields the run cannot take: the regime that is never imported, a year or a
// rectification that is not a number (both are stored as they stand), a month that is none.
std::optional<RechazoImportacion> rechazoDeLaCabecera(const CabeceraImportada& c,
                                                      const QString& archivo)
{
    if (!reglasRegimen(c.regimen).importable)
        return RechazoImportacion{rechazo_importacion::Regimen13,
                                  QStringLiteral("No se permite la importacion de Declaraciones "
                                                 "Juradas para el Regimen 13.")};
    if (c.anio.size() != 4 || !campo_importado::soloDigitos(c.anio) || c.rectifica.size() != 2
        || !campo_importado::soloDigitos(c.rectifica))
        return formato(archivo);
    if (c.numeroMes() < 1 || c.numeroMes() > 12)
        return RechazoImportacion{rechazo_importacion::Mes,
                                  QStringLiteral("No existe el mes ") + c.mes + QLatin1Char('.')};
    return std::nullopt;
}

// Where the file's rows go: a new declaration, or the month's open one, kept or emptied first.
struct Destino {
    std::optional<qint64> idCabecera;
    bool reemplazar = false;
};

// The rectification is not part of the lookup: a file of rectification "01" goes to the open
// declaration of the month whatever its rectification. The user is asked whether the rows of a
// declaration that holds some are replaced.
std::variant<Destino, RechazoImportacion> destinoDeLaDeclaracion(BaseDatos& base, Dialogs& dialogs,
                                                                 const CabeceraImportada& c)
{
    const auto fila = base.fila(
        QStringLiteral("SELECT * FROM Cabeceras WHERE Nro_Agente = ? AND "
                       "Sucursal = ? AND Cod_Regimen = ? AND Mes = ? AND Anio = ? LIMIT 1"),
        {c.agente, c.sucursal, c.regimen, c.mesNormalizado(), c.anio});
    if (!fila) return Destino{};
    const Cabecera existente = cabeceraDe(*fila);
    const EstadoCabecera estado = EstadoCabecera::deCodigo(existente.estado);
    if (!estado.admite(AccionCabecera::Importar))
        return RechazoImportacion{
            rechazo_importacion::NoAbierta,
            QStringLiteral("Para importar registros sobre una Declaración Jurada existente la "
                           "misma debe encontrarse abierta\n(ir Menú Procesos->Rectificar "
                           "Declaración Cerrada)")};
    Destino destino;
    destino.idCabecera = existente.idCabecera;
    const bool conRetenciones =
        base.existe(QStringLiteral("SELECT 1 FROM Retenciones WHERE IdCabecera = ? LIMIT 1"),
                    {*destino.idCabecera});
    destino.reemplazar =
        conRetenciones
        && dialogs.preguntaSiNo(
            QStringLiteral("La DD.JJ. que intenta Rectificar contiene Retenciones\n\ndesea "
                           "eliminarlas para rectificar en su totalidad (Botón <SI>) ó Agregar "
                           "nuevas Retenciones (Botón <NO>) ?"),
            QStringLiteral("Importación de Retenciones"));
    return destino;
}

QString textoDestino(const Destino& destino)
{
    if (!destino.idCabecera) return QStringLiteral("   Listo para crear ");
    return destino.reemplazar ? QStringLiteral("   Listo para Eliminar Retenciones y agregar a la ")
                              : QStringLiteral("   Listo para agregar registros a la ");
}

// What the window tells of the declaration's month, agent, branch and regime; the refusal of the
// first of them that is not stored.
std::variant<QString, RechazoImportacion> textoDeLaDeclaracion(BaseDatos& base,
                                                               const QStringList& nombresMeses,
                                                               const CabeceraImportada& c)
{
    const auto agente = leerAgente(base, c.agente);
    if (!agente)
        return RechazoImportacion{rechazo_importacion::Agente,
                                  QStringLiteral("El agente ") + c.agente
                                      + QStringLiteral(" no se encuentra cargado en el sistema.")};
    QString texto = QStringLiteral("declaración del mes de %1 de %2 correspondiente a:\n\n")
                        .arg(nombresMeses.value(c.numeroMes() - 1), c.anio)
        + QStringLiteral("     Agente Nº ") + formatoAgente(c.agente) + QStringLiteral(" - ")
        + agente->razonSocial + QLatin1Char('\n');

    const auto sucursal = leerSucursal(base, c.agente, c.sucursal);
    if (!sucursal)
        return RechazoImportacion{rechazo_importacion::Sucursal,
                                  QStringLiteral("La sucursal ") + c.sucursal
                                      + QStringLiteral(" no está cargada para el agente ") + c.agente
                                      + QLatin1Char('.')};
    texto += QStringLiteral("     Sucursal: ") + c.sucursal + QStringLiteral(" - ")
        + sucursal->descripcion + QLatin1Char('\n');

    const auto regimen = leerRegimen(base, c.regimen);
    if (!regimen)
        return RechazoImportacion{rechazo_importacion::Regimen,
                                  QStringLiteral("El régimen ") + c.regimen
                                      + QStringLiteral(" no se encuentra cargado en el sistema.")};
    texto += QStringLiteral("     Régimen: ") + c.regimen + QStringLiteral(" - ")
        + regimen->descripcion;
    return texto;
}

Resultado verificarDeclaracion(BaseDatos& base, Dialogs& dialogs, const QStringList& nombresMeses,
                               PlanImportacion plan, const LineaImportada& primera)
{
    const auto cabecera = leerCabecera(primera);
    if (!cabecera || cabecera->controlEnCodigos()) return formato(plan.archivo);
    plan.cabecera = *cabecera;
    if (auto rechazo = rechazoDeLaCabecera(plan.cabecera, plan.archivo)) return *rechazo;

    const auto destino = destinoDeLaDeclaracion(base, dialogs, plan.cabecera);
    if (const auto* rechazo = std::get_if<RechazoImportacion>(&destino)) return *rechazo;
    const Destino& d = std::get<Destino>(destino);
    plan.idCabecera = d.idCabecera;
    plan.reemplazar = d.reemplazar;

    const auto declaracion = textoDeLaDeclaracion(base, nombresMeses, plan.cabecera);
    if (const auto* rechazo = std::get_if<RechazoImportacion>(&declaracion)) return *rechazo;
    plan.texto = QStringLiteral("\n") + textoDestino(d) + std::get<QString>(declaracion)
        + QStringLiteral("\n\n   Presione 'Importar' para comenzar o 'Cerrar' para abortar.");
    return plan;
}

} // namespace

ModoImportacion modoImportacion(const QString& titulo)
{
    return titulo == kTituloImportarSujetos ? ModoImportacion::Sujetos : ModoImportacion::Declaracion;
}

QString RechazoImportacion::titulo() const
{
    return numero < 0 ? QStringLiteral("No se puede importar...")
                      : QStringLiteral("Error %1").arg(numero);
}

void mostrarRechazo(Dialogs& dialogs, const RechazoImportacion& rechazo, const QString& agregado)
{
    QString texto = rechazo.descripcion;
    if (!agregado.isEmpty()) texto += QStringLiteral("\n\n") + agregado;
    dialogs.mostrar({texto, rechazo.titulo(), Icono::Critico});
}

std::variant<PlanImportacion, RechazoImportacion> verificarArchivo(BaseDatos& base, Dialogs& dialogs,
                                                                   const QStringList& nombresMeses,
                                                                   ModoImportacion modo,
                                                                   const QString& archivo)
{
    PlanImportacion plan;
    plan.modo = modo;
    plan.archivo = archivo;
    try {
        ArchivoLectura entrada(archivo);
        if (auto rechazo = abrirArchivoImportado(entrada)) return *rechazo;
        LectorLineas lector(entrada, kLargoPrimeraLinea);
        const auto primera = lector.siguiente();
        if (!primera)
            return RechazoImportacion{rechazo_importacion::ArchivoVacio,
                                      QStringLiteral("El archivo %1 está vacío.").arg(archivo)};
        if (primera->cortada) return formato(archivo);
        if (modo == ModoImportacion::Sujetos) {
            if (!leerSujeto(*primera)) return formato(archivo);
            plan.texto = QStringLiteral("\n   Listo para importar sujetos:\n\n");
            return plan;
        }
        return verificarDeclaracion(base, dialogs, nombresMeses, plan, *primera);
    } catch (const ErrorMotor& error) {
        return RechazoImportacion{error.numero(), error.descripcion()};
    }
}
