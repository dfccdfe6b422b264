#pragma once
// The texts of the main window's status-bar panels, read from the working environment: the
// active agent, branch and regime, and the month, year and correction number of the active
// declaration, each with its "(ninguno)" text when nothing is active.

#include <QObject>
#include <QString>

class Entorno;

// The panels' keys, which are also their object names.
namespace panel {
inline const QString Agente = QStringLiteral("Agente");
inline const QString Sucursal = QStringLiteral("Sucursal");
inline const QString Regimen = QStringLiteral("Regimen");
inline const QString Mes = QStringLiteral("Mes");
inline const QString Anio = QStringLiteral("Anio");
inline const QString Rectifica = QStringLiteral("Rectifica");
} // namespace panel

class PanelesEstado : public QObject {
    Q_OBJECT
public:
    // Built beside the environment, before it changes: the year's panel depends on what was done
    // to it last.
    explicit PanelesEstado(const Entorno& entorno, QObject* parent = nullptr);

    // The text a panel starts with, and its tool tip; "" for an unknown key.
    static QString textoInicial(const QString& clave);
    static QString ayudaPanel(const QString& clave);
    // What the panel shows now.
    QString texto(const QString& clave) const;

private:
    const Entorno& entorno_;
    // Whether the declaration was reset since the environment was last set from a start or a
    // reopening of the database.
    bool cabeceraQuitada_ = false;
};
