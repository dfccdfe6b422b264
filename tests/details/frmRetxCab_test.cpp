// The receipts-by-declaration window: every declaration whatever is active, the withholdings of
// the current one by concept with their count and totals, the orders offered, and the print list.

#include "details/frmRetxCab.h"

#include "platform/ventana_en_pantalla.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

// Columns of the two grids, as the header clicks number them.
constexpr int kAgente = 0;
constexpr int kRegimen = 2;
constexpr int kAnio = 3;
constexpr int kRectifica = 5;
constexpr int kEstadoCabecera = 6;
constexpr int kContrib = 0;
constexpr int kBruto = 2;
constexpr int kComprobante = 5;
constexpr int kEstado = 6;
constexpr int kExterno = 7;
constexpr int kConcepto = 8;
constexpr int kDescripcion = 9;

struct Consulta : EntornoDePrueba {
    LocaleDePrueba locale{QLocale(QLocale::Spanish, QLocale::Argentina)};

    qint64 cabecera(const char* agente, const char* regimen, const char* anio, const char* mes,
                    const char* estado)
    {
        return prueba::cabecera(base, {.agente = QString::fromLatin1(agente),
                                       .sucursal = u"0001"_s,
                                       .regimen = QString::fromLatin1(regimen),
                                       .anio = QString::fromLatin1(anio),
                                       .mes = QString::fromLatin1(mes),
                                       .rectifica = u"00"_s,
                                       .estado = QString::fromLatin1(estado),
                                       .marcaObs = u"N"_s,
                                       .origen = u"M"_s,
                                       .descartados = 0});
    }
    void retencion(qint64 id, const char* nro, const char* concepto, const char* bruto,
                   const char* retenido, const char* estado = "5", const char* externo = "")
    {
        prueba::retencion(base, {.idCabecera = id, .comprobante = QString::fromLatin1(nro),
                                 .nroContrib = u"3001234567"_s, .dia = u"03"_s,
                                 .bruto = prueba::monto(bruto), .alicuota = prueba::monto("2.5"),
                                 .retenido = prueba::monto(retenido),
                                 .nroX = QString::fromLatin1(externo),
                                 .concepto = QString::fromLatin1(concepto),
                                 .estado = QString::fromLatin1(estado), .marca = u"I"_s});
    }
};

GrillaRegistros& cabeceras(const QWidget& f) { return grillaDe(f, u"dbgCabeceras"_s); }
GrillaRegistros& retenciones(const QWidget& f) { return grillaDe(f, u"dbgRetenciones"_s); }

QString rotulo(const QWidget& f, const char* nombre)
{
    return control<QLabel>(f, QString::fromLatin1(nombre))->text();
}

QStringList columna(const GrillaRegistros& g, int c)
{
    QStringList valores;
    for (int r = 0; r < g.filas(); ++r) valores << celda(g, r, c);
    return valores;
}

QStringList lista(const QWidget& f)
{
    QStringList t;
    const auto* l = control<QListWidget>(f, u"lstComprob"_s);
    for (int i = 0; i < l->count(); ++i) t << l->item(i)->text();
    return t;
}

int seleccionLista(const QWidget& f)
{
    return control<QListWidget>(f, u"lstComprob"_s)->currentRow();
}

// Which of the window's buttons can be pressed, in the order of the names.
std::vector<bool> habilitados(const QWidget& f, std::initializer_list<const char*> nombres)
{
    std::vector<bool> h;
    for (const char* n : nombres) h.push_back(habilitado(f, QString::fromLatin1(n)));
    return h;
}

void elegirConcepto(QWidget& f, int item)
{
    auto* combo = control<QComboBox>(f, u"cbxConcepto"_s);
    combo->setCurrentIndex(item);
    Q_EMIT combo->activated(item);
}

void encabezado(QWidget& f, const char* grilla, int c)
{
    Q_EMIT grillaDe(f, QString::fromLatin1(grilla)).horizontalHeader()->sectionClicked(c);
}

