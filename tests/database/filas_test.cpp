// The typed rows: each reader fills every field of its struct from a row of its table, so that a
// field name mistyped in a reader shows here rather than as a silently empty value.

#include "database/filas.h"
#include "support/entorno_prueba.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class FilasTest : public ::testing::Test {
protected:
    // Inserts a row and reads it back whole, as the forms read the rows of their grids.
    QSqlRecord insertarYLeer(const QString& tabla, const QString& campos, const QVariantList& valores)
    {
        QStringList marcas;
        for (qsizetype i = 0; i < valores.size(); ++i) marcas << u"?"_s;
        e.base.ejecutar(u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(tabla, campos, marcas.join(u", "_s)),
                        valores);
        return *e.base.fila(u"SELECT * FROM %1 WHERE rowid = ?"_s.arg(tabla), {e.base.ultimoId()});
    }

    EntornoDePrueba e;
};

TEST_F(FilasTest, LasTablasDeReferenciaSeLeenCampoPorCampo)
{
    const Contribuyente s = contribuyenteDe(
        insertarYLeer(u"Contribuyentes"_s, u"Nro_Contrib, CUIT, Razon_Social, Domicilio, Cod_Tipo"_s,
                      {u"9010000017"_s, u"20123456786"_s, u"LA RAZON"_s, u"EL DOMICILIO"_s, u"3"_s}));
    EXPECT_EQ(s.nroContrib, u"9010000017"_s);
    EXPECT_EQ(s.cuit, u"20123456786"_s);
    EXPECT_EQ(s.razonSocial, u"LA RAZON"_s);
    EXPECT_EQ(s.domicilio, u"EL DOMICILIO"_s);
    EXPECT_EQ(s.codTipo, u"3"_s);

    const Concepto c = conceptoDe(insertarYLeer(u"Conceptos"_s, u"Cod_Concepto, Descripcion"_s,
                                                {u"Z7"_s, u"UN CONCEPTO"_s}));
    EXPECT_EQ(c.codConcepto, u"Z7"_s);
    EXPECT_EQ(c.descripcion, u"UN CONCEPTO"_s);

    const Alicuota a = alicuotaDe(insertarYLeer(u"Alicuotas"_s, u"Cod_Regimen, Cod_Tipo, Alicuota"_s,
                                                {u"97"_s, u"5"_s, Importe::desdeCentavos(250).aColumna()}));
    EXPECT_EQ(a.codRegimen, u"97"_s);
    EXPECT_EQ(a.codTipo, u"5"_s);
    EXPECT_EQ(a.alicuota, Importe::desdeCentavos(250));

    const Vencimiento v = vencimientoDe(insertarYLeer(u"Vencimientos"_s, u"Anio, Mes, Fecha"_s,
                                                      {2031, 7, u"2031-08-15"_s}));
    EXPECT_EQ(v.anio, 2031);
    EXPECT_EQ(v.mes, 7);
    EXPECT_EQ(v.fecha, QDate(2031, 8, 15));

    const Tipo t = tipoDe(insertarYLeer(u"Tipos"_s, u"Clase, Tipo, Descripcion, Valor"_s,
                                        {9, 42, u"UN TIPO"_s, Importe::desdeEntero(12).aColumna()}));
    EXPECT_EQ(t.clase, 9);
    EXPECT_EQ(t.tipo, 42);
    EXPECT_EQ(t.descripcion, u"UN TIPO"_s);
    EXPECT_EQ(t.valor, Importe::desdeEntero(12));

    const Grano g = granoDe(insertarYLeer(u"Granos"_s, u"Grano, Nombre"_s, {97, u"UN GRANO"_s}));
    EXPECT_EQ(g.grano, 97);
    EXPECT_EQ(g.nombre, u"UN GRANO"_s);
}

TEST_F(FilasTest, LasRemesasMultasEIntervencionesSeLeenCampoPorCampo)
{
    const Remesa r = remesaDe(insertarYLeer(
        u"Remesas"_s, u"Nro_Remesa, TipoEstampilla, Nro_Agente, Nro_desde, Nro_Hasta, Fecha, Hora"_s,
        {15, u"B"_s, u"123459"_s, 1001, 1500, u"2024-05-10"_s, u"10:30:00"_s}));
    EXPECT_GT(r.nroClave, 0);
    EXPECT_EQ(r.nroRemesa, 15);
    EXPECT_EQ(r.tipoEstampilla, u"B"_s);
    EXPECT_EQ(r.nroAgente, u"123459"_s);
    EXPECT_EQ(r.nroDesde, 1001);
    EXPECT_EQ(r.nroHasta, 1500);
    EXPECT_EQ(r.fecha, QDate(2024, 5, 10));
    EXPECT_EQ(r.hora, QTime(10, 30));

    const MultaCobrada m = multaCobradaDe(insertarYLeer(
        u"Multas_cobradas"_s,
        u"IdCabecera, Nro_Comprobante, CodPolicia, Importe_Multa, Fecha_cobro, Hora_Cobro, Cod_Turno"_s,
        {7, u"00000012"_s, 3, Importe::desdeEntero(500).aColumna(), u"2024-05-11"_s, u"08:05:00"_s,
         4}));
    EXPECT_EQ(m.idCabecera, 7);
    EXPECT_EQ(m.nroComprobante, u"00000012"_s);
    EXPECT_EQ(m.codPolicia, 3);
    EXPECT_EQ(m.importeMulta, Importe::desdeEntero(500));
    EXPECT_EQ(m.fechaCobro, QDate(2024, 5, 11));
    EXPECT_EQ(m.horaCobro, QTime(8, 5));
    EXPECT_EQ(m.codTurno, 4);
    // A receipt is found by its declaration and number alone.
    ASSERT_TRUE(leerMultaCobrada(e.base, {7, u"00000012"_s}));
    EXPECT_FALSE(leerMultaCobrada(e.base, {8, u"00000012"_s}));

    const Intervencion i = intervencionDe(insertarYLeer(
        u"Intervenciones"_s,
        u"IdCabecera, Nro_Carta_Porte, Grano, Nro_Oblea, CodPolicia, Fecha, Cuit_Remitente, "
        u"Procedencia, Movimiento"_s,
        {7, u"0012-00000345"_s, 5, u"B0000045"_s, 3, u"2024-05-12"_s, u"20123456786"_s,
         u"ROSARIO"_s, true}));
    EXPECT_EQ(i.idCabecera, 7);
    EXPECT_EQ(i.nroCartaPorte, u"0012-00000345"_s);
    EXPECT_EQ(i.grano, 5);
    EXPECT_EQ(i.nroOblea, u"B0000045"_s);
    EXPECT_EQ(i.codPolicia, 3);
    EXPECT_EQ(i.fecha, QDate(2024, 5, 12));
    EXPECT_EQ(i.cuitRemitente, u"20123456786"_s);
    EXPECT_EQ(i.procedencia, u"ROSARIO"_s);
    EXPECT_TRUE(i.movimiento);
}

} // namespace
