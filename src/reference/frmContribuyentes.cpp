#include "reference/frmContribuyentes.h"

#include "common/contexto.h"
#include "common/digitos_verificadores.h"
#include "database/base_datos.h"
#include "database/codigos.h"
#include "forms/eventos_foco.h"
#include "forms/textos_formularios.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr Qt::Alignment kIzquierda = Qt::AlignLeft;
constexpr Qt::Alignment kCentro = Qt::AlignHCenter;

std::vector<ColumnaGrilla> columnas()
{
    //        field           caption            alignment  width resizable order label
    return {
        {u"Nro_Contrib"_s,  u"Nº Inscripción"_s, kCentro,    10, false, u"  Ordenados por: Nº de Inscripción en IB"_s},
        {u"CUIT"_s,         u"C.U.I.T."_s,       kCentro,    11, false, u"  Ordenados por: Nº de CUIT"_s},
        {u"Razon_Social"_s, u"Razón Social"_s,   kIzquierda, 20, true,  u"  Ordenados por: Razón Social"_s},
        {u"Domicilio"_s,    u"Domicilio"_s,      kIzquierda, 20, true,  u"  Ordenados por: Domicilio"_s},
        {u"Cod_Tipo"_s,     u"Tipo"_s,           kCentro,     4, false, u"  Ordenados por: Código de Tipo"_s},
    };
}

const QString kAvisoNoInscripto =
    u"El número otorgado por el sistema es al solo efecto de generar la retención o percepción. "
    u"Recuerde que Ud. está obligado -por R.G. 54/07- a exigir y archivar la constancia de "
    u"inscripción en el Impuesto otorgada por la Orvalen\n"_s;

QPushButton* botonAlta(const QString& nombre, const QString& texto, QWidget* formulario)
{
    auto* b = new QPushButton(texto, formulario);
    b->setObjectName(nombre);
    b->setMinimumWidth(104);
    return b;
}

} // namespace

frmContribuyentes::frmContribuyentes(Contexto& contexto, QWidget* parent)
    : FormularioDe(contexto,
                         {.nombre = u"frmContribuyentes"_s,
                          .titulo = u"Sujetos"_s,
                          .tabla = u"Contribuyentes"_s,
                          .nombreGrilla = u"dbgContribuyentes"_s,
                          .nombreMarco = u"fraContribuyente"_s,
                          .ayudaGrilla = textos::AyudaOrdenar,
                          .seleccionar = true},
                         parent),
      mskNroContrib_(mascara(u"mskNroContrib"_s, u"000-000000-0"_s)),
      mskCUIT_(mascara(u"mskCUIT"_s, u"00-00000000-0"_s)),
      txtRazonSocial_(caja(u"txtRazonSocial"_s, CajaTexto::Tipo::Mayusculas, 40)),
      txtDomicilio_(caja(u"txtDomicilio"_s, CajaTexto::Tipo::Mayusculas, 40)),
      chkConstancia_(new QCheckBox(u"Presentó Constancia de No Retención "_s, marco())),
      lblExtranjero_(new QLabel(u"Extranjero"_s, marco()))
{
    prepararCampos();
    disponerCampos();
    crearBotonesAlta();
    setColumnas(columnas());
    enlazar(u"Nro_Contrib"_s, mskNroContrib_);
    enlazar(u"CUIT"_s, mskCUIT_);
    enlazar(u"Razon_Social"_s, txtRazonSocial_);
    enlazar(u"Domicilio"_s, txtDomicilio_);
    setClaves({mskNroContrib_});
    setFocos(mskNroContrib_, mskCUIT_);
    setClaveRepetida(u"Ya existe un registro con ese número de inscripción,"_s, mskNroContrib_);
    setPreguntaBorrar(u"¿Confirma la eliminación del contribuyente seleccionado?"_s);
    ponerVerificaciones();
    ponerGuardas();
    alSalir(mskNroContrib_, [this] { mskNroContribLostFocus(); });

    resize(900, 560);
    iniciar();
}

void frmContribuyentes::prepararCampos()
{
    mskNroContrib_->setToolTip(u"Nº de Inscripción en Ingresos Brutos."_s);
    chkConstancia_->setObjectName(u"chkConstancia"_s);
    chkConstancia_->setToolTip(
        u"Active esta casilla si el sujeto presentó una constancia de no retención."_s);
    lblExtranjero_->setObjectName(u"lblExtranjero"_s);
    QFont negrita = lblExtranjero_->font();
    negrita.setBold(true);
    lblExtranjero_->setFont(negrita);
    lblExtranjero_->hide();
}

