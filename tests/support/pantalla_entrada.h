#pragma once
// An entry form of receipts over its fixture, driven as the user drives it: a field's whole value
// typed and the field left, a button pressed, and what the form shows read back by the control's
// name. A test of one form adds what only that form has.
//
//     DatosEntrada f;
//     PantallaEntrada<frmRetenciones> p(f);
//     p.pulsar(u"cmdAgregar"_s);
//     p.escribir(u"mskNroContrib"_s, u"3001234567"_s);

#include "entry/servicios_entrada.h"
#include "support/datos_entrada.h"
#include "support/formularios_prueba.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

template <class Formulario, class Datos = DatosEntrada>
struct PantallaEntrada {
    Datos& f;
    Formulario form;

    explicit PantallaEntrada(Datos& datos, ServiciosEntrada servicios = {})
        : f(datos), form(datos.contexto, std::move(servicios))
    {
        form.show();
    }

    template <class T = QWidget>
    T* w(const QString& nombre)
    {
        return control<T>(form, nombre);
    }
    // What the user reads there: a label's or a button's caption, a box's text.
    QString texto(const QString& nombre)
    {
        if (auto* l = form.template findChild<QLabel*>(nombre)) return l->text();
        if (auto* b = form.template findChild<QPushButton*>(nombre)) return b->text();
        return w<QLineEdit>(nombre)->text();
    }
    // The field's new value, then the field left as Tab leaves it; the focus stays where the form
    // puts it.
    void escribir(const QString& nombre, const QString& valor)
    {
        auto* campo = w<QLineEdit>(nombre);
        campo->setText(valor);
        salirDe(campo);
    }
    void pulsar(const QString& nombre) { ::pulsar(form, nombre); }
    bool habilitado(const QString& nombre) { return w(nombre)->isEnabled(); }
    bool visible(const QString& nombre) { return w(nombre)->isVisible(); }
    // The edit frame's caption: what is being done (new, correction), empty while browsing.
    QString modo() { return w<QGroupBox>(QStringLiteral("fraRetencion"))->title(); }
    QString ultimoMensaje()
    {
        return f.dialogs.mensajes.empty() ? QString() : f.dialogs.mensajes.back().texto;
    }
};
