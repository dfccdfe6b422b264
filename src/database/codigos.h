#pragma once
// The codes stored in the state and mark columns, by their meaning: the state of a declaration
// (`Cabeceras.Estado`), its origin, the state of a receipt (`Retenciones.Estado`), the marks the
// import leaves on a receipt (`Retenciones.MarcaImp`), the type of a subject and the codes the
// schema and the seeds name. Every reader and writer of those columns names them from here; the
// header depends on nothing of the program, so the database layer names them too.

#include <QString>

// What each state allows, the state each action leaves and each state's name are EstadoCabecera's
// (common/ciclo_cabecera.h).
namespace estado_cabecera {
inline const QString Vacia = QStringLiteral("1");    // created, no receipt yet
inline const QString Abierta = QStringLiteral("2");  // has receipts, imported or rectified
inline const QString Cerrada = QStringLiteral("3");  // closed by one of the closing operations
inline const QString Anulada = QStringLiteral("4");  // a name only: nothing writes it
} // namespace estado_cabecera

// `Cabeceras.Origen`.
namespace origen_cabecera {
inline const QString Manual = QStringLiteral("M");     // created on the declarations form
inline const QString Importada = QStringLiteral("I");  // made by the import
} // namespace origen_cabecera

// `Cabeceras.MarcaObs`: whether the emitted declaration carries an observation.
namespace marca_observacion {
inline const QString Con = QStringLiteral("S");
inline const QString Sin = QStringLiteral("N");
} // namespace marca_observacion

// `Cabeceras.Rectifica` of a declaration that rectifies none: the original.
namespace rectificacion {
inline const QString Original = QStringLiteral("00");
} // namespace rectificacion

namespace estado_retencion {
inline const QString Anulada = QStringLiteral("4");
inline const QString Valida = QStringLiteral("5");
} // namespace estado_retencion

// `Contribuyentes.Cod_Tipo`: the type of a subject, which picks its rate (`Alicuotas.Cod_Tipo`).
// The number's jurisdiction gives it, unless the subject presented a certificate.
namespace tipo_sujeto {
inline const QString ObligadoDirecto = QStringLiteral("0");  // jurisdiction "000"
inline const QString ConvenioLocal = QStringLiteral("1");    // multilateral agreement, "911"
inline const QString ConvenioForaneo = QStringLiteral("2");  // multilateral agreement, elsewhere
inline const QString Constancia = QStringLiteral("3");       // certificate of non-withholding
inline const QString Extranjero = QStringLiteral("4");       // "999"
inline const QString NoInscripto = QStringLiteral("6");      // the "950" series
} // namespace tipo_sujeto

// The jurisdiction a subject's number begins with (`Contribuyentes.Nro_Contrib`, its first three
// digits) that the system numbers: the subjects not registered.
namespace jurisdiccion_sujeto {
inline const QString NoInscripto = QStringLiteral("950");
} // namespace jurisdiccion_sujeto

// The regimes (`Cod_Regimen`) the seeds name, whose receipts deduct advances: "11" without a stamp,
// "12" with one. Everything else about a regime is the regime table's (common/regimenes.h).
namespace codigo_regimen {
inline const QString Anticipos = QStringLiteral("11");
inline const QString AnticiposConOblea = QStringLiteral("12");
} // namespace codigo_regimen

// `Nro_Comprobante` of the detail rows (`Guias`) of a receipt still being entered: the receipt takes
// its number only when it is saved.
inline const QString kComprobantePendiente = QStringLiteral("0");

namespace marca_importacion {
inline const QString Manual = QStringLiteral("");      // entered on the form: "", not null
inline const QString Importada = QStringLiteral("I");  // imported clean
inline const QString ConError = QStringLiteral("E");   // imported with an error
inline const QString Corregida = QStringLiteral("C");  // corrected after import
} // namespace marca_importacion
