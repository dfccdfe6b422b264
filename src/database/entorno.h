#pragma once
// The working environment every form shares: the active declaration, agent, branch and regime,
// and the fixed lists. Nothing active is an empty optional. The state is the environment's own: it
// changes only through its methods, each of which keeps the active values consistent with each
// other and tells cambiado(), which the main window follows for its menus and panels.

#include "database/filas.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class BaseDatos;

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
    // agent, branch and regime then win over the others given; each value not found leaves
    // nothing active in its place.
    void restaurar(std::optional<qint64> idCabecera, const QString& agente, const QString& sucursal,
                   const QString& regimen);
    // The active row read again after it was saved.
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

Q_SIGNALS:
    // The active values changed.
    void cambiado();
    // The active declaration was reset, by any of the paths that choose or clear a selection;
    // before cambiado().
    void cabeceraQuitada();
    // restaurar set the environment anew; before cambiado().
    void restaurado();

private:
    void quitarAgente();
    void quitarSucursal();
    void quitarCabecera();

    BaseDatos& base_;
    std::optional<Cabecera> cabecera_;
    std::optional<Agente> agente_;
    std::optional<Sucursal> sucursal_;
    std::optional<Regimen> regimen_;

    QChar separadorDecimal_ = QLatin1Char(',');
    QStringList nombresMeses_;
};

// The agent number as shown: five digits, "-", the check digit (012345 gives 01234-5).
QString formatoAgente(const QString& nroAgente);
