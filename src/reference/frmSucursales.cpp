#include "reference/frmSucursales.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr Qt::Alignment kIzquierda = Qt::AlignLeft;
constexpr Qt::Alignment kCentro = Qt::AlignHCenter;

std::vector<ColumnaGrilla> columnas()
{
    //        field              caption           alignment  width resizable order label
    std::vector<ColumnaGrilla> c = {
        {u"Sucursal"_s,        u"Sucursal"_s,    kCentro,     6, false, u"  Ordenadas por: Nº de Sucursal"_s},
        {u"Nro_Comprobante"_s, u"Comprobante"_s, kCentro,     9, false},
        {u"Descripcion"_s,     u"Dirección"_s,   kIzquierda, 20, true,  u"  Ordenadas por: Dirección"_s},
        {u"Localidad"_s,       u"Localidad"_s,   kIzquierda, 20, false, u"  Ordenadas por: Localidad"_s},
        {u"Nro_Agente"_s,      {},               kIzquierda,  0, false},
    };
    c.back().oculta = true;
    return c;
}

} // namespace

frmSucursales::frmSucursales(Contexto& contexto, QWidget* parent)
    : FormularioDe(contexto,
                         {.nombre = u"frmSucursales"_s,
                          .titulo = u"Administración de Sucursales"_s,
                          .tabla = u"Sucursales"_s,
                          .nombreGrilla = u"dbgSucursales"_s,
                          .nombreMarco = u"fraSucursal"_s,
                          .ayudaGrilla = u"Para ordenar por Sucursal, Dirección o Localidad haga un "
                                         u"click sobre el encabezado de la columna correspondiente."_s,
                          .femenino = true,
                          .activar = true},
                         parent),
      agente_(contexto.entorno.agente()),
      mskSucursal_(caja(u"mskSucursal"_s, CajaTexto::Tipo::Codigo, 4)),
      mskNroComprobante_(caja(u"mskNroComprobante"_s, CajaTexto::Tipo::Codigo, 8)),
      txtDescripcion_(caja(u"txtDescripcion"_s, CajaTexto::Tipo::Mayusculas, 30)),
      txtLocalidad_(caja(u"txtLocalidad"_s, CajaTexto::Tipo::Mayusculas, 20))
{
    mskSucursal_->setCeros(4);
    mskNroComprobante_->setCeros(8);
    // Only the entry forms and the import move a branch's receipt counter.
    mskNroComprobante_->setEnabled(false);

    QGridLayout* r = rejilla();
    r->addWidget(etiqueta(u"Sucursal:"_s, mskSucursal_), 0, 0);
    r->addWidget(mskSucursal_, 0, 1);
    r->addWidget(etiqueta(u"Nº Comprobante:"_s, mskNroComprobante_), 0, 2, Qt::AlignRight);
    r->addWidget(mskNroComprobante_, 0, 3);
    r->addWidget(etiqueta(u"Dirección:"_s, txtDescripcion_), 1, 0);
    r->addWidget(txtDescripcion_, 1, 1, 1, 4);
    r->addWidget(etiqueta(u"Localidad:"_s, txtLocalidad_), 2, 0);
    r->addWidget(txtLocalidad_, 2, 1, 1, 3);
    r->setColumnStretch(4, 1);

    setFiltro(u"Nro_Agente = ?"_s, {agente_});
    setColumnas(columnas());
    enlazar(u"Sucursal"_s, mskSucursal_);
    enlazar(u"Nro_Comprobante"_s, mskNroComprobante_);
    enlazar(u"Descripcion"_s, txtDescripcion_);
    enlazar(u"Localidad"_s, txtLocalidad_);
    setClaves({mskSucursal_});
    setFocos(mskSucursal_, txtLocalidad_);
    setClaveRepetida(u"Ya se encuentra registrada una sucursal con ese número,"_s, mskSucursal_);
    setPreguntaBorrar(u"¿Confirma la eliminación de la Sucursal seleccionada?"_s);
    setVerificaciones({
        {[this] { return !txtDescripcion_->text().trimmed().isEmpty(); },
         u"Debe ingresar una Descripción."_s, txtDescripcion_},
        {[this] { return !txtLocalidad_->text().trimmed().isEmpty(); },
         u"Debe ingresar una localidad."_s, txtLocalidad_},
    });
    setGuardas({
        {[this] {
             return base().existe(
                 u"SELECT Sucursal FROM Cabeceras WHERE Nro_Agente = ? AND Sucursal = ?"_s,
                 {agente_, mskSucursal_->valor()});
         },
         u"Hay cabeceras generadas para esta sucursal."_s},
    });

    resize(720, 480);
    iniciar();
}

void frmSucursales::completarValores(QVariantMap& valores)
{
    valores.insert(u"Nro_Agente"_s, agente_);
}

bool frmSucursales::esActiva(const QString& sucursal) const
{
    return entorno().sucursalActual().has_value() && entorno().agente() == agente_
        && entorno().sucursal() == sucursal;
}

void frmSucursales::grabado(const Sucursal& sucursal, bool agregando)
{
    if (agregando || !esActiva(sucursal.sucursal)) return;
    // The active branch was changed: the environment and its panel follow at once.
    entorno().releerSucursal();
}

QString frmSucursales::preguntaBorrar(const Sucursal& sucursal) const
{
    if (esActiva(sucursal.sucursal))
        return sucursal.sucursal + u" es la sucursal activa.\n¿Confirma su eliminación?"_s;
    return FormularioDe::preguntaBorrar(sucursal);
}

void frmSucursales::borrado(const Sucursal& sucursal)
{
    if (esActiva(sucursal.sucursal)) entorno().limpiarSucursalActual();
}

void frmSucursales::activar()
{
    if (const auto sucursal = filaActual()) entorno().activarSucursal(sucursal->sucursal);
}