void frmContribuyentes::disponerCampos()
{
    QGridLayout* r = rejilla();
    const auto rotulo = [this](const QString& nombre, const QString& texto, QWidget* control) {
        QLabel* l = etiqueta(texto, control);
        l->setObjectName(nombre);
        return l;
    };
    r->addWidget(rotulo(u"lblNroContrib"_s, u"Nº "_s, mskNroContrib_), 0, 0);
    r->addWidget(mskNroContrib_, 0, 1);
    r->addWidget(rotulo(u"lblCUIT"_s, u"C.U.I.T.:"_s, mskCUIT_), 0, 2, Qt::AlignRight);
    r->addWidget(mskCUIT_, 0, 3);
    r->addWidget(lblExtranjero_, 0, 4);
    r->addWidget(rotulo(u"lblRazonSocial"_s, u"Razón Social:"_s, txtRazonSocial_), 1, 0);
    r->addWidget(txtRazonSocial_, 1, 1, 1, 4);
    r->addWidget(rotulo(u"lblDomicilio"_s, u"Domicilio:"_s, txtDomicilio_), 2, 0);
    r->addWidget(txtDomicilio_, 2, 1, 1, 4);
    r->addWidget(chkConstancia_, 3, 1, 1, 3);
    r->setColumnStretch(4, 1);
}

void frmContribuyentes::crearBotonesAlta()
{
    QPushButton* cmdAgregarExt = botonAlta(u"cmdAgregarExt"_s, u" Agregar E&xtranjero"_s, this);
    QPushButton* cmdGenerico = botonAlta(u"Cmd_Generico"_s, u" Agregar No Inscripto"_s, this);
    agregarBotonAlta(cmdAgregarExt);
    agregarBotonAlta(cmdGenerico);
    connect(cmdAgregarExt, &QPushButton::clicked, this, &frmContribuyentes::agregarExtranjero);
    connect(cmdGenerico, &QPushButton::clicked, this, &frmContribuyentes::agregarNoInscripto);
}

void frmContribuyentes::ponerVerificaciones()
{
    setVerificaciones({
        {[this] { return numeroAceptado(); }, {}, nullptr},
        {[this] { return validaCUIT(dialogs(), mskCUIT_->valor()); }, {}, mskCUIT_},
        {[this] { return !txtRazonSocial_->text().trimmed().isEmpty(); },
         u"Debe ingresar una razón social."_s, txtRazonSocial_},
        {[this] { return !txtDomicilio_->text().trimmed().isEmpty(); },
         u"Debe ingresar un domicilio."_s, txtDomicilio_},
    });
}

void frmContribuyentes::ponerGuardas()
{
    setGuardas({
        // Withholdings of every agent and declaration count, annulled ones included.
        {[this] {
             return base().existe(u"SELECT 1 FROM Retenciones WHERE Nro_Contrib = ?"_s,
                                  {mskNroContrib_->valor()});
         },
         u"Hay retenciones cargadas para este contribuyente."_s},
    });
}

void frmContribuyentes::agregarNumerado(SujetoNumerado clase)
{
    if (modo() != Modo::Navegando) return;
    if (clase == SujetoNumerado::NoInscripto)
        dialogs().aviso(kAvisoNoInscripto, u"Contribuyente no inscripto"_s, Icono::Informacion);
    if (!protegido()([&] { numeroSistema_ = siguienteNumero(base(), clase); })) return;
    proximaAlta_ = clase == SujetoNumerado::NoInscripto ? Alta::NoInscripto : Alta::Extranjero;
    cmdAgregarClick();
    enfocar(mskCUIT_);
}

void frmContribuyentes::valoresIniciales()
{
    altaEnCurso_ = proximaAlta_;
    proximaAlta_ = Alta::Tipeada;
    const bool numerado = altaEnCurso_ != Alta::Tipeada;
    chkConstancia_->setChecked(false);
    chkConstancia_->setEnabled(!numerado);
    lblExtranjero_->setVisible(altaEnCurso_ == Alta::Extranjero);
    if (numerado) {
        // The number is the system's: the user never types it. An exhausted sequence leaves it
        // blank and Grabar says why.
        mskNroContrib_->setValor(numeroSistema_.value_or(QString()));
        mskNroContrib_->setEnabled(false);
    }
}

