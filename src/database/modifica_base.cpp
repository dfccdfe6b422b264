#include "database/modifica_base.h"

#include "database/base_datos.h"
#include "database/semillas.h"
#include "database/transaccion.h"
#include "platform/dialogs.h"

#include <QRegularExpression>
#include <algorithm>
#include <utility>

namespace {

QString citado(const QString& nombre)
{
    return QLatin1Char('"') + nombre + QLatin1Char('"');
}

// The seeds that run among the upgrade's steps say what they added; those words must only reach
// the user once the upgrade has landed, or they would announce rows that a later failure undid.
class MensajesDiferidos final : public Dialogs {
public:
    explicit MensajesDiferidos(Dialogs& destino) : destino_(destino) {}

    Respuesta mostrar(const Mensaje& mensaje) override
    {
        pendientes_.push_back(mensaje);
        return mensaje.porDefecto;
    }
    std::optional<QString> pedirTexto(const QString& t, const QString& ti, const QString& i) override
    {
        return destino_.pedirTexto(t, ti, i);
    }
    QString elegirArchivo(const QString& t, const QString& c, const QString& f) override
    {
        return destino_.elegirArchivo(t, c, f);
    }
    QString elegirCarpeta(const QString& t, const QString& c) override
    {
        return destino_.elegirCarpeta(t, c);
    }
    int abrirModal(QDialog& formulario) override { return destino_.abrirModal(formulario); }
    void abrirConEscritorio(const QString& ruta, const Mensaje& siNoSeAbre) override
    {
        destino_.abrirConEscritorio(ruta, siNoSeAbre);
    }

    void entregar()
    {
        for (const Mensaje& m : pendientes_) destino_.mostrar(m);
        pendientes_.clear();
    }

private:
    Dialogs& destino_;
    std::vector<Mensaje> pendientes_;
};

} // namespace

ModificaBase::ModificaBase(BaseDatos& base, Dialogs& dialogs) : base_(base), dialogs_(dialogs) {}

ResultadoActualizacion ModificaBase::actualizar()
{
    MensajesDiferidos diferidos(dialogs_);
    try {
        Transaccion transaccion(base_);
        const bool cambio = pasos(diferidos);
        transaccion.confirmar();
        diferidos.entregar();
        return cambio ? ResultadoActualizacion::Actualizada : ResultadoActualizacion::SinCambios;
    } catch (const ErrorMotor& error) {
        // The transaction has undone every step; the program must not run on a half-built schema.
        dialogs_.aviso(error.textoDosPuntos());
        return ResultadoActualizacion::Fallida;
    }
}

bool ModificaBase::pasos(Dialogs& avisos)
{
    bool actualizada = false;
    actualizada |= actualizarGuias();                // 1
    actualizada |= ampliarTextoImpresos();           // 2
    agregarCamposSubtotales();                     // 3: alone, it asks for no restart
    actualizada |= crearTiposEIntervenciones();      // 4, 5
    descartarTiposDeOtraForma();                     // 6
    cargarTipos(base_, avisos);                     // 7: goods types are seeded at every start
    actualizada |= crearOtrasRetencionesYRemesas();  // 8, 9
    crearIndicesFaltantes();                       // no restart needed
    actualizada |= crearTablasPolicia();             // 10
    // 11, 12. Repairs that run at every start.
    corregirOtrasRetenciones(base_, avisos);
    fijarAlicuotas(base_, avisos);
    return actualizada;
}

// Detail rows. An empty table of the first shape, without the declaration field, is simply made
// again; one that holds rows gains its fields.
bool ModificaBase::actualizarGuias()
{
    if (!tieneTabla(QStringLiteral("Guias"))) {
        crearTablaGuias();
        crearIndicesGuias();
        return true;
    }
    bool actualizada = false;
    const bool vacia = !base_.existe(QStringLiteral("SELECT 1 FROM Guias LIMIT 1"));
    if (vacia && !tieneCampo(QStringLiteral("Guias"), QStringLiteral("IdCabecera"))) {
        actualizada = true;
        base_.ejecutar(QStringLiteral("DROP TABLE Guias"));
        crearTablaGuias();
        crearIndicesGuias();
    }
    if (!tieneCampo(QStringLiteral("Guias"), QStringLiteral("Nro_porte"))) {
        agregarNroPorteGuias();
        actualizada = true;
    }
    if (!tieneCampo(QStringLiteral("Guias"), QStringLiteral("IdCabecera"))) {
        agregarIdCabeceraGuias();
        actualizada = true;
    }
    return actualizada;
}

