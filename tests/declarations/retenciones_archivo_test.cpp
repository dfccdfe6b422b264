// The withholdings a declaration's file is written from, read as the file reads them: every
// column in its field, the subject's and the other withholdings' rows of this declaration only.

#include "support/base_declaraciones.h"

namespace {

using namespace prueba_declaraciones;
using namespace Qt::Literals::StringLiterals;

class RetencionesArchivoTest : public BaseDeclaraciones {};

QString importe(const std::optional<Importe>& i)
{
    return i ? i->conPunto() : u"(nada)"_s;
}

// Every field of the row, in the order of the struct.
QStringList campos(const RetencionDelArchivo& f)
{
    const Retencion& r = f.retencion;
    return {QString::number(r.idCabecera), r.nroContrib, r.dia, importe(r.importeBruto),
            importe(r.alicuota), importe(r.importeRet), r.nroX, r.codConcepto,
            r.nroComprobante, r.estado, r.marcaImp, f.cuit, f.codTipo, importe(f.otras)};
}

TEST_F(RetencionesArchivoTest, CadaColumnaEnSuCampoYLaAlicuotaMayorPrimero)
{
    const qint64 id = cabecera();
    const qint64 otra = cabecera({.sucursal = u"0002"_s});
    // Stored in this order; the file reads them by rate, highest first, then as stored.
    retencion(id, {.comprobante = u"00000001"_s, .dia = u"03"_s, .bruto = "1000.00",
                   .alicuota = "2.5", .retenido = "25.00", .nroX = u"A-1"_s,
                   .concepto = u"02"_s, .marca = u"I"_s});
    otrasRetenciones(id, u"00000001"_s, "125.50");
    retencion(id, {.comprobante = u"00000002"_s, .nroContrib = u"0009876543"_s,
                   .dia = u"04"_s, .bruto = "-200.00", .alicuota = "3.5", .retenido = "-7.00",
                   .estado = u"4"_s, .marca = u"E"_s});
    // A subject no longer on file; another branch's declaration has other withholdings under
    // the same receipt number, and a withholding of its own.
    retencion(id, {.comprobante = u"00000003"_s, .nroContrib = u"0005555555"_s,
                   .bruto = "300.00", .retenido = "7.50"});
    otrasRetenciones(otra, u"00000003"_s, "99.99");
    retencion(otra, {.comprobante = u"00000004"_s, .alicuota = "9"});

    const QString n = QString::number(id);
    const QStringList esperadas[] = {
        {n, u"0009876543"_s, u"04"_s, u"-200.00"_s, u"3.50"_s, u"-7.00"_s, u"0"_s, u"01"_s,
         u"00000002"_s, u"4"_s, u"E"_s, u"27234567891"_s, u"1"_s, u"(nada)"_s},
        {n, u"0001234567"_s, u"03"_s, u"1000.00"_s, u"2.50"_s, u"25.00"_s, u"A-1"_s, u"02"_s,
         u"00000001"_s, u"5"_s, u"I"_s, u"20123456786"_s, u"0"_s, u"125.50"_s},
        {n, u"0005555555"_s, u"05"_s, u"300.00"_s, u"2.50"_s, u"7.50"_s, u"0"_s, u"01"_s,
         u"00000003"_s, u"5"_s, u""_s, u""_s, u""_s, u"(nada)"_s},
    };
    const auto filas = retencionesDelArchivo(id);
    ASSERT_EQ(filas.size(), std::size(esperadas));
    for (std::size_t i = 0; i < filas.size(); ++i)
        EXPECT_EQ(campos(filas[i]), esperadas[i]) << i;
}

} // namespace
