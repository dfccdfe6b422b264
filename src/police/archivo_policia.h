#pragma once
// The police declaration file of a closed declaration of the police checkpoints, handed in beside
// the ordinary declaration file: "DJPol_<agent>_<branch>_<regime>_<year>_<month>_<rect>.TXT", in
// Windows-1252 with CR LF line ends, each record ending in "*":
//   K  header, 83 characters: agent, regime, year, month, rectification, branch, the branch's
//      description and locality, the declaration's origin
//   P  one per officer who collected a fine in the declaration, 83 characters: name, file number,
//      document type code and number, bank account, officer code
//   M  one per fine, 33 characters: officer code, amount, date and time collected
// P and M are linked by the officer code. A fine whose officer has been deleted keeps its M
// record. Numbers grow past their field rather than being cut; an amount carries the locale's
// decimal separator.

#include "database/filas.h"

#include <QByteArray>
#include <QString>
#include <vector>

class BaseDatos;
class Impresora;
class QLocale;
struct Contexto;

struct ArchivoPolicia {
    QString nombre;
    std::vector<QByteArray> lineas;  // without line ends

    QByteArray contenido() const;
};

QString nombreArchivoPolicia(const Cabecera& cabecera);

// The document-type code of an officer's `Tipo`: "96" D.N.I., "90" L.C., "99" L.E., "51" C.I.,
// "00" for anything else.
QString codigoTipoDocumento(const QString& tipo);

// Reads the declaration's branch, officers and fines.
ArchivoPolicia armarArchivoPolicia(BaseDatos& base, const Cabecera& cabecera,
                                   const QLocale& locale);

// "D.Jurada Policía": for a closed declaration, asks for the folder, writes the file together with
// the fines report's row, says where, and, after the print question, prints the fines report (two
// copies). A file that cannot be written, or a row that cannot be kept, ends with a message: the
// folder as it was, no report row, no print. False: the declaration's row never changes here.
bool emitirDeclaracionPolicia(Contexto& contexto, qint64 idCabecera);
bool emitirDeclaracionPolicia(Contexto& contexto, qint64 idCabecera, Impresora& impresora);