// The printed text of the scratch table holds 200 characters; what it held is lost.
bool ModificaBase::ampliarTextoImpresos()
{
    if (tamanioCampo(QStringLiteral("Impresos"), QStringLiteral("Texto")) == 200) return false;
    base_.ejecutar(QStringLiteral("ALTER TABLE Impresos DROP COLUMN Texto"));
    base_.ejecutar(QStringLiteral("ALTER TABLE Impresos ADD COLUMN ")
                   + definicionColumna(*esquema::tabla(QStringLiteral("Impresos"))
                                            .campo(QStringLiteral("Texto"))));
    return true;
}

// Goods types; the police interventions with the grains and parameters.
bool ModificaBase::crearTiposEIntervenciones()
{
    bool actualizada = false;
    if (!tieneTabla(QStringLiteral("Tipos"))) {
        crearTabla(esquema::tabla(QStringLiteral("Tipos")));
        crearIndices(QStringLiteral("Tipos"), {QStringLiteral("PrimaryKey")});
        actualizada = true;
    }
    if (!tieneTabla(QStringLiteral("Intervenciones"))) {
        crearTablasIntervenciones();
        actualizada = true;
    }
    return actualizada;
}

// A goods-types table of another shape (a shorter description) is dropped; the next start makes
// it again.
void ModificaBase::descartarTiposDeOtraForma()
{
    if (tieneTabla(QStringLiteral("Tipos"))
        && tamanioCampo(QStringLiteral("Tipos"), QStringLiteral("Descripcion")) != 100)
        base_.ejecutar(QStringLiteral("DROP TABLE Tipos"));
}

// Other withholdings and stamp remittances.
bool ModificaBase::crearOtrasRetencionesYRemesas()
{
    bool actualizada = false;
    for (const QString& nombre : {QStringLiteral("Retenciones_B"), QStringLiteral("Remesas")}) {
        if (!tieneTabla(nombre)) {
            crearTabla(esquema::tabla(nombre));
            crearIndices(nombre, {QStringLiteral("PrimaryKey")});
            actualizada = true;
        }
    }
    return actualizada;
}

// The police regime: only the officers are probed; the other four come with them.
bool ModificaBase::crearTablasPolicia()
{
    if (tieneTabla(QStringLiteral("Policias"))) return false;
    for (const QString& nombre :
         {QStringLiteral("Policias"), QStringLiteral("Multas_cobradas"), QStringLiteral("Turnos"),
          QStringLiteral("Estampillas_Turnos"), QStringLiteral("Tmp_Informe_Turno")}) {
        const DefTabla& tabla = esquema::tabla(nombre);
        crearTabla(tabla);
        QStringList indices;
        for (const DefIndice& i : tabla.indices) indices << i.nombre;
        crearIndices(nombre, indices);
    }
    return true;
}

bool ModificaBase::tieneTabla(const QString& nombre)
{
    return base_.existe(
        QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"),
        {nombre});
}

bool ModificaBase::tieneCampo(const QString& tabla, const QString& campo)
{
    return base_.existe(
        QStringLiteral("SELECT 1 FROM pragma_table_info(?) WHERE name = ? COLLATE NOCASE"),
        {tabla, campo});
}

