#include "reference/frmAgentes.h"

#include "common/contexto.h"
#include "common/digitos_verificadores.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "forms/textos_formularios.h"
#include "reference/agentes_cascada.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr Qt::Alignment kIzquierda = Qt::AlignLeft;
constexpr Qt::Alignment kCentro = Qt::AlignHCenter;

std::vector<ColumnaGrilla> columnas()
{
    //        field           caption            alignment  width resizable order label
    return {
        {u"Nro_Agente"_s,   u"Nº Inscripción"_s, kCentro,    10, false, u"  Ordenados por: Nº de Agente"_s},
        {u"CUIT"_s,         u"C.U.I.T."_s,       kCentro,    11, false, u"  Ordenados por: Nº de CUIT"_s},
        {u"Razon_Social"_s, u"Razón Social"_s,   kIzquierda, 20, true,  u"  Ordenados por: Razón Social"_s},
        {u"Domicilio"_s,    u"Domicilio"_s,      kIzquierda, 20, true,  u"  Ordenados por: Domicilio"_s},
        {u"Localidad"_s,    u"Localidad"_s,      kIzquierda, 20, false, u"  Ordenados por: Localidad"_s},
        {u"CondIVA"_s,      u"IVA"_s,            kCentro,     3, false, {}},
    };
}

} // namespace

frmAgentes::frmAgentes(Contexto& contexto, QWidget* parent)
    : FormularioDe(contexto,
                         {.nombre = u"frmAgentes"_s,
                          .titulo = u"Administración de Agentes de Retención/Percepción"_s,
                          .tabla = u"Agentes"_s,
                          .nombreGrilla = u"dbgAgentes"_s,
                          .nombreMarco = u"fraAgente"_s,
                          .ayudaGrilla = textos::AyudaOrdenar,
                          .activar = true},
                         parent),
      mskNroAgente_(mascara(u"mskNroAgente"_s, u"00000-0"_s)),
      mskCUIT_(mascara(u"mskCUIT"_s, u"00-00000000-0"_s)),
      txtRazonSocial_(caja(u"txtRazonSocial"_s, CajaTexto::Tipo::Mayusculas, 40)),
      txtDomicilio_(caja(u"txtDomicilio"_s, CajaTexto::Tipo::Mayusculas, 30)),
      txtLocalidad_(caja(u"txtLocalidad"_s, CajaTexto::Tipo::Mayusculas, 20)),
      cboIVA_(new QComboBox(marco()))
{
    mskNroAgente_->setToolTip(u"Nº de Inscripción como Agente en Ingresos Brutos."_s);
    cboIVA_->setObjectName(u"cboIVA"_s);
    cboIVA_->setToolTip(u"Condición frente al IVA."_s);
    cboIVA_->addItems({u"Resp. Inscripto"_s, u"Resp. No Inscr."_s, u"Monotributo"_s,
                       u"Exento"_s, u"Cons. Final"_s});
    cboIVA_->setCurrentIndex(-1);

    QGridLayout* r = rejilla();
    r->addWidget(etiqueta(u"Nº "_s, mskNroAgente_), 0, 0);
    r->addWidget(mskNroAgente_, 0, 1);
    r->addWidget(etiqueta(u"C.U.I.T.:"_s, mskCUIT_), 0, 2, Qt::AlignRight);
    r->addWidget(mskCUIT_, 0, 3);
    r->addWidget(etiqueta(u"IVA:"_s, cboIVA_), 0, 4, Qt::AlignRight);
    r->addWidget(cboIVA_, 0, 5);
    r->addWidget(etiqueta(u"Razón Social:"_s, txtRazonSocial_), 1, 0);
    r->addWidget(txtRazonSocial_, 1, 1, 1, 5);
    r->addWidget(etiqueta(u"Dirección:"_s, txtDomicilio_), 2, 0);
    r->addWidget(txtDomicilio_, 2, 1, 1, 5);
    r->addWidget(etiqueta(u"Localidad:"_s, txtLocalidad_), 3, 0);
    r->addWidget(txtLocalidad_, 3, 1, 1, 3);
    r->setColumnStretch(5, 1);
    // Tab follows the screen: the IVA list closes the first line, before the name.
    setTabOrder(mskCUIT_, cboIVA_);
    setTabOrder(cboIVA_, txtRazonSocial_);

    setColumnas(columnas());
    enlazar(u"Nro_Agente"_s, mskNroAgente_);
    enlazar(u"CUIT"_s, mskCUIT_);
    enlazar(u"Razon_Social"_s, txtRazonSocial_);
    enlazar(u"Domicilio"_s, txtDomicilio_);
    enlazar(u"Localidad"_s, txtLocalidad_);
    setClaves({mskNroAgente_});
    setFocos(mskNroAgente_, mskCUIT_);
    setClaveRepetida(u"Ya existe un registro con ese número de inscripción,"_s, mskNroAgente_);
    setPreguntaBorrar(u"¿Confirma la eliminación del agente seleccionado?"_s);

    setVerificaciones({
        {[this] { return validaInscripcion(dialogs(), u"0"_s + mskNroAgente_->valor()); },
         u"El dígito verificador del número de Inscripción es incorrecto."_s, mskNroAgente_,
         u"Error"_s},
        {[this] { return cboIVA_->currentIndex() >= 0; },
         u"Debe indicar la condición frente al IVA."_s, cboIVA_},
        {[this] { return validaCUIT(dialogs(), mskCUIT_->valor()); }, {}, mskCUIT_},
        {[this] { return !txtRazonSocial_->text().trimmed().isEmpty(); },
         u"Debe ingresar una razón social."_s, txtRazonSocial_},
        {[this] { return !txtDomicilio_->text().trimmed().isEmpty(); },
         u"Debe ingresar un domicilio."_s, txtDomicilio_},
        {[this] { return !txtLocalidad_->text().trimmed().isEmpty(); },
         u"Debe ingresar una localidad."_s, txtLocalidad_},
    });
    setGuardas({
        {[this] { return tieneSucursalesEnUso(base(), mskNroAgente_->valor()); },
         u"Hay sucursales cargadas para este agente."_s},
        {[this] { return tieneMovimientos(base(), mskNroAgente_->valor()); },
         u"Hay movimientos cargados en las declaraciones de este agente."_s},
    });

    resize(920, 560);
    iniciar();
}

