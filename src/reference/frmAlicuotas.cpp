#include "reference/frmAlicuotas.h"

#include "common/contexto.h"
#include "common/regimenes.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "forms/eventos_foco.h"
#include "forms/textos_formularios.h"
#include "reference/valores_pantalla.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

std::vector<ColumnaGrilla> columnas()
{
    //        field          caption        alignment          width resizable
    std::vector<ColumnaGrilla> c = {
        {u"Cod_Regimen"_s, u"Régimen"_s,  Qt::AlignHCenter, 8, false},
        {u"Cod_Tipo"_s,    u"Tipo"_s,     Qt::AlignHCenter, 4, false},
        {u"Alicuota"_s,    u"Alícuota"_s, Qt::AlignRight,   8, false},
    };
    c[2].formato = pantalla::tasaDesdeColumna;
    return c;
}

// The subject types: an item's position is its code, which is also its first character.
const QStringList kTipos = {
    u"0 - Obligado Directo"_s,
    u"1 - Convenio Multilateral Jurisdicción Tresvalle"_s,
    u"2 - Convenio Multilateral Jurisdicción Foranea"_s,
    u"3 - Presentó Constancia de No Retención"_s,
    u"4 - Extranjero"_s,
    u"5 - Comisiones a Org. y/o Prod. de Seguros"_s,
    u"6 - Otros"_s,
    u"7 - Otros"_s,
    u"8 - Utilizados x Sistema"_s,
    u"9 - Utilizados x Sistema"_s,
};

} // namespace

frmAlicuotas::frmAlicuotas(Contexto& contexto, QWidget* parent)
    : FormularioDe(contexto,
                         {.nombre = u"frmAlicuotas"_s,
                          .titulo = u"Alícuotas"_s,
                          .tabla = u"Alicuotas"_s,
                          .nombreGrilla = u"dbgAlicuotas"_s,
                          .nombreMarco = u"fraAlicuota"_s,
                          .ayudaGrilla = {},
                          .conOrden = false,
                          .textoModificar = u"Modificar"_s},
                         parent),
      txtCodReg_(caja(u"txtCodReg"_s, CajaTexto::Tipo::Codigo, 2)),
      lblDescReg_(new QLabel(marco())),
      cboTipo_(new QComboBox(marco())),
      txtAlic_(caja(u"txtAlic"_s, CajaTexto::Tipo::Importe, 5))
{
    lblDescReg_->setObjectName(u"lblDescReg"_s);
    cboTipo_->setObjectName(u"cboTipo"_s);
    cboTipo_->addItems(kTipos);
    cboTipo_->setCurrentIndex(-1);
    txtAlic_->setText(u"0"_s);

    QGridLayout* r = rejilla();
    r->addWidget(etiqueta(u"Régimen :"_s, txtCodReg_), 0, 0);
    r->addWidget(txtCodReg_, 0, 1);
    r->addWidget(lblDescReg_, 0, 2, 1, 2);
    r->addWidget(etiqueta(u"Tipo :"_s, cboTipo_), 1, 0);
    r->addWidget(cboTipo_, 1, 1, 1, 3);
    r->addWidget(etiqueta(u"Alícuota :"_s, txtAlic_), 2, 0);
    r->addWidget(txtAlic_, 2, 1);
    r->setColumnStretch(3, 1);

    // No column orders: the rates always show by regime and then type.
    setColumnas(columnas(), u"Cod_Regimen, Cod_Tipo"_s);
    enlazar(u"Cod_Regimen"_s, txtCodReg_);
    enlazar(
        u"Alicuota"_s,
        [this] {
            const auto alicuota = Importe::leer(txtAlic_->text().trimmed(),
                                                entorno().separadorDecimal());
            return alicuota ? alicuota->aColumna() : QVariant();
        },
        [this](const QVariant& v) {
            txtAlic_->setText(v.isNull() ? QString() : pantalla::tasaDesdeColumna(v));
        });
    setFocos(txtCodReg_, txtAlic_);
    setClaveRepetida(u"Ya existe un registro con esos datos,"_s, txtCodReg_);
    setPreguntaBorrar(u"¿Confirma la eliminación de la alícuota seleccionada?"_s);
    setVerificaciones({
        {[this] {
             // As if the box had been left: Grabar may come straight from it.
             buscarRegimen();
             return !lblDescReg_->text().trimmed().isEmpty();
         },
         u"El régimen indicado no está cargado en el sistema."_s, txtCodReg_},
        {[this] { return cboTipo_->currentIndex() >= 0; },
         u"Debe indicar el tipo de inscripción."_s, cboTipo_},
        {[this] {
             if (!reglasRegimen(txtCodReg_->text()).alicuotasFijas) return true;
             dialogs().aviso(u"No está permitido modificar esta alicuota. Para más información, "
                             u"comuníquese con La Orvalen"_s);
             return false;
         },
         {}, nullptr},
        // A rate refused when its box was left must not be stored by a Grabar that follows.
        {[this] { return revisarAlicuota(); }, {}, txtAlic_},
    });

    alSalir(txtCodReg_, [this] {
        if (modo() != Modo::Navegando) protegido()([this] { buscarRegimen(); });
    });
    alSalir(txtAlic_, [this] {
        if (modo() != Modo::Navegando && !revisarAlicuota()) volverA(txtAlic_);
    });

    resize(640, 480);
    iniciar();
}

