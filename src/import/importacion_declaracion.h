#pragma once
// The declaration run: a declaration file's withholding records ("R" valid, "A" annulled) become
// receipts of one declaration, numbered from the branch's counter and marked as imported ("I", or
// "E" when a check failed); the detail records ("D") that follow a receipt become its detail rows;
// after the last line the other withholdings of each receipt (regimes "11", "12", "16") are
// computed from its advances to other agents.
//
// Everything runs inside the caller's transaction, so rows stored earlier in the run take part in
// the later checks (a stamp repeated in one file is caught the second time), and a failure leaves
// nothing behind. Every statement is prepared once for the whole file.

#include "common/regimenes.h"
#include "database/importe.h"
#include "import/conteo_importacion.h"
#include "import/registros_importados.h"
#include "import/sentencia_preparada.h"
#include "import/verificacion_importacion.h"

#include <optional>

class BaseDatos;
class ReporteImportacion;
struct LineaImportada;
struct RegistroDetalle;
struct RevisionDetalle;

class ImportacionDeclaracion {
public:
    // Creates the declaration, or marks the existing one as imported and, when the plan says so,
    // empties it.
    ImportacionDeclaracion(BaseDatos& base, ReporteImportacion& reporte, const PlanImportacion& plan);

    qint64 idCabecera() const { return id_; }

    // A line after the header; `numero` is its line in the file, the header being line 1.
    void linea(const LineaImportada& linea, qint64 numero, ConteoImportacion& conteo);
    // After the last line: the last deferred check, the other withholdings and the branch's
    // counter. Then the count of discarded lines, when not 0, goes to the declaration.
    void terminar(ConteoImportacion& conteo);
    void guardarDescartados(qint64 descartadas);

private:
    struct Comprobante {
        QString numero;
        bool anulado = false;
        bool conError = false;
    };
    // The withheld amount of the last receipt of regimes "11", "12", "16", checked once its
    // advances are known.
    struct Pendiente {
        Importe bruto;
        Importe alicuota;
        Importe retenidoYAnticipos;
        qint64 linea = 0;
        QString comprobante;
    };

    void retencion(const RegistroRetencion& registro, qint64 numero, ConteoImportacion& conteo);
    void detalle(const RegistroDetalle& registro, qint64 numero, ConteoImportacion& conteo);
    void controlarOblea(const RegistroDetalle& registro, RevisionDetalle& revision);
    void descartarComprobante(ConteoImportacion& conteo);
    void controlarPendiente(ConteoImportacion& conteo);
    QString siguienteNumero();

    BaseDatos& base_;
    ReporteImportacion& reporte_;
    CabeceraImportada cabecera_;
    ReglasRegimen reglas_;
    int anio_ = 0;
    int mes_ = 0;
    qint64 id_ = 0;
    QString ultimoNumero_;        // the branch's counter as this run leaves it
    bool numeroTomado_ = false;
    std::optional<Comprobante> actual_;
    std::optional<Pendiente> pendiente_;

    SentenciaPreparada sujeto_;
    SentenciaPreparada concepto_;
    SentenciaPreparada insertarRetencion_;
    SentenciaPreparada marcarError_;
    SentenciaPreparada tipo_;
    SentenciaPreparada insertarGuia_;
    SentenciaPreparada obleaUsada_;
    SentenciaPreparada obleaDelAgente_;
    SentenciaPreparada borrarRetencion_;
    SentenciaPreparada borrarGuias_;
};
