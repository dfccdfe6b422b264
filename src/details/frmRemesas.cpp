#include "details/frmRemesas.h"

#include "common/contexto.h"
#include "common/obleas.h"
#include "common/regimenes.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "details/numero_control.h"
#include "forms/eventos_foco.h"
#include "forms/textos_formularios.h"
#include "platform/reloj.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr Qt::Alignment kCentro = Qt::AlignHCenter;
constexpr Qt::Alignment kDerecha = Qt::AlignRight;

// The stamp types a remittance can deliver: "A" to "D" (types 1 to 4) and "Z" (type 26).
const QString kLetras = u"ABCDZ"_s;

QString agenteConGuion(const QString& agente)
{
    return agente.left(5) + u'-' + agente.mid(5, 1);
}

std::vector<ColumnaGrilla> columnas()
{
    const QString porRemesa = u"  Ordenados por: Nº Remesa"_s;
    const QString porRango = u"  Ordenados por: Nº Desde/Hasta"_s;
    //        field              caption          alignment width resizable order label  ORDER BY
    std::vector<ColumnaGrilla> c = {
        {u"Nro_clave"_s,      u"Nro_clave"_s,  kCentro,   8, false, porRemesa, u"Nro_Remesa"_s},
        {u"Nro_Remesa"_s,     u"Nº Remesa"_s,  kCentro,  10, false, porRemesa, u"Nro_Remesa"_s},
        {u"Nro_Agente"_s,     u"Nro_Agente"_s, kCentro,   8, false},
        {u"TipoEstampilla"_s, u"Tipo"_s,       kCentro,   4, false, u"  Ordenados por: Tipo"_s},
        {u"Nro_desde"_s,      u"Nº desde"_s,   kDerecha, 10, false, porRango, u"Nro_desde"_s},
        {u"Nro_Hasta"_s,      u"Nº Hasta"_s,   kDerecha, 10, false, porRango, u"Nro_desde"_s},
    };
    c[2].formato = [](const QVariant& v) { return agenteConGuion(v.toString()); };
    return c;
}

QVariant numeroOVacio(const QString& texto)
{
    bool ok = false;
    const qint64 n = texto.trimmed().toLongLong(&ok);
    return ok ? QVariant(n) : QVariant();
}

} // namespace

frmRemesas::frmRemesas(Contexto& contexto, QWidget* parent)
    : FormularioDe(contexto,
                         {.nombre = u"frmRemesas"_s,
                          .titulo = u"Remesas"_s,
                          .tabla = u"Remesas"_s,
                          .nombreGrilla = u"dbgRemesas"_s,
                          .nombreMarco = u"fraRemesas"_s,
                          .ayudaGrilla = textos::AyudaOrdenar,
                          .modificar = false,
                          .borrar = false,
                          .ayuda = false,
                          // The agent's column keeps the order: its rows are all the agent's.
                          .releerSinOrden = true},
                         parent),
      agente_(contexto.entorno.agente()),
      txtAgente_(new QLineEdit(marco())),
      txtRemesa_(caja(u"TxtRemesa"_s, CajaTexto::Tipo::Codigo, 10)),
      txtTipo_(caja(u"txtTipo"_s, CajaTexto::Tipo::Mayusculas, 1)),
      txtDesde_(caja(u"TxtDesde"_s, CajaTexto::Tipo::Codigo, 10)),
      txtHasta_(caja(u"TxtHasta"_s, CajaTexto::Tipo::Codigo, 10)),
      txtControl_(caja(u"TxtControl"_s, CajaTexto::Tipo::Codigo, 30))
{
    prepararCampos();
    disponerCampos();
    crearBotonStock();
    setFiltro(u"Nro_Agente = ?"_s, {agente_});
    setColumnas(columnas());
    enlazarCampos();
    setFocos(txtRemesa_, txtRemesa_);
    setClaveRepetida(u"Ya existe un registro con ese Nº de Remesa,"_s, txtRemesa_);
    ponerVerificaciones();

    resize(760, 480);
    iniciar();
}

void frmRemesas::prepararCampos()
{
    txtAgente_->setObjectName(u"TxtAgente"_s);
    txtAgente_->setReadOnly(true);
    txtAgente_->setText(agenteConGuion(agente_));
    filtrarTeclas(txtTipo_, [](const QKeyEvent& tecla) {
        const QString t = tecla.text();
        return t.size() == 1 && t.front().isPrint() && !kLetras.contains(t.front().toUpper());
    });
}

void frmRemesas::disponerCampos()
{
    QGridLayout* r = rejilla();
    r->addWidget(etiqueta(u"Nº Agente:"_s, txtAgente_), 0, 0);
    r->addWidget(txtAgente_, 0, 1);
    r->addWidget(etiqueta(u"Nº Remesa:"_s, txtRemesa_), 0, 2, Qt::AlignRight);
    r->addWidget(txtRemesa_, 0, 3);
    r->addWidget(etiqueta(u"Tipo:"_s, txtTipo_), 0, 4, Qt::AlignRight);
    r->addWidget(txtTipo_, 0, 5);
    r->addWidget(etiqueta(u"Nº desde:"_s, txtDesde_), 1, 0);
    r->addWidget(txtDesde_, 1, 1);
    r->addWidget(etiqueta(u"Nº Hasta:"_s, txtHasta_), 1, 2, Qt::AlignRight);
    r->addWidget(txtHasta_, 1, 3);
    lblControl_ = etiqueta(u"Nº Control:"_s, txtControl_);
    lblControl_->setObjectName(u"LblControl"_s);
    r->addWidget(lblControl_, 2, 0);
    r->addWidget(txtControl_, 2, 1, 1, 3);
    r->setColumnStretch(6, 1);
    txtTipo_->setMaximumWidth(40);
}

