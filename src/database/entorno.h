#pragma once
// The working environment every form shares: the open database, the active declaration, agent,
// branch and regime, and the fixed lists. Nothing active is an empty optional. The texts of the
// main window's status-bar panels live here too, so that every change of the environment writes
// them in one place and the window only shows them.

#include <QObject>
#include <QSqlRecord>
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

    BaseDatos& Base_Datos() const { return base_; }

    std::optional<QSqlRecord> Cabecera_Actual;
    std::optional<QSqlRecord> Agente_Actual;
    std::optional<QSqlRecord> Sucursal_Actual;
    std::optional<QSqlRecord> Regimen_Actual;

    QChar Separador_Decimal = QLatin1Char(',');
    QStringList Nombres_Meses;
    QStringList Estados_Cabecera;
    QString Clave_Ayuda;
    bool Editar_Ayuda = false;
    qint64 Tamanio_Anterior = 0;
    qint64 Tamanio_Compactada = 0;

    // Field of the active row as text ("" when nothing is active).
    QString agente() const;      // Nro_Agente
    QString sucursal() const;    // Sucursal
    QString regimen() const;     // Cod_Regimen
    qint64 idCabecera() const;   // IdCabecera, 0 when none

    // The initial texts of the panels, in display order, and their tool tips.
    static QString textoInicial(const QString& clave);
    static QString ayudaPanel(const QString& clave);
    QString textoPanel(const QString& clave) const;
    void setPanel(const QString& clave, const QString& texto);
    // Back to the texts shown when the window is created.
    void panelesIniciales();

    // Shared values that the start-up fills: decimal separator, month and state names.
    void cargarValoresFijos();

    // Reads the row of a table by its key; empty when not found.
    std::optional<QSqlRecord> leerCabecera(qint64 idCabecera);
    std::optional<QSqlRecord> leerAgente(const QString& nroAgente);
    std::optional<QSqlRecord> leerSucursal(const QString& nroAgente, const QString& sucursal);
    std::optional<QSqlRecord> leerRegimen(const QString& codRegimen);

    // The three selection resets: no agent (nor branch, nor declaration), no branch (nor
    // declaration), no declaration. The regime is never reset.
    void Limpiar_Agente_Actual();
    void Limpiar_Sucursal_Actual();
    void Limpiar_Cabecera_Actual();

    // Panel texts for an active value.
    static QString textoAgente(const QString& nroAgente, const QString& razonSocial);
    static QString textoSucursal(const QString& sucursal, const QString& descripcion);
    static QString textoRegimen(const QString& codRegimen, const QString& descripcion);
    // Write the panels of the active declaration ("Año: ", "Mes: ", "R: "), agent, branch and
    // regime from their rows; a value not active leaves its panel as it is.
    void mostrarCabecera();
    void mostrarAgente();
    void mostrarSucursal();
    void mostrarRegimen();

Q_SIGNALS:
    void panelCambiado(const QString& clave, const QString& texto);

private:
    BaseDatos& base_;
    QString paneles_[6];
};

// The agent number as shown: five digits, "-", the check digit (012345 gives 01234-5).
QString formatoAgente(const QString& nroAgente);