TEST(frmRetxCab, AbreEnLaUltimaDeclaracionPorAgenteConTodasSusRetenciones)
{
    Consulta e;
    e.cabecera("000300", "13", "2024", "03", "4");
    const qint64 ultima = e.cabecera("000900", "01", "2024", "05", "3");
    e.cabecera("000100", "10", "2024", "04", "2");
    e.cabecera("000200", "01", "2024", "06", "1");
    e.retencion(ultima, "00000012", "00", "1000", "25");
    e.retencion(ultima, "00000010", "07", "234.5", "5.86", "4");  // annulled: counted and added
    e.retencion(ultima, "00000011", "XX", "0.01", "0");           // a concept of no row
    // The environment is not consulted: none is active.
    frmRetxCab f(e.contexto);

    EXPECT_EQ(f.windowTitle(), u"Consulta de Retenciones/Percepciones por Declaración"_s);
    const GrillaRegistros& dc = cabeceras(f);
    EXPECT_EQ(columna(dc, kAgente), (QStringList{u"000100"_s, u"000200"_s, u"000300"_s, u"000900"_s}));
    EXPECT_EQ(columna(dc, kEstadoCabecera),
              (QStringList{u"Abierta"_s, u"Vacía"_s, u"Cerrada"_s, u"Cerrada"_s}));
    EXPECT_EQ(dc.filaActual(), 3);
    EXPECT_EQ(rotulo(f, "lblCabeceras"), u" Declaraciones ordenadas por: Nº de Agente y Sucursal"_s);

    const GrillaRegistros& dr = retenciones(f);
    EXPECT_EQ(columna(dr, kComprobante), (QStringList{u"00000010"_s, u"00000011"_s, u"00000012"_s}));
    EXPECT_EQ(columna(dr, kEstado), (QStringList{u"Anulada"_s, u"Ok"_s, u"Ok"_s}));
    EXPECT_EQ(columna(dr, kBruto), (QStringList{u"234,50"_s, u"0,01"_s, u"1000,00"_s}));
    EXPECT_EQ(columna(dr, kDescripcion), (QStringList{QString(), QString(), u"OPERACIONES EN GENERAL"_s}));
    EXPECT_EQ(dr.filaActual(), 0);
    EXPECT_EQ(rotulo(f, "lblRetenciones"), u" Ret./Perc. ordenadas por: Nº de Comprobante"_s);
    EXPECT_EQ(rotulo(f, "lblCantidad"), u"3"_s);
    EXPECT_EQ(rotulo(f, "lblTotBruto"), u"1234,51"_s);
    EXPECT_EQ(rotulo(f, "lblTotRetenido"), u"30,86"_s);

    const auto* combo = control<QComboBox>(f, u"cbxConcepto"_s);
    EXPECT_EQ(combo->currentText(), u"00 - < TODOS >"_s);
    EXPECT_EQ(combo->itemText(1), u"00 - OPERACIONES EN GENERAL"_s);
    EXPECT_EQ(habilitados(f, {"cmdImprimir", "cmdAgregar", "cmdAgregarT", "cmdImprimirC",
                              "cmdSacar", "cmdSacarT"}),
              (std::vector<bool>{true, true, true, false, false, false}));
}

TEST(frmRetxCab, CuentaYSumaMasAllaDeLosDieciseisBits)
{
    Consulta e;
    const qint64 id = e.cabecera("000100", "01", "2024", "05", "3");
    // 40,000 receipts of 1,234.56 gross and 30.86 withheld, one in a hundred annulled.
    e.base.ejecutar(
        u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40000) "
        u"INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Dia, Importe_Bruto, Alicuota, "
        u"Importe_Ret, Nro_X, Cod_Concepto, Nro_Comprobante, Estado) "
        u"SELECT ?, '3001234567', '01', 12345600, 25000, 308600, '', '00', printf('%08d', i), "
        u"CASE WHEN i % 100 = 0 THEN '4' ELSE '5' END FROM n"_s,
        {id});
    frmRetxCab f(e.contexto);
    EXPECT_EQ(retenciones(f).filas(), 40000);
    EXPECT_EQ(rotulo(f, "lblCantidad"), u"40000"_s);
    EXPECT_EQ(rotulo(f, "lblTotBruto"), u"49382400,00"_s);
    EXPECT_EQ(rotulo(f, "lblTotRetenido"), u"1234400,00"_s);
    // The last page reads like the first.
    EXPECT_EQ(celda(retenciones(f), 39999, kComprobante), u"00040000"_s);
}

