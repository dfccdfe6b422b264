// The reference rows every start brings back: what a new install holds, what a later start keeps,
// restores or leaves to the user, and a seed that fails without taking the start down with it.

#include "database/base_datos.h"
#include "database/modifica_base.h"
#include "database/semillas.h"
#include "support/carpeta_temporal.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// Amounts and rates as they are listed ("3.5", "0.07"). One not stored as an integer count of
// ten-thousandths shows as "no entero" and fails every comparison.
QString monto(const QVariant& v)
{
    if (v.isNull()) return QStringLiteral("null");
    if (v.typeId() != QMetaType::LongLong && v.typeId() != QMetaType::Int)
        return QStringLiteral("no entero ") + v.toString();
    const qint64 d = v.toLongLong();
    QString texto = QString::number(d / 10000);
    if (d % 10000 != 0) {
        QString fraccion = QString::number(std::abs(d % 10000)).rightJustified(4, QLatin1Char('0'));
        while (fraccion.endsWith(QLatin1Char('0'))) fraccion.chop(1);
        texto += QLatin1Char('.') + fraccion;
    }
    return texto;
}

// Rows and messages as UTF-8 texts, so a failing comparison prints readably.
using Textos = std::vector<std::string>;

Textos utf8(const QStringList& l)
{
    Textos t;
    for (const QString& s : l) t.push_back(s.toStdString());
    return t;
}

// Each row as its values joined by "|".
Textos filas(BaseDatos& base, const char* sql)
{
    static const QSet<QString> montos{QStringLiteral("Valor"), QStringLiteral("Alicuota"),
                                      QStringLiteral("Tasa"), QStringLiteral("Importe")};
    QStringList resultado;
    for (const QSqlRecord& r : base.filas(QString::fromUtf8(sql))) {
        QStringList valores;
        for (int i = 0; i < r.count(); ++i)
            valores << (montos.contains(r.fieldName(i))
                            ? monto(r.value(i))
                            : (r.isNull(i) ? QStringLiteral("null") : r.value(i).toString()));
        resultado << valores.join(QLatin1Char('|'));
    }
    return utf8(resultado);
}

Textos lista(std::initializer_list<const char*> textos)
{
    return Textos(textos.begin(), textos.end());
}

// A start on a current schema: the upgrade with its seeds, then the main window's seeds.
void arrancar(BaseDatos& base, Dialogs& dialogs)
{
    ASSERT_EQ(ModificaBase(base, dialogs).actualizar(), ResultadoActualizacion::SinCambios);
    sembrarDatosDeReferencia(base, dialogs);
}

const char* const kTipos = "SELECT Clase, Tipo, Descripcion, Valor FROM Tipos ORDER BY Clase, Tipo";
const char* const kGranos = "SELECT Grano, Nombre FROM Granos ORDER BY Grano";
const char* const kParametros = "SELECT TipoParametro, NroParametro, Detalle, Importe, VigenciaD, "
                                "VigenciaH FROM Parametros ORDER BY TipoParametro, NroParametro";
const char* const kRegimenes =
    "SELECT Cod_Regimen, Descripcion, Resolucion FROM Regimenes ORDER BY Cod_Regimen";
const char* const kConceptos = "SELECT Cod_Concepto, Descripcion FROM Conceptos ORDER BY Cod_Concepto";
const char* const kTasas = "SELECT FechaVig, Tasa FROM Tasas ORDER BY FechaVig";
const char* const kAlicuotas =
    "SELECT Cod_Regimen, Cod_Tipo, Alicuota FROM Alicuotas ORDER BY Cod_Regimen, Cod_Tipo";
const char* const kContribuyentes =
    "SELECT Nro_Contrib, Cod_Tipo FROM Contribuyentes ORDER BY Nro_Contrib";

struct TablaEsperada {
    const char* consulta;
    Textos filas;
};

