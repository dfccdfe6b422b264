#include "import/importacion_declaracion.h"

#include "common/ciclo_cabecera.h"
#include "common/obleas.h"
#include "database/base_datos.h"
#include "database/codigos.h"
#include "database/error_motor.h"
#include "database/filas.h"
#include "entry/numeracion.h"
#include "import/lector_lineas.h"
#include "import/reporte_importacion.h"
#include "import/revision_detalle.h"
#include "import/revision_retencion.h"
#include "import/revision_sujeto.h"

namespace {

QString s(const char* sql)
{
    return QString::fromLatin1(sql);
}

// What a receipt paid other agents in advances: a row of "Nro_Comprobante, SUM(Total)".
struct OtrasRetenciones {
    QString nroComprobante;
    Importe total;
};

OtrasRetenciones otrasRetencionesDe(const SentenciaPreparada& fila)
{
    return {fila.valor(0).toString(), Importe::desdeColumna(fila.valor(1))};
}

} // namespace

ImportacionDeclaracion::ImportacionDeclaracion(BaseDatos& base, ReporteImportacion& reporte,
                                               const PlanImportacion& plan)
    : base_(base),
      reporte_(reporte),
      cabecera_(plan.cabecera),
      reglas_(reglasRegimen(plan.cabecera.regimen)),
      anio_(plan.cabecera.anio.toInt()),
      mes_(plan.cabecera.numeroMes()),
      // The subject number is stored without dashes, ten characters: only that form can be found.
      sujeto_(base, s("SELECT 1 FROM Contribuyentes WHERE Nro_Contrib = ?")),
      concepto_(base, s("SELECT 1 FROM Conceptos WHERE Cod_Concepto = ?")),
      insertarRetencion_(base, s("INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Dia, "
                                 "Importe_Bruto, Alicuota, Importe_Ret, Nro_X, Cod_Concepto, "
                                 "Nro_Comprobante, Estado, MarcaImp) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")),
      marcarError_(base, s("UPDATE Retenciones SET MarcaImp = ? WHERE IdCabecera = ? "
                           "AND Nro_Comprobante = ? AND MarcaImp = ?")),
      tipo_(base, s("SELECT Valor FROM Tipos WHERE Clase = ? AND Tipo = ?")),
      insertarGuia_(base, s("INSERT INTO Guias (Nro_Comprobante, Nro_Agente, NroGuia, Tipo, "
                            "Cantidad, Valor_Unitario, Total, Nro_Anticipo, Nro_porte, IdCabecera) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")),
      // A stamp is in use on a detail row with a waybill whose receipt, in that row's own
      // declaration (receipt numbers repeat across branches), is not annulled.
      obleaUsada_(base, s("SELECT COUNT(*) FROM Guias WHERE NroGuia = ? AND Nro_porte <> '' "
                          "AND EXISTS (SELECT 1 FROM Retenciones WHERE "
                          "Retenciones.IdCabecera = Guias.IdCabecera AND "
                          "Retenciones.Nro_Comprobante = Guias.Nro_Comprobante AND "
                          "Retenciones.Estado <> ?)")),
      obleaDelAgente_(base, s("SELECT 1 FROM Guias WHERE NroGuia = ? AND Nro_Agente = ? "
                              "AND Nro_porte <> '' LIMIT 1")),
      borrarRetencion_(base, s("DELETE FROM Retenciones WHERE IdCabecera = ? AND Nro_Comprobante = ?")),
      borrarGuias_(base, s("DELETE FROM Guias WHERE IdCabecera = ? AND Nro_Comprobante = ?"))
{
    const CabeceraImportada& c = cabecera_;
    if (plan.idCabecera) {
        id_ = *plan.idCabecera;
        base_.ejecutar(s("UPDATE Cabeceras SET Origen = ? WHERE IdCabecera = ?"),
                       {origen_cabecera::Importada, id_});
    } else {
        base_.ejecutar(s("INSERT INTO Cabeceras (Nro_Agente, Sucursal, Cod_Regimen, Anio, Mes, "
                         "Rectifica, Estado, MarcaObs, Origen) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       {c.agente, c.sucursal, c.regimen, c.anio, c.mesNormalizado(), c.rectifica,
                        EstadoCabecera::inicial(origen_cabecera::Importada).codigo(),
                        marca_observacion::Sin,
                        origen_cabecera::Importada});
        id_ = base_.ultimoId();
    }
    if (plan.reemplazar) {
        for (const char* tabla : {"Retenciones", "Retenciones_B", "Guias"})
            base_.ejecutar(QStringLiteral("DELETE FROM %1 WHERE IdCabecera = ?").arg(QLatin1String(tabla)),
                           {id_});
    }
    const auto sucursal = leerSucursal(base_, c.agente, c.sucursal);
    if (!sucursal)
        throw ErrorMotor(errores::ErrorGeneral,
                         QStringLiteral("No se encontró la sucursal %1 del agente %2.")
                             .arg(c.sucursal, c.agente));
    ultimoNumero_ = sucursal->nroComprobante;
}

