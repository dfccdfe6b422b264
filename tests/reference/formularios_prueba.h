#pragma once
// What the tests of the record forms share: a data folder with the installed database, the
// context the forms get, and small ways to drive a form as a user would.

#include "support/impresora_del_programa.h"
#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "platform/reloj.h"
#include "support/carpeta_temporal.h"
#include "support/dialogos_guionados.h"

#include <QAbstractButton>
#include <QFile>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "support/reloj_fijo.h"


// The database a new install has, made once for the whole run; each test works on a copy.
inline const QString& basePlantilla()
{
    static QTemporaryDir carpeta;
    static const QString ruta = [] {
        const QString r = QDir(carpeta.path()).filePath(QStringLiteral("BDR.mdb"));
        DialogosGuionados silencio;
        ::crearBaseInstalada(r, silencio);
        return r;
    }();
    return ruta;
}

// A context over a database of its own. With `instalada` the database is the one a new install
// has; otherwise it is empty and the test makes its own tables.
struct EntornoDePrueba {
    explicit EntornoDePrueba(bool instalada = true)
    {
        if (instalada) {
            QFile::copy(basePlantilla(), carpeta.base());
            base.abrir(carpeta.base());
        } else {
            base.crear(carpeta.base());
        }
        contexto.carpeta = carpeta.dir.path();
    }

    int contar(const QString& sql, const QVariantList& valores = {})
    {
        return base.valor(sql, valores).toInt();
    }

    CarpetaTemporal carpeta;
    BaseDatos base;
    Entorno entorno{base};
    DialogosGuionados dialogs;
    RelojFijo reloj;
    MotorReportes impresora{base, dialogs, reportesDelPrograma(), ningunaImpresora};
    Contexto contexto{base, entorno, dialogs, reloj, impresora, QString()};
};

template <class T = QWidget>
T* control(const QWidget& formulario, const QString& nombre)
{
    T* c = formulario.findChild<T*>(nombre);
    EXPECT_NE(c, nullptr) << nombre.toStdString();
    return c;
}

// A click as the user gives it: nothing happens on a disabled or hidden button.
inline void pulsar(const QWidget& formulario, const QString& boton)
{
    auto* b = control<QAbstractButton>(formulario, boton);
    if (b && !b->isHidden()) b->click();
}

inline bool habilitado(const QWidget& formulario, const QString& nombre)
{
    const QWidget* c = control(formulario, nombre);
    return c && c->isEnabled();
}

// Types `texto` into a box key by key, as the keyboard would.
inline void teclear(QWidget* caja, const QString& texto)
{
    for (const QChar c : texto) {
        QKeyEvent pulsada(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(caja, &pulsada);
        QKeyEvent soltada(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(caja, &soltada);
    }
}

// Replaces a box's text as a user would: select it all and type over it.
inline void escribir(const QWidget& formulario, const QString& caja, const QString& texto)
{
    auto* c = control<QLineEdit>(formulario, caja);
    if (!c) return;
    c->selectAll();
    c->del();
    teclear(c, texto);
}

inline QString texto(const QWidget& formulario, const QString& caja)
{
    const auto* c = control<QLineEdit>(formulario, caja);
    return c ? c->text() : QString();
}

inline QString tituloMarco(const QWidget& formulario, const QString& marco)
{
    const auto* c = control<QGroupBox>(formulario, marco);
    return c ? c->title() : QString();
}

inline QString enfocado(const QWidget& formulario)
{
    const QWidget* c = formulario.focusWidget();
    return c ? c->objectName() : QString();
}

inline void soltarF1(QWidget& formulario)
{
    QKeyEvent f1(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&formulario, &f1);
}
