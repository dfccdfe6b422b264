// 3. The subjects grid on 300,000 subjects: each order the grid offers, to its last page (where a
// header click lands) and to its first.
// 4. The entry grid of the 100,000-row declaration: a header click for each order it offers, and
// Grabar (a new receipt saved and found in the grid).

#include "base_grande.h"
#include "carpetas_bench.h"
#include "medicion.h"
#include "objetivos.h"
#include "traza_sqlite.h"

#include "entry/frmRetenciones.h"
#include "reference/frmContribuyentes.h"
#include "forms/grilla_registros.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>

namespace objetivo_grillas {

namespace {

struct Orden {
    int columna;
    QString campo;
    QString sql;  // its ORDER BY
};

// The orders a grid offers: the columns whose header sorts it.
std::vector<Orden> ordenes(const GrillaRegistros& grilla)
{
    std::vector<Orden> o;
    const auto& columnas = grilla.modelo().columnas();
    for (int i = 0; i < int(columnas.size()); ++i)
        if (const ColumnaGrilla& c = columnas[std::size_t(i)]; c.ordenable())
            o.push_back({i, c.campo, c.ordenSql()});
    return o;
}

// What the screen shows once the grid has changed: its visible rows painted.
void pintar(GrillaRegistros& grilla)
{
    grilla.viewport()->repaint();
}

void clicEnEncabezado(GrillaRegistros& grilla, int columna)
{
    Q_EMIT grilla.horizontalHeader()->sectionClicked(columna);
    pintar(grilla);
}

GrillaRegistros& grillaDe(QWidget& form, const char* nombre)
{
    auto* g = form.findChild<GrillaRegistros*>(QString::fromLatin1(nombre));
    if (!g) throw std::runtime_error(std::string("no hay grilla ") + nombre);
    return *g;
}

struct Sujetos {
    SesionBench sesion{copiaGrande(QStringLiteral("grillas")).ruta()};
    frmContribuyentes form{sesion.contexto};
    GrillaRegistros& grilla = grillaDe(form, "dbgContribuyentes");

    Sujetos()
    {
        form.show();
        QCoreApplication::processEvents();
    }
};

struct Entrada {
    SesionBench sesion{copiaGrande(QStringLiteral("grillas")).ruta()};
    std::optional<frmRetenciones> form;
    GrillaRegistros* grilla = nullptr;
    QString sujeto;

    Entrada()
    {
        // The month in course, active as the environment left it.
        sesion.activar(idDeclaracion(sesion.base, base_grande::kMesMayor));
        form.emplace(sesion.contexto, ServiciosEntrada{});
        form->show();
        QCoreApplication::processEvents();
        grilla = &grillaDe(*form, "dbgRetenciones");
        sujeto = sesion.base
                     .valor(QStringLiteral("SELECT Nro_Contrib FROM Contribuyentes WHERE Cod_Tipo = '0' "
                                           "ORDER BY Nro_Contrib LIMIT 1"))
                     .toString();
    }

    template <class T = QLineEdit>
    T& control(const char* nombre)
    {
        auto* c = form->findChild<T*>(QString::fromLatin1(nombre));
        if (!c) throw std::runtime_error(std::string("no hay ") + nombre);
        return *c;
    }

    // The value typed and the box left, as the user's tab does.
    void escribir(const char* nombre, const QString& valor)
    {
        control(nombre).setText(valor);
        QFocusEvent salida(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&control(nombre), &salida);
        QCoreApplication::processEvents();
    }