// What a new install holds: the supplied rows ("01" to "06", "00" and "31") and the seeded ones.
const TablaEsperada kInstalada[] = {
    {kTipos,
     lista({"1|1|NOVILLOS|7", "1|2|NOVILLITOS|5", "1|3|VACAS|4", "1|4|VAQUILLONAS|4", "1|5|TOROS|6",
            "1|6|TERNEROS|3.5", "1|7|CONSERVAS|3", "1|8|EQUINOS|3", "1|9|PORCINOS|2",
            "1|10|OVINOS Y CAPRINOS|0.5", "1|11|CIERVOS|4", "1|12|LLAMAS|3", "1|13|ÑANDU|2",
            "1|14|LIEBRE|0.25", "1|15|CUERO DE ZORRO|0.8",
            "2|1|SOJA / GIRASOL / FORRAJERAS|65", "2|2|TRIGO Y RESTO CEREALES INV.|45",
            "2|3|MAIZ / SORGO|25", "2|4|MANI|400",
            "3|1|Bovino (media res)|12", "3|2|Ovino y caprino (res)|2", "3|3|Cerdo por Kg.|0.2",
            "3|4|Aves y conejos por Kg.|0.07", "3|5|Carne trozada por Kg.|0.15",
            "3|6|Menudencias por Kg.|0.1",
            "3|7|Chacinados, fiambres, embutidos, no embutidos, frescos, refrigerados, y/o "
            "congelados, etc., por Kg.|0.35",
            "3|8|Grasa por Kg.|0.15", "3|9|Huevos por docena|0.04",
            "3|10|Productos de caza, cada uno|0.2", "3|11|Pescados y mariscos por Kg.|0.2",
            "3|12|Leche por cada Kg. o litro|0.06",
            "3|13|Derivados de lácteos por cada Kg. o litro(queso, ricota)|0.12",
            "3|14|Otros productos de origen animal o vegetal, por Kg.|0.2",
            "3|15|Conservas por 100 latas|0.1", "3|16|Productos Vegetales por Kg.|0.1",
            "3|17|Harinas por Kg|0.07",
            "3|18|Productos de panificación, pastas frescas y otros elaborados con harinas, por "
            "Kg.|0.12"})},
    {kGranos,
     lista({"1|Afrechillo de trigo", "2|Agropiro", "3|Alfalfa", "4|Alpiste", "5|Avena", "6|Cebada",
            "7|Cebadilla", "8|Centeno", "9|Colza", "10|Expeler de girasol", "11|Expeler de soja",
            "12|Festuca", "13|Girasol", "14|Maiz", "15|Maní", "16|Mijo", "17|Moha",
            "18|Pasto llorón", "19|Pasto ovillo", "20|Salvado de trigo", "21|Soja",
            "22|Sorgo Forrajero", "23|Sorgo Granífero", "24|Trigo", "25|Trigopiro", "26|Triticale",
            "27|Vicia", "99|Otros"})},
    {kParametros, lista({"I|1|Valor Intervención Policial|2|2007-01-01|2050-12-31"})},
    {kRegimenes,
     lista({"01|Retenciones - Régimen General|RG01/00", "02|Percepciones - Régimen General|RG02/00",
            "03|Pagos a Cuenta|RG03/00", "04|Retenciones - Organismos Públicos|RG04/00",
            "05|Percepciones - Empresas de Servicios|RG05/00",
            "06|Percepciones - Con Notas de Crédito|RG06/00",
            "07|Compañías de Seguros|RG42/00", "08|Emp. Comerc. y Prest. de Serv.|RG42/00",
            "09|Municip. Semovientes-Apícolas|RG43/02", "10|Municip. Cereales-Frutihort.|RG43/02",
            "11|Semovientes-Prod. Apícolas|RG43/02", "12|Cereales-Prod. Frutihortícolas|RG43/02",
            "13|Policía-Cereales-Frutihortíc.|RG37/03", "14|Percepciones Frigoríficos|RG26/06",
            "15|Municip.Productos Alimenticios|RG26/06", "16|Percepciones - Remates Ferias|RG31/07"})},
    {kConceptos,
     lista({"00|OPERACIONES EN GENERAL", "31|PERCEPCION EN FAENA", "96|PRODUCTOS ALIMENTICIOS",
            "97|SEMOVIENTES-PROD. APÍCOLAS", "98|CEREALES-PROD. FRUTIHORTÍCOLAS"})},
    {kTasas, lista({"2004-05-01|1.8"})},
    {kAlicuotas,
     lista({"01|6|2.5", "01|8|2.5", "01|9|2.25", "02|6|2.5", "03|6|2.5", "04|6|4.1", "05|6|2.5",
            "06|6|2",
            "07|0|2.5", "07|1|2", "07|2|1", "07|5|4.1", "07|6|2.5",
            "08|0|2.5", "08|1|2", "08|2|1", "08|5|4.1", "08|6|2.5",
            "11|0|1", "11|1|1", "11|2|1", "11|6|1", "11|8|0.5",
            "12|0|0.5", "12|1|0.5", "12|2|0.5", "12|6|0.5",
            "14|0|2", "14|1|2", "14|2|2", "14|3|0", "14|4|0", "14|6|2",
            "16|0|0.3", "16|1|0.3", "16|2|0.3", "16|3|0", "16|4|0", "16|6|0.3"})},
};