void frmAgentes::valoresIniciales()
{
    cboIVA_->setCurrentIndex(-1);
}

void frmAgentes::mostrarNoEnlazados(const Agente& agente)
{
    cboIVA_->setCurrentIndex(int(agente.condIva.value_or(0)));
}

void frmAgentes::completarValores(QVariantMap& valores)
{
    valores.insert(u"CondIVA"_s, cboIVA_->currentIndex());
}

void frmAgentes::despuesDeGrabar(const Agente& agente, bool agregando)
{
    if (!agregando) return;
    crearSucursalInicial(base(), agente.nroAgente, agente.domicilio, agente.localidad);
}

void frmAgentes::grabado(const Agente& agente, bool agregando)
{
    if (agregando || !esActivo(agente.nroAgente)) return;
    // The active agent was changed: the environment and its panel follow at once.
    entorno().releerAgente();
}

bool frmAgentes::esActivo(const QString& nroAgente) const
{
    return entorno().agenteActual().has_value() && entorno().agente() == nroAgente;
}

QString frmAgentes::preguntaBorrar(const Agente& agente) const
{
    if (esActivo(agente.nroAgente))
        return txtRazonSocial_->text() + u" es el agente activo.\n¿Confirma su eliminación?"_s;
    return FormularioDe::preguntaBorrar(agente);
}

void frmAgentes::borrarFila(qint64, const Agente& agente)
{
    borrarAgente(base(), agente.nroAgente);
}

void frmAgentes::borrado(const Agente& agente)
{
    if (esActivo(agente.nroAgente)) entorno().limpiarAgenteActual();
}

void frmAgentes::activar()
{
    if (const auto agente = filaActual()) entorno().activarAgente(agente->nroAgente);
}
