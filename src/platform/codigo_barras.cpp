#include "platform/codigo_barras.h"

#include "platform/archivo_lectura.h"
#include "platform/archivos_privados.h"

#include <QFile>
#include <cstring>
#include <memory>
#include <zint.h>

namespace {

struct BorrarSimbolo {
    void operator()(zint_symbol* s) const { ZBarcode_Delete(s); }
};

CodigoBarrasDibujado fallo(FalloCodigoBarras tipo, const QString& detalle)
{
    return {tipo, {}, detalle};
}

} // namespace

CodigoBarrasDibujado dibujarCodigoBarras(const QString& texto, const QString& archivoBmp)
{
    if (QFile::exists(archivoBmp) && !QFile::remove(archivoBmp))
        return fallo(FalloCodigoBarras::Dibujo,
                     QStringLiteral("No se pudo reemplazar '%1'.").arg(archivoBmp));

    const std::unique_ptr<zint_symbol, BorrarSimbolo> simbolo(ZBarcode_Create());
    if (!simbolo) return fallo(FalloCodigoBarras::Memoria, {});

    const QByteArray destino = QFile::encodeName(archivoBmp);
    if (destino.size() >= int(sizeof simbolo->outfile))
        return fallo(FalloCodigoBarras::Dibujo, QStringLiteral("Ruta demasiado larga."));
    std::memcpy(simbolo->outfile, destino.constData(), destino.size() + 1);

    simbolo->symbology = BARCODE_CODE128;
    simbolo->scale = kPixelesPorModulo / 2.0f;  // zint draws two pixels per bar at scale 1
    simbolo->height = 40;                       // in bar widths: about 13 mm at the printed size
    simbolo->whitespace_width = 10;             // the quiet zone a scanner needs on each side
    simbolo->show_hrt = 1;                      // the text, readable, below the bars

    // zint writes over an empty file made first, which keeps the permissions it was made with.
    if (!crearArchivoVacio(archivoBmp))
        return fallo(FalloCodigoBarras::Dibujo,
                     QStringLiteral("No se pudo crear '%1'.").arg(archivoBmp));

    const QByteArray datos = texto.toLatin1();
    const int codigo = ZBarcode_Encode_and_Print(
        simbolo.get(), reinterpret_cast<const unsigned char*>(datos.constData()),
        int(datos.size()), 0);
    if (codigo >= ZINT_ERROR) {
        QFile::remove(archivoBmp);
        return fallo(FalloCodigoBarras::Dibujo, QString::fromLatin1(simbolo->errtxt));
    }

    ArchivoLectura archivo(archivoBmp);
    if (!archivo.abrir()) return fallo(FalloCodigoBarras::Dibujo, archivo.errorString());
    CodigoBarrasDibujado dibujado;
    dibujado.imagen = archivo.readAll();
    if (dibujado.imagen.isEmpty())
        return fallo(FalloCodigoBarras::Dibujo, QStringLiteral("Archivo vacío."));
    return dibujado;
}
