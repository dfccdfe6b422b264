// "Detalle de Intervenciones" of the Informes menu: the question, the selection of the active
// declaration, and every intervention read back from the PDF by officer.

#include "police/detalle_intervenciones.h"

#include "support/datos_policiales.h"
#include "support/impresora_guionada.h"
#include "support/pdf_prueba.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(DetalleIntervenciones, LasDeLaDeclaracionActivaPorPolicia)
{
    DatosPoliciales f;
    const qint64 otra = f.nuevaCabecera(u"13"_s, u"06"_s);
    const auto intervencion = [&](qint64 id, const char* porte, qint64 policia, int grano,
                                  const char* oblea, bool ingreso) {
        f.sql("INSERT INTO Intervenciones (IdCabecera, Nro_Carta_Porte, Grano, Nro_Oblea, "
              "CodPolicia, Fecha, Cuit_Remitente, Procedencia, Movimiento) "
              "VALUES (?, ?, ?, ?, ?, '2008-05-12', '20123456786', 'PERGAMINO', ?)",
              {id, QString::fromLatin1(porte), grano, QString::fromLatin1(oblea), policia, ingreso});
    };
    intervencion(f.idCabecera, "0001-00000001", f.garcia, 1, "A0000001", false);
    intervencion(f.idCabecera, "0001-00000002", f.lopez, 2, " ", true);
    intervencion(f.idCabecera, "0001-00000003", f.garcia, 1, "B0000002", false);
    intervencion(otra, "0009-00000009", f.garcia, 1, "C0000009", false);
    f.sql("DELETE FROM Policias WHERE CodPolicia = ?", {f.lopez});

    {
        ImpresoraGuionada impresora;
        f.dialogs.respuestas = {Respuesta::No};
        imprimirDetalleIntervenciones(f.contexto, impresora);
        EXPECT_TRUE(impresora.trabajos.empty());
        EXPECT_EQ(f.dialogs.mensajes.back().titulo, u"¿Confirmar Impresión?"_s);
    }
    const QString pdf = f.carpeta.ruta(u"detalle.pdf"_s);
    ImpresoraGuionada impresora(f.base, pdf);
    f.dialogs.respuestas = {Respuesta::Si};
    imprimirDetalleIntervenciones(f.contexto, impresora);
    ASSERT_EQ(impresora.trabajos.size(), 1U);
    EXPECT_EQ(impresora.trabajos[0].reporte, u"DetalleIntervenciones.rpt"_s);
    EXPECT_EQ(impresora.trabajos[0].seleccion.value(u"IdCabecera"_s).toLongLong(), f.idCabecera);

    const QString texto = pdf::texto(pdf);
    for (const QString& e :
         {u"DETALLE DE INTERVENCIONES"_s, u"Mayo de 2008"_s, u"GARCIA JUAN"_s,
          u"Nº %1 (no registrado)"_s.arg(f.lopez), u"0001-00000001"_s, u"0001-00000002"_s,
          u"A0000001"_s, u"B0000002"_s, u"20-12345678-6"_s, u"PERGAMINO"_s, u"12/05/2008"_s,
          u"Sí"_s, u"2 intervención(es)"_s, u"3 intervención(es)"_s})
        EXPECT_TRUE(texto.contains(e)) << e.toStdString() << "\n" << texto.toStdString();
    EXPECT_FALSE(texto.contains(u"C0000009"_s));
}

} // namespace
