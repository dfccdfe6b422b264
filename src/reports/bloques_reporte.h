#pragma once
// The building blocks the report layouts are made of, in the look of the agency's printed forms:
// a title band, shaded section headings, boxed labelled fields, tables with columns, groups,
// subtotals and totals, wrapped paragraphs, signature lines and the cut line between copies.
// Each block is painted at the sheet's cursor and moves it down; a block that does not fit goes
// to a new sheet.

#include "reports/lienzo.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// The title band: title and subtitle on the left, a boxed mark (a copy's name) on the right.
void pintarTitulo(Lienzo& lienzo, const QString& titulo, const QString& subtitulo = {},
                  const QString& marca = {});

// A shaded band with a section heading.
void pintarSeccion(Lienzo& lienzo, const QString& titulo);

struct CampoReporte {
    QString etiqueta;
    QString valor;
    int columnas = 1;  // how many of the block's columns the field spans
};

// Boxed fields, the label small above its value, laid out left to right in `columnas` columns.
void pintarCampos(Lienzo& lienzo, const QList<CampoReporte>& campos, int columnas);

struct ColumnaTabla {
    QString titulo;
    double peso = 1;  // share of the table's width
    Alineacion alineacion = Alineacion::Izquierda;
};

struct FilaTabla {
    enum class Tipo { Detalle, Grupo, Subtotal, Total };
    Tipo tipo = Tipo::Detalle;
    QStringList celdas;  // a group row shows its first cell across the table
};

// Rows handed to a table one at a time as it lays them out, so that a table of any length holds
// one row in memory (a query read as it goes: ConsultaFilas).
class FuenteFilas {
public:
    virtual ~FuenteFilas() = default;
    // The next row; none after the last.
    virtual std::optional<FilaTabla> siguiente() = 0;
    // Starts again at row `fila` (0 the first), so that a sheet far down the table is laid out
    // without the rows before it.
    virtual void irA(qint64 fila) = 0;
};

struct TablaReporte {
    QList<ColumnaTabla> columnas;
    QList<FilaTabla> filas;
    // When given, the rows come from it instead of `filas`.
    std::shared_ptr<FuenteFilas> fuente;
    QString sinFilas;  // shown in place of the rows when there are none

    void detalle(const QStringList& celdas) { filas.push_back({FilaTabla::Tipo::Detalle, celdas}); }
    void grupo(const QString& titulo) { filas.push_back({FilaTabla::Tipo::Grupo, {titulo}}); }
    void subtotal(const QStringList& celdas) { filas.push_back({FilaTabla::Tipo::Subtotal, celdas}); }
    void total(const QStringList& celdas) { filas.push_back({FilaTabla::Tipo::Total, celdas}); }
};

// The heading row is repeated on every sheet the table runs onto.
void pintarTabla(Lienzo& lienzo, const TablaReporte& tabla);

// A boxed, labelled text that wraps over as many lines as it needs.
void pintarParrafo(Lienzo& lienzo, const QString& etiqueta, const QString& texto);

// Lines to sign on, evenly spread across the sheet, each with its caption below.
void pintarFirmas(Lienzo& lienzo, const QStringList& rotulos);

// A dashed line across the whole sheet where the copies are cut apart.
void pintarCorte(Lienzo& lienzo, double y);