void frmAlicuotas::buscarRegimen()
{
    const QString trim = txtCodReg_->text().trimmed();
    const QString codigo = QString::number(trim.isEmpty() ? 0 : trim.toInt()).rightJustified(2, u'0');
    txtCodReg_->setText(codigo);
    lblDescReg_->setText(
        base().valor(u"SELECT Descripcion FROM Regimenes WHERE Cod_Regimen = ?"_s, {codigo})
            .toString());
}

bool frmAlicuotas::revisarAlicuota()
{
    if (txtAlic_->text().trimmed().isEmpty()) {
        txtAlic_->setText(u"0"_s);
        return true;
    }
    switch (pantalla::controlarTasa(txtAlic_->text(), entorno().separadorDecimal())) {
    case pantalla::EstadoTasa::NoEsNumero:
        dialogs().aviso(u"La alícuota ingresada no es un número válido."_s, textos::AtencionPuntos,
                        Icono::Informacion);
        return false;
    case pantalla::EstadoTasa::SuperaMaximo:
        dialogs().aviso(pantalla::mensajeTasaMaxima(), textos::AtencionPuntos, Icono::Informacion);
        return false;
    case pantalla::EstadoTasa::Valida:
        break;
    }
    const auto alicuota = Importe::leer(txtAlic_->text().trimmed(), entorno().separadorDecimal());
    txtAlic_->setText(pantalla::tasa(*alicuota));
    return true;
}

void frmAlicuotas::valoresIniciales()
{
    txtAlic_->setText(u"0"_s);
    lblDescReg_->clear();
    cboTipo_->setCurrentIndex(-1);
}

void frmAlicuotas::mostrarNoEnlazados(const Alicuota& alicuota)
{
    bool numero = false;
    const int tipo = alicuota.codTipo.toInt(&numero);
    cboTipo_->setCurrentIndex(numero && tipo >= 0 && tipo < cboTipo_->count() ? tipo : -1);
    buscarRegimen();
}

void frmAlicuotas::completarValores(QVariantMap& valores)
{
    valores.insert(u"Cod_Tipo"_s, cboTipo_->currentText().left(1));
}

void frmAlicuotas::sinFilas()
{
    txtCodReg_->clear();
    txtAlic_->setText(u"0"_s);
    lblDescReg_->clear();
    cboTipo_->setCurrentIndex(-1);
}