const char* const kActualizada = "La base ha sido actualizada.\n\n";

// The messages of a first start, in the order the user sees them.
QStringList mensajesPrimerArranque()
{
    const QString a = QString::fromUtf8(kActualizada);
    return {a + QStringLiteral("Se agregaron los Tipos de Transporte de Productos Alimentacios"),
            a + QStringLiteral("Se agregaron los siguientes Regímenes:\n\n"
                               "07 - Compañías de Seguros\n08 - Emp. Comerc. y Prest. de Serv."),
            a + QStringLiteral("Se agregaron los siguientes Regímenes:\n\n"
                               "09 Municip. Semovientes-Apícolas\n"),
            a + QStringLiteral("Se agregaron los siguientes Regímenes:\n\n"
                               "11 Semovientes - Prod. Apícolas\n12 Cereales - Prod. Frutihortícolas"),
            a + QStringLiteral("Se agregó el siguiente Régimen:\n\n13 Policía-Cereales-Frutihortíc."),
            a + QStringLiteral("Se agregaron los siguientes Regímenes:\n\n"
                               "10 Municip. Cereales-Frutihort.\n"),
            a + QStringLiteral("Se agregó el Regímen:\n\n14 Percepciones Frigoríficos\n"),
            a + QStringLiteral("Se agregó el Regímen:\n\n15 Municip. Productos Alimenticios\n"),
            a + QStringLiteral("Se agregó el Regímen:\n\n16 Percepciones - Remates Ferias\n"),
            a + QStringLiteral("Se agregaron las alícuotas correspondientes al regimen 12"),
            a + QStringLiteral("Se agregaron las alícuotas correspondientes para el régimen 14"),
            QStringLiteral("La base ha sido actualizada\n\nSe agregaron los tipos de Granos")};
}

class Semillas : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta.crearBaseInstalada();
        base.abrir(carpeta.base());
    }

    void ejecutar(std::initializer_list<const char*> sentencias)
    {
        for (const char* sql : sentencias) base.ejecutar(QString::fromUtf8(sql));
    }

    // Every table a start writes, whole.
    Textos todo()
    {
        Textos t{};
        for (const char* consulta : {kTipos, kGranos, kParametros, kRegimenes, kConceptos, kTasas,
                                     kAlicuotas, kContribuyentes}) {
            t.push_back(consulta);
            for (std::string& f : filas(base, consulta)) t.push_back(std::move(f));
        }
        return t;
    }

    CarpetaTemporal carpeta;
    BaseDatos base;
    DialogosGuionados dialogs;
};

TEST_F(Semillas, UnaInstalacionNuevaTieneLasTablasDeReferencia)
{
    for (const TablaEsperada& t : kInstalada)
        EXPECT_EQ(filas(base, t.consulta), t.filas) << t.consulta;
}

TEST(SemillasPrimerArranque, AnunciaCadaAgregadoUnaVezYEnOrden)
{
    CarpetaTemporal carpeta;
    carpeta.crearBaseSinActualizar();
    BaseDatos base;
    base.abrir(carpeta.base());
    DialogosGuionados dialogs;

    // An older database asks for restarts until its schema is current; only then does the main
    // window's load seed the rest.
    ModificaBase modifica(base, dialogs);
    int vueltas = 0;
    while (modifica.actualizar() == ResultadoActualizacion::Actualizada) ASSERT_LT(++vueltas, 5);
    sembrarDatosDeReferencia(base, dialogs);

    EXPECT_EQ(utf8(dialogs.textosMostrados()), utf8(mensajesPrimerArranque()));
    for (const Mensaje& m : dialogs.mensajes) {
        EXPECT_EQ(m.titulo, QStringLiteral("Tarquel"));
        EXPECT_EQ(m.icono, Icono::Ninguno);
        EXPECT_EQ(m.botones, Botones::Aceptar);
    }
    for (const TablaEsperada& t : kInstalada)
        EXPECT_EQ(filas(base, t.consulta), t.filas) << t.consulta;
}

