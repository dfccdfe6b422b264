#pragma once
// What the tests of concepts, subjects, goods types, rates, interest rates and due dates share
// besides formularios_prueba.h: their grid, leaving a box as the Tab key does, and the rows they
// start from.

#include "forms/grilla_registros.h"
#include "formularios_prueba.h"

#include <QFocusEvent>
#include <QHeaderView>

inline GrillaRegistros& grillaDe(const QWidget& formulario)
{
    return *formulario.findChild<GrillaRegistros*>();
}

inline QString celda(const GrillaRegistros& g, int fila, int columna)
{
    return g.modelo().data(g.modelo().index(fila, columna)).toString();
}

inline QString celdaActual(const GrillaRegistros& g, int columna)
{
    return celda(g, g.filaActual(), columna);
}

// Leaves a box as the Tab key would and lets the form answer: a refused value takes the focus
// back once the departure has been handled.
inline void salirDe(const QWidget& formulario, const QString& caja)
{
    QWidget* c = control(formulario, caja);
    if (!c) return;
    QFocusEvent salida(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(c, &salida);
    QCoreApplication::processEvents();
}

inline void clickEncabezado(const QWidget& formulario, int columna)
{
    Q_EMIT grillaDe(formulario).horizontalHeader()->sectionClicked(columna);
}

namespace datos {

inline void contribuyente(BaseDatos& base, const QString& nro, const QString& cuit,
                          const QString& nombre, const QString& tipo = QStringLiteral("0"))
{
    base.ejecutar(QStringLiteral("INSERT INTO Contribuyentes (Nro_Contrib, CUIT, Razon_Social, "
                                 "Domicilio, Cod_Tipo) VALUES (?, ?, ?, 'CALLE 1', ?)"),
                  {nro, cuit, nombre, tipo});
}

// A withholding of a declaration of some agent; `estado` "5" is an annulled one.
inline void retencion(BaseDatos& base, const QString& nroContrib, const QString& concepto,
                      const QString& estado = QStringLiteral("1"))
{
    base.ejecutar(QStringLiteral("INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Cod_Concepto, "
                                 "Nro_Comprobante, Estado) VALUES (77, ?, ?, '00000001', ?)"),
                  {nroContrib, concepto, estado});
}

} // namespace datos
