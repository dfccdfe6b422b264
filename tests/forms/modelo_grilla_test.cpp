// The grid's rows and a row's position in each order, with empty values, repeated ones and both
// directions: pages read from the end and positions counted on the keys must agree with the whole
// query sorted at once.

#include "database/base_datos.h"
#include "database/transaccion.h"
#include "forms/modelo_grilla.h"
#include "support/carpeta_temporal.h"

#include <gtest/gtest.h>

namespace {

// More than five pages of 200, the last one short; the filter leaves out every seventh row.
constexpr int kFilas = 1123;

struct TablaDePrueba {
    CarpetaTemporal carpeta;
    BaseDatos base;

    TablaDePrueba()
    {
        base.crear(carpeta.base());
        base.ejecutar(QStringLiteral("CREATE TABLE T (Grupo TEXT, Letra TEXT, Numero INTEGER)"));
        base.ejecutar(QStringLiteral("CREATE INDEX xLetra ON T (Grupo, Letra)"));
        Transaccion transaccion(base);
        for (int i = 0; i < kFilas; ++i) {
            // Few distinct letters, so most rows tie and the rowid decides; some have none.
            const QVariant letra = i % 11 == 0 ? QVariant() : QVariant(QString(QChar(u'A' + i % 5)));
            base.ejecutar(QStringLiteral("INSERT INTO T (Grupo, Letra, Numero) VALUES (?, ?, ?)"),
                          {i % 7 == 0 ? QStringLiteral("otro") : QStringLiteral("uno"), letra,
                           (i * 37) % 101});
        }
        transaccion.confirmar();
    }

    // The rowids of the filtered rows in `orden`, sorted whole by the engine.
    std::vector<qint64> esperadas(const QString& orden)
    {
        std::vector<qint64> ids;
        const QString sql = QStringLiteral("SELECT rowid FROM T WHERE Grupo = ? ORDER BY ")
            + (orden.isEmpty() ? QString() : orden + QStringLiteral(", ")) + QStringLiteral("rowid");
        for (const QSqlRecord& f : base.filas(sql, {QStringLiteral("uno")}))
            ids.push_back(f.value(0).toLongLong());
        return ids;
    }
};

TEST(ModeloGrilla, CadaOrdenLeePaginasYPosicionesComoLaConsultaEntera)
{
    TablaDePrueba t;
    ModeloGrilla modelo(t.base);
    modelo.setFuente(QStringLiteral("T"), QStringLiteral("Grupo = ?"), {QStringLiteral("uno")});
    std::vector<ColumnaGrilla> columnas(2);
    columnas[0].campo = QStringLiteral("Letra");
    columnas[1].campo = QStringLiteral("Numero");
    modelo.setColumnas(columnas);

    for (const char* orden : {"", "Letra", "Letra DESC", "Letra, Numero DESC", "Numero DESC, Letra",
                              "lower(Letra) ASC, Numero"}) {
        SCOPED_TRACE(orden);
        modelo.consultar(QString::fromLatin1(orden));
        const std::vector<qint64> esperadas = t.esperadas(QString::fromLatin1(orden));
        ASSERT_EQ(modelo.rowCount(), int(esperadas.size()));
        // From the last row up, as a click on a header shows it, then every row's place.
        for (int fila = modelo.rowCount() - 1; fila >= 0; --fila)
            ASSERT_EQ(modelo.idFila(fila), esperadas[std::size_t(fila)]) << "fila " << fila;
        for (int fila = 0; fila < int(esperadas.size()); ++fila)
            ASSERT_EQ(modelo.posicion(esperadas[std::size_t(fila)]), fila) << "fila " << fila;
    }
    // A row the filter leaves out has no place.
    const qint64 fuera =
        t.base.valor(QStringLiteral("SELECT rowid FROM T WHERE Grupo = 'otro' LIMIT 1")).toLongLong();
    EXPECT_EQ(modelo.posicion(fuera), std::nullopt);
}

} // namespace