// The branch's next receipt number. The counter is written back once, when the run ends, inside
// the same transaction: numbers of receipts dropped later are never given again.
QString ImportacionDeclaracion::siguienteNumero()
{
    const auto siguiente = siguienteComprobante(ultimoNumero_);
    if (!siguiente)
        throw ErrorMotor(errores::ErrorGeneral,
                         QStringLiteral("La sucursal %1 no puede emitir más comprobantes: su último "
                                        "número es %2.")
                             .arg(cabecera_.sucursal, ultimoNumero_));
    ultimoNumero_ = *siguiente;
    numeroTomado_ = true;
    return ultimoNumero_;
}

void ImportacionDeclaracion::linea(const LineaImportada& linea, qint64 numero,
                                   ConteoImportacion& conteo)
{
    if (const auto registro = leerRetencion(linea)) {
        retencion(*registro, numero, conteo);
        return;
    }
    if (actual_ && reglas_.conDetalle()) {
        if (const auto registro = leerDetalle(linea)) {
            detalle(*registro, numero, conteo);
            return;
        }
    }
    // No record. Said only while a receipt is current: after a refused line its following lines
    // are passed over quietly.
    if (actual_) reporte_.linea(numero, hallazgo::Formato);
}

void ImportacionDeclaracion::retencion(const RegistroRetencion& r, qint64 numero,
                                       ConteoImportacion& conteo)
{
    actual_.reset();
    ConsultasRetencion consultas;
    const bool montos = r.bruto && r.retenido;
    if (montos) {
        consultas.sujetoCargado = sujeto_.hay({r.nroContrib()});
        consultas.conceptoCargado = concepto_.hay({r.concepto});
    }
    const RevisionRetencion v = revisarRetencion(r, reglas_, anio_, mes_, consultas);
    for (const QString& h : v.hallazgos) reporte_.linea(numero, h);
    if (!v.enFormato) return;

    const QString comprobante = siguienteNumero();
    if (controlDiferido(reglas_)) {
        controlarPendiente(conteo);
        pendiente_ = Pendiente{v.bruto, v.alicuota, v.retenido, numero, comprobante};
    }
    bool conError = v.conError;
    insertarRetencion_.ejecutar(
        {id_, r.nroContrib(), v.dia, v.bruto.aColumna(), v.alicuota.aColumna(),
         v.retenido.aColumna(), v.nroX, v.concepto, comprobante,
         r.anulada ? estado_retencion::Anulada : estado_retencion::Valida,
         conError ? marca_importacion::ConError : marca_importacion::Importada});
    ++conteo.importados;
    if (conError) ++conteo.conError;
    actual_ = Comprobante{comprobante, r.anulada, conError};
}

// The deferred check of the last receipt: when its withheld amount and its advances do not make
// gross x rate / 100, its line is logged and the receipt is marked "E", so it can be corrected.
void ImportacionDeclaracion::controlarPendiente(ConteoImportacion& conteo)
{
    if (!pendiente_) return;
    const Pendiente p = *pendiente_;
    pendiente_.reset();
    if (p.bruto.esCero() || p.alicuota.esCero()) return;
    if (!retenidoMalCalculado(p.bruto, p.alicuota, p.retenidoYAnticipos)) return;
    reporte_.linea(p.linea, hallazgo::MalCalculado);
    marcarError_.ejecutar(
        {marca_importacion::ConError, id_, p.comprobante, marca_importacion::Importada});
    if (marcarError_.cambiadas() > 0) {
        ++conteo.conError;
        if (actual_ && actual_->numero == p.comprobante) actual_->conError = true;
    }
}