TEST(frmRetxCab, ElConceptoRestringeYVaciaLaLista)
{
    Consulta e;
    const qint64 id = e.cabecera("000100", "01", "2024", "05", "3");
    e.retencion(id, "00000001", "00", "100", "1");
    e.retencion(id, "00000002", "31", "200", "2", "5", "B");
    e.retencion(id, "00000003", "31", "300", "3", "5", "A");
    frmRetxCab f(e.contexto);
    pulsar(f, u"cmdAgregar"_s);
    ASSERT_EQ(lista(f), QStringList{u"00000001"_s});

    // "00 - OPERACIONES EN GENERAL" is a concept like any other, not every concept.
    elegirConcepto(f, 1);
    EXPECT_EQ(columna(retenciones(f), kComprobante), QStringList{u"00000001"_s});
    EXPECT_EQ(lista(f), QStringList());
    EXPECT_EQ(habilitados(f, {"cmdImprimirC", "cmdSacar", "cmdSacarT"}),
              (std::vector<bool>{false, false, false}));

    elegirConcepto(f, 2);  // "31 - PERCEPCION EN FAENA"
    EXPECT_EQ(columna(retenciones(f), kComprobante), (QStringList{u"00000002"_s, u"00000003"_s}));
    EXPECT_EQ(rotulo(f, "lblCantidad"), u"2"_s);
    EXPECT_EQ(rotulo(f, "lblTotBruto"), u"500,00"_s);
    // Sorted by the external number, the concept still restricts; the totals stay.
    encabezado(f, "dbgRetenciones", kExterno);
    EXPECT_EQ(columna(retenciones(f), kComprobante), (QStringList{u"00000003"_s, u"00000002"_s}));
    EXPECT_EQ(rotulo(f, "lblRetenciones"), u" Ret./Perc. ordenadas por: Nº de Comprobante externo"_s);

    // A concept the declaration does not use: nothing to list or add, although it has receipts.
    elegirConcepto(f, 3);
    EXPECT_EQ(retenciones(f).filas(), 0);
    EXPECT_EQ(rotulo(f, "lblCantidad"), u"0"_s);
    EXPECT_EQ(rotulo(f, "lblTotBruto"), u"0,00"_s);
    EXPECT_EQ(rotulo(f, "lblTotRetenido"), u"0,00"_s);
    EXPECT_EQ(habilitados(f, {"cmdImprimir", "cmdAgregar", "cmdAgregarT"}),
              (std::vector<bool>{false, false, false}));

    // Every concept again, in the order last chosen.
    elegirConcepto(f, 0);
    EXPECT_EQ(columna(retenciones(f), kComprobante),
              (QStringList{u"00000001"_s, u"00000003"_s, u"00000002"_s}));
    EXPECT_EQ(rotulo(f, "lblCantidad"), u"3"_s);
}