TEST_F(Semillas, UnSegundoArranqueNoCambiaNadaNiAvisa)
{
    ejecutar({"INSERT INTO Contribuyentes (Nro_Contrib, Cod_Tipo) VALUES ('9500000010', '6')",
              "INSERT INTO Contribuyentes (Nro_Contrib, Cod_Tipo) VALUES ('3000000017', '0')"});
    const Textos antes = todo();
    arrancar(base, dialogs);
    EXPECT_EQ(todo(), antes);
    EXPECT_TRUE(dialogs.mensajes.empty());
}

struct CasoCambio {
    const char* caso;
    std::vector<const char*> cambios;  // what the user did between two starts
    const char* consulta;
    Textos despues;                    // what the next start leaves
    Textos mensajes;                   // after "La base ha sido actualizada.\n\n"
};

// Which of the user's changes survive a start: none where a set is replaced whole or rows are
// written over; all where a table or class is only filled when empty.
const CasoCambio kCambios[] = {
    // Goods types: livestock replaced whole, the four stamps written over, food only when empty.
    {"ganado cambiado y agregado",
     {"UPDATE Tipos SET Valor = 990000, Descripcion = 'TERNEROS X' WHERE Clase = 1 AND Tipo = 6",
      "INSERT INTO Tipos (Clase, Tipo, Descripcion, Valor) VALUES (1, 16, 'BUFALOS', 50000)"},
     "SELECT Tipo, Descripcion, Valor FROM Tipos WHERE Clase = 1 AND Tipo IN (6, 16)",
     lista({"6|TERNEROS|3.5"}), {}},
    {"estampillas cambiadas, borradas y agregadas",
     {"UPDATE Tipos SET Valor = 10000, Descripcion = 'MAIZ' WHERE Clase = 2 AND Tipo = 3",
      "DELETE FROM Tipos WHERE Clase = 2 AND Tipo = 4",
      "INSERT INTO Tipos (Clase, Tipo, Descripcion, Valor) VALUES (2, 5, 'E', 70000)"},
     "SELECT Tipo, Descripcion, Valor FROM Tipos WHERE Clase = 2",
     lista({"1|SOJA / GIRASOL / FORRAJERAS|65", "2|TRIGO Y RESTO CEREALES INV.|45",
            "3|MAIZ / SORGO|25", "4|MANI|400", "5|E|7"}),
     {}},
    {"alimentos cambiados con alguno en pie",
     {"DELETE FROM Tipos WHERE Clase = 3 AND Tipo > 1",
      "UPDATE Tipos SET Valor = 130000 WHERE Clase = 3 AND Tipo = 1"},
     "SELECT Tipo, Descripcion, Valor FROM Tipos WHERE Clase = 3",
     lista({"1|Bovino (media res)|13"}), {}},
    {"alimentos borrados del todo",
     {"DELETE FROM Tipos WHERE Clase = 3"},
     "SELECT Clase, Tipo, Descripcion, Valor FROM Tipos WHERE Clase = 3 ORDER BY Tipo",
     Textos(kInstalada[0].filas.begin() + 19, kInstalada[0].filas.end()),
     lista({"Se agregaron los Tipos de Transporte de Productos Alimentacios"})},

    // Grains and the intervention value: filled only when the table is empty.
    {"un grano borrado y otro cambiado",
     {"DELETE FROM Granos WHERE Grano = 5", "UPDATE Granos SET Nombre = 'Soja RR' WHERE Grano = 21"},
     "SELECT Grano, Nombre FROM Granos WHERE Grano IN (5, 21)", lista({"21|Soja RR"}), {}},
    {"solo un grano del usuario",
     {"DELETE FROM Granos", "INSERT INTO Granos (Grano, Nombre) VALUES (50, 'Quinoa')"},
     kGranos, lista({"50|Quinoa"}), {}},
    {"parametro cambiado",
     {"UPDATE Parametros SET Importe = 35000, VigenciaH = '2030-12-31'"},
     kParametros, lista({"I|1|Valor Intervención Policial|3.5|2007-01-01|2030-12-31"}), {}},
    {"otro parametro en lugar del de la intervencion",
     {"DELETE FROM Parametros",
      "INSERT INTO Parametros (TipoParametro, NroParametro, Detalle, Importe) VALUES ('X', 1, 'Otro', 0)"},
     kParametros, lista({"X|1|Otro|0|null|null"}), {}},
    {"parametros borrados",
     {"DELETE FROM Parametros"},
     kParametros, lista({"I|1|Valor Intervención Policial|2|2007-01-01|2050-12-31"}), {}},

    // Regimes: a block is added when its probed code is missing; "07" keeps its current name.
    {"07 con otro nombre",
     {"UPDATE Regimenes SET Descripcion = 'Compañías de seguros' WHERE Cod_Regimen = '07'"},
     "SELECT Descripcion FROM Regimenes WHERE Cod_Regimen = '07'", lista({"Compañías de Seguros"}),
     {}},
    {"07 con blancos alrededor",
     {"UPDATE Regimenes SET Descripcion = '  Compañías de Seguros ' WHERE Cod_Regimen = '07'"},
     "SELECT Descripcion FROM Regimenes WHERE Cod_Regimen = '07'",
     lista({"  Compañías de Seguros "}), {}},
    {"07 sin nombre",
     {"UPDATE Regimenes SET Descripcion = NULL WHERE Cod_Regimen = '07'"},
     "SELECT Descripcion FROM Regimenes WHERE Cod_Regimen = '07'", lista({"null"}), {}},
    {"08 borrado con 07 presente",
     {"DELETE FROM Regimenes WHERE Cod_Regimen = '08'"},
     "SELECT Cod_Regimen FROM Regimenes WHERE Cod_Regimen IN ('07', '08')", lista({"07"}), {}},
    {"07 borrado con 08 cambiado",
     {"DELETE FROM Regimenes WHERE Cod_Regimen = '07'",
      "UPDATE Regimenes SET Resolucion = 'RG99/99' WHERE Cod_Regimen = '08'"},
     "SELECT Cod_Regimen, Descripcion, Resolucion FROM Regimenes WHERE Cod_Regimen IN ('07', '08')",
     lista({"07|Compañías de Seguros|RG42/00", "08|Emp. Comerc. y Prest. de Serv.|RG99/99"}),
     lista({"Se agregaron los siguientes Regímenes:\n\n"
            "07 - Compañías de Seguros\n08 - Emp. Comerc. y Prest. de Serv."})},
    {"11 borrado con 12 presente",
     {"DELETE FROM Regimenes WHERE Cod_Regimen = '11'"},
     "SELECT Cod_Regimen FROM Regimenes WHERE Cod_Regimen IN ('11', '12')", lista({"12"}), {}},
    {"12 borrado con 11 presente",
     {"DELETE FROM Regimenes WHERE Cod_Regimen = '12'"},
     "SELECT Cod_Regimen FROM Regimenes WHERE Cod_Regimen IN ('11', '12')", lista({"11", "12"}),
     lista({"Se agregaron los siguientes Regímenes:\n\n"
            "11 Semovientes - Prod. Apícolas\n12 Cereales - Prod. Frutihortícolas"})},
    {"15 borrado",
     {"DELETE FROM Regimenes WHERE Cod_Regimen = '15'"},
     "SELECT Descripcion FROM Regimenes WHERE Cod_Regimen = '15'",
     lista({"Municip.Productos Alimenticios"}),
     lista({"Se agregó el Regímen:\n\n15 Municip. Productos Alimenticios\n"})},

    // Concepts and interest rates: added when missing, the user's changes kept.
    {"96 borrado y 98 cambiado",
     {"DELETE FROM Conceptos WHERE Cod_Concepto = '96'",
      "UPDATE Conceptos SET Descripcion = 'CEREALES' WHERE Cod_Concepto = '98'"},
     "SELECT Cod_Concepto, Descripcion FROM Conceptos WHERE Cod_Concepto >= '96'",
     lista({"96|PRODUCTOS ALIMENTICIOS", "97|SEMOVIENTES-PROD. APÍCOLAS", "98|CEREALES"}), {}},
    {"97 borrado con 98 presente",
     {"DELETE FROM Conceptos WHERE Cod_Concepto = '97'",
      "UPDATE Conceptos SET Descripcion = 'CEREALES' WHERE Cod_Concepto = '98'"},
     "SELECT Cod_Concepto, Descripcion FROM Conceptos WHERE Cod_Concepto >= '97'",
     lista({"97|SEMOVIENTES-PROD. APÍCOLAS", "98|CEREALES"}), {}},
    {"98 borrado con 97 presente",
     {"DELETE FROM Conceptos WHERE Cod_Concepto = '98'"},
     "SELECT Cod_Concepto FROM Conceptos WHERE Cod_Concepto >= '97'", lista({"97"}), {}},
    {"tasa de mayo de 2004 cambiada",
     {"UPDATE Tasas SET Tasa = 25000", "INSERT INTO Tasas (FechaVig, Tasa) VALUES ('2010-01-01', 30000)"},
     kTasas, lista({"2004-05-01|2.5", "2010-01-01|3"}), {}},
    {"tasa de mayo de 2004 borrada",
     {"DELETE FROM Tasas", "INSERT INTO Tasas (FechaVig, Tasa) VALUES ('2010-01-01', 30000)"},
     kTasas, lista({"2004-05-01|1.8", "2010-01-01|3"}), {}},

    // Rates fixed by the agency come back; the others are the user's.
    {"07, 08 y 16 cambiados y agregados",
     {"UPDATE Alicuotas SET Alicuota = 90000 WHERE Cod_Regimen IN ('07', '08', '16')",
      "INSERT INTO Alicuotas VALUES ('07', '3', 10000)", "INSERT INTO Alicuotas VALUES ('16', '5', 10000)",
      "DELETE FROM Alicuotas WHERE Cod_Regimen = '08' AND Cod_Tipo = '5'"},
     "SELECT Cod_Regimen, Cod_Tipo, Alicuota FROM Alicuotas WHERE Cod_Regimen IN ('07', '08', '16') "
     "ORDER BY 1, 2",
     lista({"07|0|2.5", "07|1|2", "07|2|1", "07|5|4.1", "07|6|2.5", "08|0|2.5", "08|1|2", "08|2|1",
            "08|5|4.1", "08|6|2.5", "16|0|0.3", "16|1|0.3", "16|2|0.3", "16|3|0", "16|4|0",
            "16|6|0.3"}),
     {}},
    {"11 a mano",
     {"UPDATE Alicuotas SET Alicuota = 30000 WHERE Cod_Regimen = '11'",
      "INSERT INTO Alicuotas VALUES ('11', '9', 30000)", "INSERT INTO Alicuotas VALUES ('11', '4', 30000)"},
     "SELECT Cod_Tipo, Alicuota FROM Alicuotas WHERE Cod_Regimen = '11' ORDER BY 1",
     lista({"0|1", "1|1", "2|1", "6|1", "8|0.5"}), {}},
    {"12 a mano",
     {"UPDATE Alicuotas SET Alicuota = 30000 WHERE Cod_Regimen = '12'",
      "INSERT INTO Alicuotas VALUES ('12', '4', 30000)"},
     "SELECT Cod_Tipo, Alicuota FROM Alicuotas WHERE Cod_Regimen = '12' ORDER BY 1",
     lista({"0|0.5", "1|0.5", "2|0.5", "4|0.5", "6|0.5"}), {}},
    {"12 solo con su tipo 6",
     {"DELETE FROM Alicuotas WHERE Cod_Regimen = '12' AND Cod_Tipo <> '6'"},
     "SELECT Cod_Tipo, Alicuota FROM Alicuotas WHERE Cod_Regimen = '12'", lista({"6|0.5"}), {}},
    {"12 vaciado",
     {"DELETE FROM Alicuotas WHERE Cod_Regimen = '12'"},
     "SELECT Cod_Tipo, Alicuota FROM Alicuotas WHERE Cod_Regimen = '12' ORDER BY 1",
     lista({"0|0.5", "1|0.5", "2|0.5", "6|0.5"}),
     lista({"Se agregaron las alícuotas correspondientes al regimen 12"})},
    {"14 cambiado",
     {"UPDATE Alicuotas SET Alicuota = 50000 WHERE Cod_Regimen = '14' AND Cod_Tipo = '0'",
      "DELETE FROM Alicuotas WHERE Cod_Regimen = '14' AND Cod_Tipo = '4'"},
     "SELECT Cod_Tipo, Alicuota FROM Alicuotas WHERE Cod_Regimen = '14' ORDER BY 1",
     lista({"0|5", "1|2", "2|2", "3|0", "6|2"}), {}},
    {"14 vaciado",
     {"DELETE FROM Alicuotas WHERE Cod_Regimen = '14'"},
     "SELECT Cod_Tipo, Alicuota FROM Alicuotas WHERE Cod_Regimen = '14' ORDER BY 1",
     lista({"0|2", "1|2", "2|2", "3|0", "4|0", "6|2"}),
     lista({"Se agregaron las alícuotas correspondientes para el régimen 14"})},
    {"06 corregido hasta el tipo 2",
     {"INSERT INTO Alicuotas VALUES ('06', '1', 30000)", "INSERT INTO Alicuotas VALUES ('06', '2', 20000)",
      "INSERT INTO Alicuotas VALUES ('06', '3', 30000)"},
     "SELECT Cod_Tipo, Alicuota FROM Alicuotas WHERE Cod_Regimen = '06' ORDER BY 1",
     lista({"1|2", "2|2", "3|3", "6|2"}),
     lista({"Se agregaron/modificaron las alícuotas correspondientes al régimen 06."})},
    {"06 sin nada que corregir",
     {"INSERT INTO Alicuotas VALUES ('06', '0', 20000)", "INSERT INTO Alicuotas VALUES ('06', '5', 30000)"},
     "SELECT Cod_Tipo, Alicuota FROM Alicuotas WHERE Cod_Regimen = '06' ORDER BY 1",
     lista({"0|2", "5|3", "6|2"}), {}},
    {"03 corregido hasta el tipo 3",
     {"INSERT INTO Alicuotas VALUES ('03', '0', 10000)", "INSERT INTO Alicuotas VALUES ('03', '3', 10000)",
      "INSERT INTO Alicuotas VALUES ('03', '4', 10000)"},
     "SELECT Cod_Tipo, Alicuota FROM Alicuotas WHERE Cod_Regimen = '03' ORDER BY 1",
     lista({"0|2.5", "3|2.5", "4|1", "6|2.5"}),
     lista({"Se agregaron/modificaron las alícuotas correspondientes al régimen 03."})},
    {"tipos del sistema de 01 y tipo 6",
     {"UPDATE Alicuotas SET Alicuota = 10000 WHERE Cod_Tipo IN ('6', '9')",
      "INSERT INTO Alicuotas VALUES ('01', 'A', 10000)", "INSERT INTO Alicuotas VALUES ('01', '0', 30000)",
      "INSERT INTO Alicuotas VALUES ('09', '6', 10000)", "INSERT INTO Alicuotas VALUES ('15', '6', 10000)"},
     "SELECT Cod_Regimen, Cod_Tipo, Alicuota FROM Alicuotas WHERE Cod_Regimen IN ('01', '09', '15') "
     "OR Cod_Tipo = '6' ORDER BY 1, 2",
     lista({"01|0|3", "01|6|2.5", "01|8|2.5", "01|9|2.25", "02|6|2.5", "03|6|2.5", "04|6|4.1",
            "05|6|2.5", "06|6|2", "07|6|2.5", "08|6|2.5", "11|6|1", "12|6|0.5", "14|6|2", "16|6|0.3"}),
     {}},
    {"sujetos no inscriptos",
     {"INSERT INTO Contribuyentes (Nro_Contrib, Cod_Tipo) VALUES ('9500000010', '2')",
      "INSERT INTO Contribuyentes (Nro_Contrib, Cod_Tipo) VALUES ('9500000029', NULL)",
      "INSERT INTO Contribuyentes (Nro_Contrib, Cod_Tipo) VALUES ('1239500001', '2')"},
     kContribuyentes, lista({"1239500001|2", "9500000010|6", "9500000029|6"}), {}},
};