void ImportacionDeclaracion::detalle(const RegistroDetalle& d, qint64 numero,
                                     ConteoImportacion& conteo)
{
    RevisionDetalle v = revisarDetalle(d, reglas_, cabecera_.agente,
                                       [this](int clase, qint64 tipo) -> std::optional<Importe> {
                                           QVariant valor;
                                           if (!tipo_.hay({clase, tipo}, &valor)) return std::nullopt;
                                           return Importe::desdeColumna(valor);
                                       });
    if (pendiente_) pendiente_->retenidoYAnticipos += v.anticipos;
    controlarOblea(d, v);
    for (const QString& h : v.hallazgos) reporte_.linea(numero, h);

    if (v.conError) {
        // Where stamps are checked against the remittances, a failed stamp takes its receipt.
        if (reglas_.obleasValidadas) descartarComprobante(conteo);
        actual_.reset();
        return;
    }
    const FilaDetalle& f = v.fila;
    insertarGuia_.ejecutar({actual_->numero, f.nroAgente, f.nroGuia, f.tipo, double(f.cantidad),
                            f.valorUnitario.aColumna(), f.total.aColumna(), f.nroAnticipo,
                            f.nroPorte, id_});
    ++conteo.detalles;
    if (!d.limpiados.isEmpty())
        reporte_.linea(numero, QStringLiteral(": ") + hallazgo::caracteresQuitados(d.limpiados));
}

void ImportacionDeclaracion::controlarOblea(const RegistroDetalle& d, RevisionDetalle& v)
{
    if (v.oblea == ControlOblea::Ninguno) return;
    const QString oblea = d.guia;
    auto fallo = [&](const QString& texto) {
        v.hallazgos << QStringLiteral(": El Nº de Oblea (") + oblea + texto;
        v.conError = true;
    };
    if (v.oblea == ControlOblea::Cualquiera) {
        QVariant usos;
        obleaUsada_.hay({oblea, estado_retencion::Anulada}, &usos);
        for (qint64 i = 0; i < usos.toLongLong(); ++i)
            fallo(QStringLiteral(" ) ya fué utilizada por otra retención."));
    } else if (obleaDelAgente_.hay({oblea, cabecera_.agente})) {
        fallo(QStringLiteral(" ) fué usado en otra retención"));
    }
    if (v.oblea == ControlOblea::DelAgente) return;
    if (!validaObleaAgente(base_, oblea, cabecera_.regimen,
                             int(campo_importado::valorNumerico(cabecera_.agente))))
        fallo(QStringLiteral(" ) no pertenece a una Remesa (tal vez olvidó cargar la remesa en el "
                             "Tarquel. Débe hacerlo antes de importar"));
}

// A stamp that failed takes its receipt with it, and every detail row of that receipt stored in
// this declaration. The receipt's number stays spent. An annulled receipt of the grain-stamp
// regime stays.
void ImportacionDeclaracion::descartarComprobante(ConteoImportacion& conteo)
{
    const Comprobante c = *actual_;
    if (!(reglas_.detalle == ModoDetalle::Obleas && c.anulado)) {
        borrarRetencion_.ejecutar({id_, c.numero});
        if (borrarRetencion_.cambiadas() > 0) {
            --conteo.importados;
            if (c.conError) --conteo.conError;
        }
    }
    borrarGuias_.ejecutar({id_, c.numero});
    conteo.detalles -= borrarGuias_.cambiadas();
}

void ImportacionDeclaracion::terminar(ConteoImportacion& conteo)
{
    controlarPendiente(conteo);

    if (controlDiferido(reglas_)) {
        // Other withholdings of each valid receipt of the declaration (those of an earlier import
        // too): the advances paid to other agents. A receipt without any keeps what it had.
        SentenciaPreparada sumas(
            base_, s("SELECT Nro_Comprobante, SUM(Total) FROM Guias WHERE IdCabecera = ? AND "
                     "Nro_Agente <> ? AND EXISTS (SELECT 1 FROM Retenciones WHERE "
                     "Retenciones.IdCabecera = Guias.IdCabecera AND "
                     "Retenciones.Nro_Comprobante = Guias.Nro_Comprobante AND "
                     "Retenciones.Estado <> ?) GROUP BY Nro_Comprobante"));
        SentenciaPreparada guardar(base_, s("INSERT OR REPLACE INTO Retenciones_B (IdCabecera, "
                                            "Nro_Comprobante, Otras_Reten) VALUES (?, ?, ?)"));
        sumas.ejecutar({id_, cabecera_.agente, estado_retencion::Anulada});
        while (sumas.siguiente()) {
            const OtrasRetenciones otras = otrasRetencionesDe(sumas);
            guardar.ejecutar({id_, otras.nroComprobante, otras.total.aColumna()});
        }
    }

    if (numeroTomado_)
        base_.ejecutar(s("UPDATE Sucursales SET Nro_Comprobante = ? WHERE Nro_Agente = ? AND "
                         "Sucursal = ?"),
                       {ultimoNumero_, cabecera_.agente, cabecera_.sucursal});
}

void ImportacionDeclaracion::guardarDescartados(qint64 descartadas)
{
    if (descartadas == 0) return;
    base_.ejecutar(s("UPDATE Cabeceras SET Descartados = ? WHERE IdCabecera = ?"),
                   {descartadas, id_});
}