void frmRemesas::crearBotonStock()
{
    auto* cmdStock = new QPushButton(u"Consultar StocK"_s);
    cmdStock->setObjectName(u"Cmd_stock"_s);
    agregarBotonAlta(cmdStock);
    connect(cmdStock, &QPushButton::clicked, this,
            [this] { protegido()([this] { cmdStockClick(); }); });
}

void frmRemesas::enlazarCampos()
{
    enlazar(
        u"Nro_Remesa"_s, [this] { return numeroOVacio(txtRemesa_->text()); },
        [this](const QVariant& v) { txtRemesa_->setText(v.isNull() ? QString() : v.toString()); });
    enlazar(u"TipoEstampilla"_s, txtTipo_);
    enlazar(
        u"Nro_desde"_s, [this] { return numeroOVacio(txtDesde_->text()); },
        [this](const QVariant& v) { txtDesde_->setText(v.isNull() ? QString() : v.toString()); });
    enlazar(
        u"Nro_Hasta"_s, [this] { return numeroOVacio(txtHasta_->text()); },
        [this](const QVariant& v) { txtHasta_->setText(v.isNull() ? QString() : v.toString()); });
}

void frmRemesas::ponerVerificaciones()
{
    const auto lleno = [](CajaTexto* c) { return [c] { return !c->text().trimmed().isEmpty(); }; };
    setVerificaciones({
        {lleno(txtRemesa_), u"Debe ingresar el Nº de Remesa"_s, txtRemesa_},
        {lleno(txtTipo_), u"Debe ingresar el Tipo de Oblea"_s, txtTipo_},
        {lleno(txtDesde_), u"Debe ingresar el Nº Desde"_s, txtDesde_},
        {lleno(txtHasta_), u"Debe ingresar el Nº Hasta"_s, txtHasta_},
        {lleno(txtControl_), u"Debe ingresar el Nº de Control"_s, txtControl_},
        {[this] { return controlCorrecto(); }, {}, txtControl_},
        {[this] { return remesaNueva(); }, {}, nullptr},
    });
}

bool frmRemesas::controlCorrecto()
{
    const auto esperado = numeroControlRemesa(
        {agente_, txtRemesa_->text(), txtTipo_->text(), txtDesde_->text(), txtHasta_->text()});
    if (!esperado) {
        // Without a control number computed from the remittance's own figures nothing is proved:
        // the remittance is not registered.
        dialogs().aviso(u"Ocurrió algun error de Tipos al calcular y comparar el nº de control\n"
                        u"13 - No coinciden los tipos"_s,
                        u"Error en Nº de Control"_s, Icono::Critico);
        return false;
    }
    if (controlCoincide(txtControl_->text(), *esperado)) return true;
    dialogs().aviso(u"El Nº de Control es incorrecto"_s, u"Atencion"_s, Icono::Critico);
    return false;
}

bool frmRemesas::remesaNueva()
{
    // Remittance numbers are the agent's own: another agent may hold the same one.
    if (!base().existe(u"SELECT 1 FROM Remesas WHERE Nro_Agente = ? AND Nro_Remesa = ?"_s,
                       {agente_, numeroOVacio(txtRemesa_->text())}))
        return true;
    dialogs().aviso(u"Ya ha cargado la Remesa Nº "_s + txtRemesa_->text(),
                    u"ERROR: Remesa repetida"_s, Icono::Critico);
    return false;
}

void frmRemesas::completarValores(QVariantMap& valores)
{
    valores.insert(u"Nro_Agente"_s, agente_);
    valores.insert(u"Fecha"_s, contexto().reloj.hoy().toString(Qt::ISODate));
    valores.insert(u"Hora"_s, contexto().reloj.ahora().toString(u"HH:mm:ss"_s));
}

void frmRemesas::grabado(const Remesa&, bool)
{
    txtControl_->clear();
}

// The control number is typed only while a remittance is added; what was typed stays for the
// next one until a remittance is saved.
void frmRemesas::ajustarAlModo(Modo modo)
{
    const bool agregando = modo == Modo::Agregando;
    if (lblControl_) lblControl_->setVisible(agregando);
    txtControl_->setVisible(agregando);
}

void frmRemesas::cmdStockClick()
{
    const Entorno& e = entorno();
    if (!e.sucursalActual()) {
        dialogs().aviso(u"Aún no ha seleccionado la Sucursal"_s, kTituloAplicacion, Icono::Critico);
        return;
    }
    // A regime of single "Z" stamps uses type 26 alone; the others, types 1 to 4.
    const bool soloZ = reglasRegimen(e.regimen()).detalle == ModoDetalle::ObleaZ;
    QString texto;
    for (const int tipo : soloZ ? std::vector<int>{26} : std::vector<int>{1, 2, 3, 4}) {
        const qint64 quedan =
            obleasDisponibles(base(), dialogs(), tipo, e.regimen(), agente_, e.sucursal());
        texto += u"Obleas "_s + QChar(char16_t(64 + tipo)) + u": "_s + QString::number(quedan);
        if (!soloZ) texto += u"\n\n"_s;
    }
    dialogs().aviso(texto, u"Stock de Obleas"_s);
}
