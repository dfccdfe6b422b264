#pragma once
// The program as a user meets it: started as main() starts it on a new install's data folder,
// driven from its menus with the forms' own fields and buttons, the database only read to see
// what a step left behind. The steps every road takes are here; each road adds its own.

#include "camino/dialogos_del_camino.h"
#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/importe.h"
#include "forms/grilla_registros.h"
#include "shell/arranque.h"
#include "shell/bloqueo_carpeta.h"
#include "shell/formularios_menu.h"
#include "shell/frmAcercaDe.h"
#include "shell/frmPrincipal.h"
#include "support/carpeta_temporal.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"
#include "support/impresora_del_programa.h"
#include "support/pdf_prueba.h"
#include "support/reloj_fijo.h"
#include "reports/vista_previa.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>

#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace camino {

// The agent and its subject; both numbers carry valid check digits. The month is May 2024.
inline const QString kAgente = u"123459"_s;
inline const QString kSujeto = u"0000123459"_s;

// ---- What a user does in a form, and what the user reads there.

// What the user reads is compared as std::string, so that a failure prints it as text.
inline std::string s(const QString& texto) { return texto.toStdString(); }

// Types over a box and leaves it with Tab.
inline void tipear(QWidget& formulario, const char* caja, const QString& valor)
{
    escribir(formulario, QString::fromLatin1(caja), valor);
    salirDe(formulario, QString::fromLatin1(caja));
}

inline void elegirEnLista(QWidget& formulario, const char* combo, int item)
{
    control<QComboBox>(formulario, QString::fromLatin1(combo))->setCurrentIndex(item);
}

// Clicks the row of a grid whose column `titulo` shows `valor`.
inline void elegirFila(QWidget& formulario, const char* grilla, const QString& titulo,
                const QString& valor)
{
    auto* g = control<GrillaRegistros>(formulario, QString::fromLatin1(grilla));
    ASSERT_TRUE(g);
    const auto& m = g->modelo();
    for (int c = 0; c < m.columnCount(); ++c) {
        if (m.headerData(c, Qt::Horizontal).toString() != titulo) continue;
        for (int r = 0; r < m.rowCount(); ++r)
            if (celda(*g, r, c) == valor) {
                g->setCurrentIndex(m.index(r, c));
                return;
            }
    }
    FAIL() << "no hay fila con " << s(titulo) << " = " << s(valor);
}

inline std::string caja(const QWidget& formulario, const char* nombre)
{
    return s(texto(formulario, QString::fromLatin1(nombre)));
}
inline std::string rotulo(const QWidget& formulario, const char* nombre)
{
    const auto* l = control<QLabel>(formulario, QString::fromLatin1(nombre));
    return l ? s(l->text()) : std::string();
}
// The caption of an edit frame: empty while browsing, so a save that landed leaves it empty.
inline std::string marco(const QWidget& formulario, const char* nombre)
{
    return s(tituloMarco(formulario, QString::fromLatin1(nombre)));
}

// In the preview, the user prints on a PDF printer with the preview's page set-up and closes it.
inline DialogosDelCamino::Accion imprimirEnPdf(const QString& archivo)
{
    return [archivo](QDialog& ventana) {
        auto* vista = qobject_cast<VistaPrevia*>(&ventana);
        ASSERT_TRUE(vista);
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(archivo);
        EXPECT_TRUE(vista->imprimirEn(pdf));
        vista->close();
    };
}

// The control code of a declaration file, computed from its bytes: each printable character's
// code times its position in its line, summed over every line, last eight digits.
inline std::string codigoDeControl(const QByteArray& archivo)
{
    qint64 suma = 0;
    for (QByteArray linea : archivo.split('\n')) {
        if (linea.endsWith('\r')) linea.chop(1);
        for (int i = 0; i < linea.size(); ++i) {
            const auto c = static_cast<unsigned char>(linea[i]);
            if (c >= 32 && c <= 126) suma += qint64(c) * (i + 1);
        }
    }
    return s(QString::number(suma % 100000000).rightJustified(8, u'0'));
}

inline std::string campo(const QSqlRecord& fila, const char* nombre)
{
    return s(fila.value(QString::fromLatin1(nombre)).toString());
}
// An amount column as "1234.56".
inline std::string importe(const QSqlRecord& fila, const char* nombre)
{
    return s(Importe::desdeColumna(fila.value(QString::fromLatin1(nombre))).conPunto());
}

// ---- The program, started as main() starts it, on a new install's data folder.

class Camino : public ::testing::Test {
protected:
    Camino() { carpeta.crearBaseInstalada(); }

    // A menu item as the user reaches it: its menu and the item itself must be enabled. Every
    // window and answer the step prepared must have been used by the time the command returns.
    void menu(const char* item)
    {
        QAction* accion = ventana.accion(QString::fromLatin1(item));
        ASSERT_TRUE(accion) << item;
        ASSERT_TRUE(menuHabilitado(item)) << item << " no se puede elegir";
        accion->trigger();
        EXPECT_EQ(dialogos.sinUsar(), QStringList())
            << "tras " << item << ": " << s(dialogos.sinUsar().join(u", "_s));
    }

    // Whether the user can reach the item: its menu enabled, the item enabled and shown.
    bool menuHabilitado(const char* item) const
    {
        const QAction* accion = ventana.accion(QString::fromLatin1(item));
        for (const QMenu* m : ventana.findChildren<QMenu*>())
            if (m->actions().contains(accion))
                return m->isEnabled() && accion->isEnabled() && accion->isVisible();
        return false;
    }

    std::string panelDe(const QString& clave) const { return s(ventana.textoPanel(clave)); }
    std::vector<std::string> panelesDeclaracion() const
    {
        return {panelDe(panel::Anio), panelDe(panel::Mes), panelDe(panel::Rectifica)};
    }

    // The messages and questions shown since the last look.
    std::vector<std::string> mensajes()
    {
        std::vector<std::string> t;
        for (const QString& m : dialogos.mensajesNuevos()) t.push_back(s(m));
        return t;
    }

    std::string valor(const QString& sql, const QVariantList& valores = {})
    {
        return s(base.valor(sql, valores).toString());
    }
    std::vector<QSqlRecord> impresos()
    {
        return base.filas(u"SELECT * FROM Impresos ORDER BY rowid"_s);
    }

    // ---- The steps every road takes, in order.
    void arrancar();
    void cargarAgente();
    void verSucursal(const char* ultimoComprobante);
    // Administración → Régimenes: the regime clicked in the list and activated.
    void activarRegimen(const QString& codigo, const char* panel);
    void cargarAlicuota();
    void cargarVencimiento();
    void cargarSujeto();
    void crearYActivarDeclaracion();
    // `regimen`: the active regime the environment file keeps.
    void cerrarPrograma(const char* regimen);

    CarpetaTemporal carpeta;
    const QString datos = carpeta.dir.path();
    const QString diskette = carpeta.ruta(u"diskette"_s);
    BloqueoCarpeta bloqueo{datos};
    DialogosDelCamino dialogos;
    BaseDatos base;
    Entorno entorno{base};
    RelojFijo reloj{QDate(2024, 5, 20)};
    MotorReportes impresora{base, dialogos, reportesDelPrograma(), ningunaImpresora};
    Contexto contexto{base, entorno, dialogos, reloj, impresora, datos};
    Arranque arranque{entorno, dialogos, datos};
    frmPrincipal ventana{contexto, arranque};
};

} // namespace camino