TEST(SemillasCambios, CadaEstrategiaDecideQueCambiosDelUsuarioSobreviven)
{
    for (const CasoCambio& c : kCambios) {
        SCOPED_TRACE(c.caso);
        CarpetaTemporal otra;
        otra.crearBaseInstalada();
        BaseDatos db;
        db.abrir(otra.base());
        for (const char* sql : c.cambios) db.ejecutar(QString::fromUtf8(sql));
        DialogosGuionados d;
        arrancar(db, d);

        EXPECT_EQ(filas(db, c.consulta), c.despues);
        Textos esperados;
        for (const std::string& m : c.mensajes) esperados.push_back(kActualizada + m);
        EXPECT_EQ(utf8(d.textosMostrados()), esperados);
    }
}

TEST_F(Semillas, GranosBorradosVuelvenConSuAviso)
{
    ejecutar({"DELETE FROM Granos"});
    arrancar(base, dialogs);
    EXPECT_EQ(filas(base, kGranos).size(), 28u);
    EXPECT_EQ(utf8(dialogs.textosMostrados()),
              lista({"La base ha sido actualizada\n\nSe agregaron los tipos de Granos"}));
}

TEST_F(Semillas, UnaSemillaQueFallaSeDeshaceSolaYSeInforma)
{
    // Changes each seed would undo, and two seeds made to fail after part of their work.
    ejecutar({"UPDATE Tipos SET Valor = 990000 WHERE Clase = 1 AND Tipo = 6",
              "UPDATE Tipos SET Descripcion = 'MAIZ' WHERE Clase = 2 AND Tipo = 3",
              "DELETE FROM Tipos WHERE Clase = 3",
              "CREATE TRIGGER sin_alimentos BEFORE INSERT ON Tipos WHEN NEW.Clase = 3 "
              "BEGIN SELECT RAISE(ABORT, 'alimentos bloqueados'); END",
              "DELETE FROM Granos", "DELETE FROM Parametros",
              "CREATE TRIGGER sin_parametros BEFORE INSERT ON Parametros "
              "BEGIN SELECT RAISE(ABORT, 'parametros bloqueados'); END",
              "UPDATE Alicuotas SET Alicuota = 30000 WHERE Cod_Regimen = '12'",
              "DELETE FROM Alicuotas WHERE Cod_Regimen = '14'", "DELETE FROM Tasas"});
    arrancar(base, dialogs);

    // The failed seeds left everything as it was, their own earlier rows included.
    EXPECT_EQ(filas(base, "SELECT Clase, Tipo, Descripcion, Valor FROM Tipos WHERE Clase > 1 OR Tipo = 6 "
                           "ORDER BY Clase, Tipo"),
              lista({"1|6|TERNEROS|99", "2|1|SOJA / GIRASOL / FORRAJERAS|65",
                     "2|2|TRIGO Y RESTO CEREALES INV.|45", "2|3|MAIZ|25", "2|4|MANI|400"}));
    EXPECT_TRUE(filas(base, kGranos).empty());
    EXPECT_TRUE(filas(base, kParametros).empty());
    // The others did their work, before and after the failures.
    EXPECT_EQ(filas(base, "SELECT DISTINCT Alicuota FROM Alicuotas WHERE Cod_Regimen = '12'"),
              lista({"0.5"}));
    EXPECT_EQ(filas(base, "SELECT count(*) FROM Alicuotas WHERE Cod_Regimen = '14'"), lista({"6"}));
    EXPECT_EQ(filas(base, kTasas), lista({"2004-05-01|1.8"}));

    // Each failure as "number - description"; nothing is announced that was undone.
    const QStringList mensajes = dialogs.textosMostrados();
    ASSERT_EQ(mensajes.size(), 3) << mensajes.join(u" / ").toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+ - .*alimentos bloqueados"))
                    .match(mensajes[0]).hasMatch()) << mensajes[0].toStdString();
    EXPECT_EQ(mensajes[1], QString::fromUtf8(kActualizada)
                               + QStringLiteral("Se agregaron las alícuotas correspondientes para el "
                                                "régimen 14"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+ - .*parametros bloqueados"))
                    .match(mensajes[2]).hasMatch()) << mensajes[2].toStdString();
    for (const Mensaje& m : dialogs.mensajes) EXPECT_EQ(m.titulo, QStringLiteral("Tarquel"));
}

TEST_F(Semillas, UnaTablaQueFaltaSeSiembraRecienCuandoVuelve)
{
    // A goods-types table of an older shape is dropped by the upgrade; its seed finds nothing to do.
    ejecutar({"DROP TABLE Tipos",
              "CREATE TABLE Tipos (Clase INTEGER, Tipo INTEGER, Descripcion TEXT(50), Valor CURRENCY)",
              "DROP TABLE Granos", "DELETE FROM Parametros"});
    arrancar(base, dialogs);
    EXPECT_TRUE(dialogs.mensajes.empty());
    EXPECT_FALSE(base.existe(QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = 'Tipos'")));
    // The other table of the same seed is still filled.
    EXPECT_EQ(filas(base, kParametros).size(), 1u);

    // The next start makes the table again, asks for a restart and seeds it on the way.
    EXPECT_EQ(ModificaBase(base, dialogs).actualizar(), ResultadoActualizacion::Actualizada);
    EXPECT_EQ(filas(base, kTipos), kInstalada[0].filas);
    EXPECT_EQ(utf8(dialogs.textosMostrados()), utf8({mensajesPrimerArranque().front()}));
}

} // namespace
