#pragma once
// The collection regimes and what each one asks of the program: the entry form its receipts are
// typed in, the detail rows a receipt carries, the stamps, the reports, the amounts and options it
// accepts, and how its declaration is imported, paid and written. Every part of the program that
// behaves by regime asks this table; no regime code is spelled anywhere else.
//
// A regime is "added by the program only", so in practice the code is always one of the table's;
// any other code gets the rules of a plain general regime.

#include "database/importe.h"

#include <QString>
#include <QStringList>
#include <optional>

// The entry form of the receipts: frmRetenciones, frmRetencionesB, frmRetencionesC.
enum class FormaEntrada { General, Detalle, Policial };

// The detail rows (`Guias`) of a receipt.
enum class ModoDetalle {
    Ninguno,
    Guias,              // livestock transport guides, goods class 1
    Obleas,             // grain stamps with their waybill number, goods class 2
    Alimentos,          // food concepts with their own receipt number, goods class 3
    Anticipos,          // advances deducted from the receipt
    AnticiposConOblea,  // advances that also carry a stamp and its waybill number
    ObleaZ,             // a single "Z" stamp typed on the receipt itself
};

// What the total of the detail rows becomes when the detail window hands it back to the receipt.
enum class TotalDetalle { Ninguno, ImporteBruto, OtrasRetenciones };

// The "O" record that follows each withholding in the declaration file.
enum class OtrosImportes { Ninguno, OtrasRetenciones, Multa };

// The records that carry a receipt's detail rows in the declaration file: "D" or "F".
enum class RegistrosDetalle { Ninguno, Detalle, Alimentos };

// What a subject's certificate of non-withholding (type "3") does to the rate.
enum class Constancia {
    NoExime,
    Exime,         // a zero rate, whatever the rates table says
    EximeSinFila,  // a zero rate when the rates table has no row for the subject
};

// The receipt reports: the general regimes', and those that show the receipt's detail rows.
enum class VarianteComprobante {
    General,
    Bienes,             // guides, or the food regime's concepts, with their value
    Obleas,             // stamps with their waybill
    Anticipos,          // advances deducted
    AnticiposConOblea,  // stamped advances
    AnticiposSinOblea,  // a receipt of stamped advances without its stamp
    Policial,           // stamps with their waybill, and the fine with its officer
};

// The columns the paper declaration adds: the other payments, and the agent's stamp balances.
struct VarianteDeclaracion {
    bool otrosPagos = false;
    bool saldos = false;
};

// The check boxes that change the rate looked up.
struct OpcionesRegimen {
    bool construccion = false;  // payment for construction work (chkSedeTV)
    bool seguros = false;       // insurance commission (chkRegimen7)
    bool lactea = false;        // milk and bee products (chkPagoLactea)
};

struct ReglasRegimen {
    QString codigo;  // the code asked for

    FormaEntrada entrada = FormaEntrada::General;
    ModoDetalle detalle = ModoDetalle::Ninguno;
    // Stamps are checked against the agent's remittances, and the declaration prints the agent's
    // stamp balances.
    bool obleasValidadas = false;
    TotalDetalle totalDetalle = TotalDetalle::Ninguno;
    // The entry form has the button that opens the window of the receipt's detail rows.
    bool detalleEnEntrada = false;
    // The goods class (`Tipos.Clase`) whose types the regime works with, and whose types form the
    // main window offers; 0 for none.
    int claseTipos = 0;

    // Reports: the receipt printed from the entry form (and, for a receipt without its stamp, the
    // second one), the receipt printed in batches from the receipts-by-declaration window, that
    // window's listing, and the paper declaration.
    VarianteComprobante comprobante = VarianteComprobante::General;
    std::optional<VarianteComprobante> comprobanteSinOblea;
    VarianteComprobante comprobanteLote = VarianteComprobante::General;
    bool listadoOtrosImportes = false;  // the listing shows each receipt's other amount
    // The batch receipt's text names the receipt's first detail row after the month, and its
    // observation prompt speaks of one receipt.
    bool loteConDetalle = false;
    VarianteDeclaracion declaracion;

    bool admiteNegativos = false;
    OpcionesRegimen opciones;
    QString conceptoPropuesto = QStringLiteral("00");  // the concept Nueva proposes

    // Rates: whether the user may not change them, what a subject's certificate does, and the rate
    // taken when the rates table has no row for the subject (none: zero).
    bool alicuotasFijas = false;
    Constancia constancia = Constancia::NoExime;
    std::optional<Importe> alicuotaSinFila;

    bool importable = true;
    bool boletaPorTurno = false;      // payment slips per police shift, none per declaration
    bool boletaImporteLibre = false;  // the slip is printed for any amount and closes nothing
    bool archivoPropio = false;       // a declaration file of its own besides the common one
    OtrosImportes otrosImportes = OtrosImportes::Ninguno;
    RegistrosDetalle registrosDetalle = RegistrosDetalle::Ninguno;
    // What undoing an imported declaration deletes besides its receipts.
    bool deshacerBorraGuias = false;
    bool deshacerBorraOtrasRetenciones = false;

    // The main window's Remesas item is shown.
    bool menuRemesas = false;

    // The concept every receipt of the regime is stored under, whatever the concept box held;
    // none where the user's concept is kept.
    std::optional<QString> conceptoFijo;
    // The fine collected with a receipt, as a percentage of the value of its stamps; zero where
    // receipts carry no fine.
    Importe porcentajeMulta;

    bool policial() const { return entrada == FormaEntrada::Policial; }
    bool conDetalle() const { return detalle != ModoDetalle::Ninguno; }
};

// The rules of a regime code (compared as text).
ReglasRegimen reglasRegimen(const QString& codRegimen);

// The codes in the table, in order ("01" to "16").
QStringList codigosRegimenes();

// The entry form's name for its kind.
QString nombreFormularioEntrada(FormaEntrada forma);