int ModificaBase::tamanioCampo(const QString& tabla, const QString& campo)
{
    const QString tipo =
        base_.valor(QStringLiteral("SELECT type FROM pragma_table_info(?) WHERE name = ? "
                                   "COLLATE NOCASE"),
                    {tabla, campo})
            .toString();
    static const QRegularExpression tamanio(QStringLiteral("^TEXT\\((\\d+)\\)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto m = tamanio.match(tipo.trimmed());
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

void ModificaBase::crearTabla(const DefTabla& tabla, const QString& sinCampo)
{
    DefTabla definicion = tabla;
    std::erase_if(definicion.campos,
                  [&](const DefCampo& c) { return !sinCampo.isEmpty() && c.nombre == sinCampo; });
    base_.ejecutar(sqlCrearTabla(definicion));
}

void ModificaBase::crearIndices(const QString& tabla, const QStringList& indices)
{
    const DefTabla& definicion = esquema::tabla(tabla);
    for (const QString& nombre : indices) {
        for (const DefIndice& indice : definicion.indices) {
            if (indice.nombre != nombre) continue;
            try {
                base_.ejecutar(sqlCrearIndice(definicion.nombre, indice));
            } catch (const ErrorMotor& error) {
                if (error.numero() != errores::IndiceExiste) throw;
            }
        }
    }
}

void ModificaBase::agregarCampo(const QString& tabla, const QString& campo)
{
    if (tieneCampo(tabla, campo)) return;
    const DefCampo* definicion = esquema::tabla(tabla).campo(campo);
    base_.ejecutar(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2")
                       .arg(citado(tabla), definicionColumna(*definicion)));
}

void ModificaBase::crearIndiceQueFalte(const QString& tabla, const QString& indice)
{
    if (!tieneTabla(tabla)) return;
    const DefTabla& definicion = esquema::tabla(tabla);
    const auto def = std::find_if(definicion.indices.begin(), definicion.indices.end(),
                                  [&](const DefIndice& i) { return i.nombre == indice; });
    if (def == definicion.indices.end()) return;
    for (const QString& campo : def->campos)
        if (!tieneCampo(tabla, campo)) return;
    if (base_.existe(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?"),
                     {nombreIndiceSql(tabla, indice)}))
        return;
    crearIndices(tabla, {indice});
}

void ModificaBase::crearIndicesFaltantes()
{
    const std::pair<const char*, const char*> indices[] = {
        // A stamp is looked up by its number; an agent's remittances by stamp type.
        {"Guias", "xNroGuia"},
        {"Remesas", "xAgenteTipo"},
        // The orders of the subjects' grid and of the entry grid.
        {"Contribuyentes", "xDomicilio"},
        {"Contribuyentes", "xCodTipo"},
        // What the repairs of every start read.
        {"Contribuyentes", "x950SinTipo"},
        {"Retenciones", "xComprobanteRet"},
        {"Retenciones_B", "xConOtras"},
        {"Retenciones", "xCabContrib"},
        {"Retenciones", "xCabDia"},
        {"Retenciones", "xCabEstado"},
        {"Retenciones", "xCabNroX"},
        {"Retenciones", "xCabConcepto"},
        {"Retenciones", "xCabMarcaImp"},
        // A declaration's count and totals, by concept or all.
        {"Retenciones", "xCabConceptoImportes"},
        // Whether a declaration has receipts and what its valid ones withheld.
        {"Retenciones", "xCabEstadoRet"},
    };
    for (const auto& [tabla, indice] : indices)
        crearIndiceQueFalte(QString::fromLatin1(tabla), QString::fromLatin1(indice));
}

void ModificaBase::crearTablaGuias()
{
    // The declaration field is added afterwards, with its back-fill.
    crearTabla(esquema::tabla(QStringLiteral("Guias")), QStringLiteral("IdCabecera"));
}

void ModificaBase::crearIndicesGuias()
{
    crearIndices(QStringLiteral("Guias"), {QStringLiteral("PrimaryKey"), QStringLiteral("XNroComp")});
}

void ModificaBase::agregarNroPorteGuias()
{
    agregarCampo(QStringLiteral("Guias"), QStringLiteral("Nro_porte"));
}

void ModificaBase::agregarIdCabeceraGuias()
{
    agregarCampo(QStringLiteral("Guias"), QStringLiteral("IdCabecera"));
    crearIndices(QStringLiteral("Guias"), {QStringLiteral("xidcbra")});
    // Detail rows stored without it take the declaration of the withholding with their receipt
    // number; when several share it, the last one read (the most recently stored) wins.
    base_.ejecutar(QStringLiteral(
        "UPDATE Guias SET IdCabecera = (SELECT r.IdCabecera FROM Retenciones r "
        "WHERE r.Nro_Comprobante = Guias.Nro_Comprobante ORDER BY r.rowid DESC LIMIT 1) "
        "WHERE EXISTS (SELECT 1 FROM Retenciones r WHERE r.Nro_Comprobante = Guias.Nro_Comprobante)"));
    crearIndices(QStringLiteral("Guias"), {QStringLiteral("xidCabNCmp")});
}

void ModificaBase::agregarCamposSubtotales()
{
    for (const QString& campo :
         {QStringLiteral("Otros_Pagos"), QStringLiteral("Otro_valor"), QStringLiteral("Otro_valor2")})
        agregarCampo(QStringLiteral("Subtotales"), campo);
}

void ModificaBase::crearTablasIntervenciones()
{
    for (const QString& nombre : {QStringLiteral("Intervenciones"), QStringLiteral("Granos"),
                                  QStringLiteral("Parametros"), QStringLiteral("Tmp_Intervenciones")}) {
        crearTabla(esquema::tabla(nombre));
        crearIndices(nombre, {QStringLiteral("PrimaryKey")});
    }
}
