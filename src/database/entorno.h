#pragma once
// The working environment every form shares: the active declaration, agent, branch and regime,
// and the fixed lists. Nothing active is an empty
// optional. The state is the environment's own: it changes only through its methods, each of which
// keeps the active values consistent with each other, writes the texts of the main window's
// status-bar panels they concern, and tells cambiado(), which the main window follows for its
// menus and panels.

#include "database/filas.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class BaseDatos;

namespace panel {
inline const QString Agente = QStringLiteral("Agente");
inline const QString Sucursal = QStringLiteral("Sucursal");
inline const QString Regimen = QStringLiteral("Regimen");
inline const QString Mes = QStringLiteral("Mes");
inline const QString Anio = QStringLiteral("Anio");
inline const QString Rectifica = QStringLiteral("Rectifica");
} // namespace panel

class Entorno : public QObject {
    Q_OBJECT
public:
    explicit Entorno(BaseDatos& base, QObject* parent = nullptr);

    BaseDatos& baseDatos() const { return base_; }

    // ---- What is active.
    const std::optional<Cabecera>& cabeceraActual() const { return cabecera_; }
    const std::optional<Agente>& agenteActual() const { return agente_; }
    const std::optional<Sucursal>& sucursalActual() const { return sucursal_; }
    const std::optional<Regimen>& regimenActual() const { return regimen_; }
    // The key of each, "" (0) when nothing is active.
    QString agente() const;     // Nro_Agente
    QString sucursal() const;   // Sucursal
    QString regimen() const;    // Cod_Regimen
    qint64 idCabecera() const;  // IdCabecera
    // Whether the declaration `idCabecera` is the active one.
    bool esCabeceraActual(qint64 idCabecera) const;

    // ---- Choosing. A row no longer in the database leaves nothing active in its place.
    // The agent and its branch with the lowest number (no branch when it has none); no
    // declaration.
    void activarAgente(const QString& nroAgente);
    // A branch of the active agent; no declaration.
    void activarSucursal(const QString& sucursal);
    // The regime, agent and branch staying as they are; no declaration. A regime no longer there
    // keeps the one there was.
    void activarRegimen(const QString& codRegimen);
    // A declaration; false, with none left active, when it is no longer there.
    bool activarCabecera(qint64 idCabecera);
    // The environment a start or a reopening of the database sets: the declaration, whose own
    // agent, branch and regime then win over the others given; each value not found shows its
    // "(ninguno)" text.
    void restaurar(std::optional<qint64> idCabecera, const QString& agente, const QString& sucursal,
                   const QString& regimen);
    // The active row read again after it was saved (its panel follows).
    void releerAgente();
    void releerSucursal();
    void releerCabecera();

    // The three selection resets: no agent (nor branch, nor declaration), no branch (nor
    // declaration), no declaration. The regime is never reset.
    void limpiarAgenteActual();
    void limpiarSucursalActual();
    void limpiarCabeceraActual();

    // ---- Fixed values the start-up fills: decimal separator and month names.
    void cargarValoresFijos();
    QChar separadorDecimal() const { return separadorDecimal_; }
    const QStringList& nombresMeses() const { return nombresMeses_; }
    // The name of a month by its number ("05"); "" out of range.
    QString nombreMes(const QString& mes) const;

    // ---- The status-bar panels: their initial texts, in display order, their tool tips, and
    // what they show now.
    static QString textoInicial(const QString& clave);
    static QString ayudaPanel(const QString& clave);
    QString textoPanel(const QString& clave) const;

    // Panel texts for an active value.
    static QString textoAgente(const QString& nroAgente, const QString& razonSocial);
    static QString textoSucursal(const QString& sucursal, const QString& descripcion);
    static QString textoRegimen(const QString& codRegimen, const QString& descripcion);

Q_SIGNALS:
    // The active values or the panels changed.
    void cambiado();

private:
    void setPanel(const QString& clave, const QString& texto);
    void panelesIniciales();
    void quitarAgente();
    void quitarSucursal();
    void quitarCabecera();
    // The panels of the active declaration ("Año: ", "Mes: ", "R: "), agent, branch and regime.
    void mostrarCabecera();
    void mostrarAgente();
    void mostrarSucursal();
    void mostrarRegimen();

    BaseDatos& base_;
    std::optional<Cabecera> cabecera_;
    std::optional<Agente> agente_;
    std::optional<Sucursal> sucursal_;
    std::optional<Regimen> regimen_;

    QChar separadorDecimal_ = QLatin1Char(',');
    QStringList nombresMeses_;
    QString paneles_[6];
};

// The agent number as shown: five digits, "-", the check digit (012345 gives 01234-5).
QString formatoAgente(const QString& nroAgente);
