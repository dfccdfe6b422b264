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

struct TablaReporte {
    QList<ColumnaTabla> columnas;
    QList<FilaTabla> filas;
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