    // Nueva and a receipt typed field by field, untimed; then Grabar, timed until the grid shows
    // the saved receipt.
    double grabar()
    {
        control<QPushButton>("cmdAgregar").click();
        escribir("mskNroContrib", sujeto);
        escribir("mskCodConcepto", QStringLiteral("00"));
        escribir("mskImpBru", QStringLiteral("1500,00"));
        const double ms = msDe([&] {
            control<QPushButton>("cmdGrabar").click();
            pintar(*grilla);
        });
        const QString ultimo =
            sesion.base
                .valor(QStringLiteral("SELECT Nro_Comprobante FROM Sucursales WHERE Nro_Agente = ? "
                                      "AND Sucursal = ?"),
                       {sesion.entorno.agente(), sesion.entorno.sucursal()})
                .toString();
        if (form->editando() || !form->filaActual() || form->filaActual()->nroComprobante != ultimo)
            throw std::runtime_error("el comprobante grabado no quedó como fila actual: "
                                     + sesion.dialogs.textosMostrados().join(u" / ").toStdString());
        return ms;
    }
};

Sujetos& sujetos()
{
    return fixtura<Sujetos>();
}

Entrada& entrada()
{
    return fixtura<Entrada>();
}

std::string nombreSujetos(const Orden& o, const char* pagina)
{
    return "Sujetos/" + o.campo.toStdString() + "/" + pagina;
}

std::string nombreEntrada(const Orden& o)
{
    return "Entrada/" + o.campo.toStdString();
}

const std::string kGrabar = "Entrada/Grabar";

} // namespace

void registrar(int repeticiones)
{
    for (const Orden& o : ordenes(sujetos().grilla)) {
        registrarTiempo(nombreSujetos(o, "ultima"), repeticiones, [o] {
            Sujetos& s = sujetos();
            return msDe([&] { clicEnEncabezado(s.grilla, o.columna); });
        });
        // The grid read afresh in that order and shown from its first row, as after a click the
        // user goes to the top.
        registrarTiempo(nombreSujetos(o, "primera"), repeticiones, [o] {
            Sujetos& s = sujetos();
            return msDe([&] {
                s.grilla.consultar(o.sql);
                s.grilla.irAFila(0);
                pintar(s.grilla);
            });
        });
    }
    // Before the clicks: the form is still in the order it opens with, by day.
    registrarTiempo(kGrabar, repeticiones, [] { return entrada().grabar(); });
    for (const Orden& o : ordenes(*entrada().grilla))
        registrarTiempo(nombreEntrada(o), repeticiones, [o] {
            Entrada& e = entrada();
            return msDe([&] { clicEnEncabezado(*e.grilla, o.columna); });
        });
}

void informar(const Medianas& m, std::vector<FilaObjetivo>& tabla)
{
    for (const Orden& o : ordenes(sujetos().grilla)) {
        const auto primera = m.ms(nombreSujetos(o, "primera"));
        const auto ultima = m.ms(nombreSujetos(o, "ultima"));
        std::optional<bool> cumple;
        if (primera && ultima) cumple = *primera <= 50 && *ultima <= 50;
        tabla.push_back({QStringLiteral("3. Sujetos por %1: primera / última página").arg(o.campo),
                         milisegundos(primera) + QStringLiteral(" / ") + milisegundos(ultima),
                         QStringLiteral("<= 50 ms c/u"), cumple});
    }
    for (const Orden& o : ordenes(*entrada().grilla)) {
        const auto ms = m.ms(nombreEntrada(o));
        tabla.push_back({QStringLiteral("4. Entrada de 100.000 filas: clic en %1").arg(o.campo),
                         milisegundos(ms), QStringLiteral("<= 50 ms"),
                         ms ? std::optional(*ms <= 50) : std::nullopt});
    }
    const auto grabar = m.ms(kGrabar);
    tabla.push_back({QStringLiteral("4. Entrada de 100.000 filas: Grabar y ubicar"),
                     milisegundos(grabar), QStringLiteral("<= 30 ms"),
                     grabar ? std::optional(*grabar <= 30) : std::nullopt});
}

void perfilar()
{
    const QString base = copiaGrande(QStringLiteral("grillas")).base();
    {
        Sujetos& s = sujetos();
        TrazaSqlite traza;
        traza.seguir(s.sesion.base);
        for (const Orden& o : ordenes(s.grilla)) {
            clicEnEncabezado(s.grilla, o.columna);
            s.grilla.consultar(o.sql);
            s.grilla.irAFila(0);
            pintar(s.grilla);
        }
        imprimirTraza(QStringLiteral("3. Sujetos: clic en cada orden y primera página"),
                      traza.sentencias(base));
    }
    Entrada& e = entrada();
    {
        TrazaSqlite traza;
        traza.seguir(e.sesion.base);
        for (const Orden& o : ordenes(*e.grilla)) clicEnEncabezado(*e.grilla, o.columna);
        imprimirTraza(QStringLiteral("4. Entrada: clic en cada orden"), traza.sentencias(base));
    }
    {
        // Grabar in the order the form opens with, by day.
        for (const Orden& o : ordenes(*e.grilla))
            if (o.campo == u"Dia") clicEnEncabezado(*e.grilla, o.columna);
        TrazaSqlite traza;
        traza.seguir(e.sesion.base);
        e.grabar();
        imprimirTraza(QStringLiteral("4. Entrada: Nueva, tecleo y Grabar"), traza.sentencias(base));
    }
}

} // namespace objetivo_grillas