void frmContribuyentes::mostrarNoEnlazados(const Contribuyente& sujeto)
{
    const QString& tipo = sujeto.codTipo;
    chkConstancia_->setChecked(tipo == tipo_sujeto::Constancia);
    lblExtranjero_->setVisible(tipo == tipo_sujeto::Extranjero);
    // Modificar offers the certificate to every subject but a foreigner.
    chkConstancia_->setEnabled(tipo != tipo_sujeto::Extranjero);
}

QString frmContribuyentes::codigoSeleccionado(const Contribuyente& sujeto) const
{
    return sujeto.nroContrib;
}

// A number typed by the user never belongs to the not-registered jurisdiction.
void frmContribuyentes::mskNroContribLostFocus()
{
    if (modo() != Modo::Agregando || altaEnCurso_ == Alta::NoInscripto) return;
    if (!mskNroContrib_->valor().startsWith(u"950"_s)) return;
    dialogs().aviso(u"Jurisdicción incorrecta "_s);
    volverA(mskNroContrib_);
}

bool frmContribuyentes::numeroAceptado()
{
    const QString nro = mskNroContrib_->valor();
    const bool modificando = modo() == Modo::Modificando;
    if (!modificando && altaEnCurso_ != Alta::Tipeada && nro.isEmpty()) {
        const QString j = jurisdiccion(altaEnCurso_ == Alta::NoInscripto
                                           ? SujetoNumerado::NoInscripto
                                           : SujetoNumerado::Extranjero);
        return falla(nullptr, u"No quedan números disponibles para la jurisdicción "_s + j + u"."_s);
    }

    const QString prefijo = nro.left(3);
    const QString resto = nro.mid(3);
    if (prefijo == u"999"_s) {
        if (!lblExtranjero_->isHidden()) return true;
        return falla(mskNroContrib_,
                     u"La Jurisdicción 999 indica que se trata de un extranjero.\n"
                     u"Si ese es el caso, cancele y utilice la opción 'Agregar Extranjero'"_s);
    }
    if (prefijo == u"950"_s) return cuitLibre(nro);
    // A stored number cannot change, and numbers imported were judged by the import's own rule:
    // its check digit is checked only when it is typed.
    if (prefijo == u"000"_s) {
        if (modificando || validaInscripcion(dialogs(), resto)) return true;
        dialogs().aviso(u"El dígito verificador del número de Inscripción es incorrecto.\n\n"_s,
                        textos::Atencion, Icono::Critico);
        enfocar(mskNroContrib_);
        return false;
    }
    if (!(prefijo > u"900"_s && prefijo < u"925"_s))
        return falla(mskNroContrib_, u"La Jurisdicción indicada no es válida."_s);
    if (modificando || validaConvenioMultilateral(dialogs(), resto)) return true;
    return falla(mskNroContrib_,
                 u"El dígito verificador del número de Convenio Multilateral es incorrecto."_s);
}

// A subject not registered is known by its CUIT alone: another subject with that CUIT, of any
// jurisdiction, is the same party already registered, and the add is abandoned.
bool frmContribuyentes::cuitLibre(const QString& nroContrib)
{
    const QString cuit = mskCUIT_->valor();
    if (cuit.isEmpty()) return true;  // nothing to look for; the CUIT check explains
    const QVariant otro = base().valor(u"SELECT Nro_Contrib FROM Contribuyentes "
                                       u"WHERE CUIT = ? AND Nro_Contrib <> ? "
                                       u"ORDER BY rowid LIMIT 1"_s,
                                       {cuit, nroContrib});
    if (otro.isNull()) return true;
    dialogs().aviso(u"Este contribuyente ya se encuentra registrado\n Nº Inscripción: "_s
                        + otro.toString(),
                    kTituloAplicacion, Icono::Critico);
    cmdCancelarClick();
    return false;
}

void frmContribuyentes::completarValores(QVariantMap& valores)
{
    valores.insert(u"Cod_Tipo"_s,
                   tipoDeSujeto(mskNroContrib_->valor(), chkConstancia_->isChecked()));
}
