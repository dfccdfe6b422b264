// The police receipt's stamps are kept in the same window as the grain regimes' stamps, opened
// through the entry forms' detail seam.

#include "details/apertura_detalle.h"
#include "police/frmRetencionesC.h"

#include "support/datos_policiales.h"

#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(DetallePolicial, LasObleasDelComprobantePolicialEnSuVentana)
{
    DatosPoliciales f;
    f.turno("2008-05-17", "08:00:00", {100, 50, 0, 0});
    ServiciosEntrada servicios;
    servicios.detalle = [&f](QWidget* duenio, const ComprobanteDetalle& comprobante) {
        return abrirDetalleComprobante(f.contexto, duenio, comprobante);
    };
    frmRetencionesC form(f.contexto, servicios);
    form.show();
    QApplication::processEvents();
    pulsar(form, u"cmdAgregar"_s);
    f.dialogs.alAbrir = [](QDialog& v) {
        EXPECT_EQ(v.windowTitle(), u"Carga de Obleas"_s);
        pulsar(v, u"cmdAgregar"_s);
        for (const auto& [caja, valor] : {std::pair{u"mskCodConcepto"_s, u"1"_s},
                                          {u"TxtNroGuia"_s, u"a1"_s}, {u"TxtPorte1"_s, u"1"_s},
                                          {u"TxtPorte2"_s, u"2222"_s}}) {
            escribir(v, caja, valor);
            salirDe(v, caja);
        }
        pulsar(v, u"cmdGrabar"_s);
        pulsar(v, u"cmdSalir"_s);
    };
    pulsar(form, u"Cmd_Guias"_s);
    EXPECT_EQ(f.dialogs.textosMostrados(), QStringList());
    EXPECT_EQ(control<QLabel>(form, u"LblImporte"_s)->text(), u"$ 65,00"_s);
    EXPECT_EQ(control<QLabel>(form, u"LblMulta"_s)->text(), u"$ 195,00"_s);
    EXPECT_EQ(f.valor("SELECT Nro_Comprobante || ' ' || NroGuia || ' ' || Nro_porte FROM Guias")
                  .toString(),
              u"0 A0000001 0001-00002222"_s);
}

} // namespace