TEST(frmRetxCab, OrdenesOfrecidosYLosQueNo)
{
    Consulta e;
    const qint64 vieja = e.cabecera("000100", "10", "2023", "12", "3");
    const qint64 nueva = e.cabecera("000100", "01", "2024", "02", "3");
    e.retencion(vieja, "00000005", "98", "1", "1");
    e.retencion(nueva, "00000007", "00", "1", "1");
    frmRetxCab f(e.contexto);
    ASSERT_EQ(celda(cabeceras(f), cabeceras(f).filaActual(), kRegimen), u"01"_s);

    // By year and month the oldest is last, and current.
    encabezado(f, "dbgCabeceras", kAnio);
    EXPECT_EQ(rotulo(f, "lblCabeceras"), u" Declaraciones ordenadas por: Año y Mes"_s);
    EXPECT_EQ(celda(cabeceras(f), cabeceras(f).filaActual(), kRegimen), u"10"_s);
    EXPECT_EQ(columna(retenciones(f), kComprobante), QStringList{u"00000005"_s});

    for (const auto& [grilla, c] : {std::pair{"dbgCabeceras", kRectifica},
                                    std::pair{"dbgRetenciones", kBruto},
                                    std::pair{"dbgRetenciones", kDescripcion}}) {
        e.dialogs.mensajes.clear();
        const QString antes = rotulo(f, grilla == std::string("dbgCabeceras") ? "lblCabeceras"
                                                                              : "lblRetenciones");
        encabezado(f, grilla, c);
        ASSERT_EQ(e.dialogs.mensajes.size(), 1U) << grilla << c;
        EXPECT_EQ(e.dialogs.mensajes[0].texto, u"No se dispone de ordenamiento por este campo."_s);
        EXPECT_EQ(e.dialogs.mensajes[0].titulo, u"Atención..."_s);
        EXPECT_EQ(e.dialogs.mensajes[0].icono, Icono::Informacion);
        EXPECT_EQ(rotulo(f, grilla == std::string("dbgCabeceras") ? "lblCabeceras" : "lblRetenciones"),
                  antes);
    }
    // A refused order is not remembered: the next declaration keeps the last good one.
    encabezado(f, "dbgRetenciones", kConcepto);
    encabezado(f, "dbgRetenciones", kBruto);
    encabezado(f, "dbgCabeceras", kAgente);
    EXPECT_EQ(rotulo(f, "lblRetenciones"), u" Ret./Perc. ordenadas por: Código de Concepto"_s);
}

