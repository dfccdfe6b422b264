#pragma once
// A report the engine prints: it reads what it needs once, then paints one copy as many times as
// the engine asks (each copy, each sheet the preview shows). A pass may stop at any sheet and
// another start from the beginning, so painting keeps nothing from one pass to the next; a table
// of any length reads its rows from the database as it lays them out (ConsultaFilas), so neither
// its rows nor its sheets are ever all held. The catalogue maps the report file names the forms
// use to the layouts that replace them.

#include <QString>
#include <QVariantMap>
#include <functional>
#include <map>
#include <memory>

class BaseDatos;
class Lienzo;

class Reporte {
public:
    virtual ~Reporte() = default;

    // The preview window's and the PDF's title.
    virtual QString titulo() const = 0;
    // The name, without extension, proposed when the user saves the document as a file; read
    // after leer(). By default the title.
    virtual QString nombreArchivo() const { return titulo(); }
    // Reads the scratch tables and the database; database failures are thrown (ErrorMotor).
    virtual void leer(BaseDatos& base, const QVariantMap& seleccion) = 0;
    // False when the tables held nothing to print.
    virtual bool tieneDatos() const = 0;
    // Paints one copy on the sheet the engine has just started; the layout starts further sheets
    // itself when it needs them, and the engine may end the pass at any of them.
    virtual void pintar(Lienzo& lienzo) const = 0;
};

class CatalogoReportes {
public:
    using Fabrica = std::function<std::unique_ptr<Reporte>()>;

    void agregar(const QString& archivo, Fabrica fabrica);
    // The report of that file name (the case and any folder in front are disregarded), or none.
    std::unique_ptr<Reporte> crear(const QString& archivo) const;

    // "/srv/informes/bolpago.rpt", "\bolpago.rpt" and "BOLPAGO.RPT" all name "bolpago.rpt".
    static QString clave(const QString& archivo);

private:
    std::map<QString, Fabrica> fabricas_;
};