TEST(frmRetxCab, ListaDeComprobantesParaImprimir)
{
    Consulta e;
    const qint64 id = e.cabecera("000100", "01", "2024", "05", "3");
    for (const char* nro : {"00000001", "00000002", "00000003"}) e.retencion(id, nro, "00", "1", "1");
    frmRetxCab f(e.contexto);
    GrillaRegistros& dr = retenciones(f);

    // The current row, then the same again: told, and the entry it matches is selected.
    dr.irAFila(1);
    pulsar(f, u"cmdAgregar"_s);
    dr.irAFila(0);
    Q_EMIT dr.doubleClicked(dr.currentIndex());
    EXPECT_EQ(lista(f), (QStringList{u"00000002"_s, u"00000001"_s}));
    EXPECT_EQ(seleccionLista(f), 1);
    dr.irAFila(1);
    pulsar(f, u"cmdAgregar"_s);
    ASSERT_EQ(e.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(e.dialogs.mensajes[0].texto,
              u"El registro ya se encuentra en la lista de impresión de comprobantes."_s);
    EXPECT_EQ(e.dialogs.mensajes[0].titulo, u"Aviso"_s);
    EXPECT_EQ(lista(f).size(), 2);
    EXPECT_EQ(seleccionLista(f), 0);

    // All of them, in the grid's order, without duplicates; the last row becomes current.
    pulsar(f, u"cmdAgregarT"_s);
    EXPECT_EQ(lista(f), (QStringList{u"00000001"_s, u"00000002"_s, u"00000003"_s}));
    EXPECT_EQ(dr.filaActual(), 2);
    EXPECT_EQ(seleccionLista(f), 2);

    // Removing the last selects the new last; the middle one, the one that moved up.
    pulsar(f, u"cmdSacar"_s);
    EXPECT_EQ(lista(f), (QStringList{u"00000001"_s, u"00000002"_s}));
    EXPECT_EQ(seleccionLista(f), 1);
    control<QListWidget>(f, u"lstComprob"_s)->setCurrentRow(0);
    pulsar(f, u"cmdSacar"_s);
    EXPECT_EQ(lista(f), QStringList{u"00000002"_s});
    EXPECT_EQ(seleccionLista(f), 0);
    auto* l = control<QListWidget>(f, u"lstComprob"_s);
    Q_EMIT l->itemDoubleClicked(l->item(0));
    EXPECT_EQ(lista(f), QStringList());
    EXPECT_EQ(seleccionLista(f), -1);
    EXPECT_EQ(habilitados(f, {"cmdImprimirC", "cmdSacar", "cmdSacarT"}),
              (std::vector<bool>{false, false, false}));

    // Another cell of the same declaration's row empties the list.
    pulsar(f, u"cmdAgregarT"_s);
    EXPECT_EQ(habilitados(f, {"cmdImprimirC", "cmdSacar", "cmdSacarT"}),
              (std::vector<bool>{true, true, true}));
    GrillaRegistros& dc = cabeceras(f);
    dc.setCurrentIndex(dc.model()->index(dc.filaActual(), kRegimen));
    EXPECT_EQ(lista(f), QStringList());
    pulsar(f, u"cmdAgregarT"_s);
    pulsar(f, u"cmdSacarT"_s);
    EXPECT_EQ(lista(f), QStringList());
}

TEST(frmRetxCab, SinDeclaraciones)
{
    Consulta e;
    frmRetxCab f(e.contexto);
    EXPECT_EQ(cabeceras(f).filas(), 0);
    EXPECT_EQ(retenciones(f).filas(), 0);
    for (const char* r : {"lblCantidad", "lblTotBruto", "lblTotRetenido"}) EXPECT_EQ(rotulo(f, r), u"0"_s);
    EXPECT_EQ(habilitados(f, {"cmdImprimir", "cmdAgregar", "cmdAgregarT", "cmdImprimirC"}),
              (std::vector<bool>{false, false, false, false}));
    // Headers of the withholdings change nothing, not even with a message.
    encabezado(f, "dbgRetenciones", kContrib);
    encabezado(f, "dbgRetenciones", kBruto);
    EXPECT_TRUE(e.dialogs.mensajes.empty());
    EXPECT_EQ(rotulo(f, "lblRetenciones"), u" Retenciones/Percepciones"_s);
    elegirConcepto(f, 1);
    EXPECT_EQ(retenciones(f).filas(), 0);
}

TEST(frmRetxCab, AbreDentroDeUnaPantallaDe1280x900)
{
    Consulta e;
    const qint64 id = e.cabecera("000900", "01", "2024", "05", "3");
    e.retencion(id, "00000001", "00", "99999999.99", "2499999.99", "5", "0001-00000123");
    frmRetxCab f(e.contexto);
    const QRect pantalla(0, 0, 1280, 900);
    ajustarAPantalla(f, pantalla);
    f.show();
    QCoreApplication::processEvents();

    EXPECT_LE(f.width(), pantalla.width());
    EXPECT_LE(f.height(), pantalla.height());
    // Every button whole inside the window ("Salir", not "Sali"), the print list too.
    for (QPushButton* b : f.findChildren<QPushButton*>()) {
        SCOPED_TRACE(b->objectName().toStdString());
        const QRect r(b->mapTo(&f, QPoint(0, 0)), b->size());
        EXPECT_TRUE(f.rect().contains(r));
        EXPECT_GT(b->width(), b->fontMetrics().horizontalAdvance(b->text().remove(u'&')));
    }
    const auto* lista = control<QListWidget>(f, u"lstComprob"_s);
    EXPECT_TRUE(f.rect().contains(QRect(lista->mapTo(&f, QPoint(0, 0)), lista->size())));
    // The columns of both grids fit the room they get: nothing scrolls sideways.
    for (const GrillaRegistros* g : {&cabeceras(f), &retenciones(f)}) {
        SCOPED_TRACE(g->objectName().toStdString());
        int ancho = 0;
        for (int c = 0; c < g->model()->columnCount(); ++c)
            if (!g->isColumnHidden(c)) ancho += g->columnWidth(c);
        EXPECT_LE(ancho, g->viewport()->width());
        EXPECT_GE(ancho, g->viewport()->width() - 2);
    }
}

TEST(frmRetxCab, F1MuestraSuAyuda)
{
    Consulta e;
    frmRetxCab f(e.contexto);
    soltarF1(f);
    EXPECT_EQ(e.dialogs.clasesAbiertas, QStringList{u"frmAyuda"_s});
}

} // namespace
