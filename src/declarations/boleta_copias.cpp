#include "declarations/boleta_copias.h"

#include "database/base_datos.h"
#include "database/transaccion.h"
#include "declarations/boleta.h"
#include "declarations/codigo_barras_boleta.h"
#include "platform/codigo_barras.h"
#include "platform/dialogs.h"

#include <QDir>

namespace {

const QString kSinCodigo =
    QStringLiteral("La boleta de pago será impresa sin el código de barras.");

QVariant fecha(const QDate& d)
{
    return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant(QMetaType(QMetaType::QString));
}

} // namespace

QByteArray codigoBarrasBoleta(Dialogs& dialogs, const QString& carpeta, const Boleta& boleta)
{
    const QString archivo = QDir(carpeta).filePath(kArchivoCodigoBarras);
    const std::optional<QString> texto = textoCodigoBarras(boleta);
    if (!texto) {
        // The old picture must not stand for this slip.
        QFile::remove(archivo);
        dialogs.aviso(QStringLiteral("Los importes de esta boleta no caben en el código de "
                                     "barras.\n")
                          + kSinCodigo,
                      QStringLiteral("Atención"), Icono::Exclamacion);
        return {};
    }
    const CodigoBarrasDibujado dibujado = dibujarCodigoBarras(*texto, archivo);
    switch (dibujado.fallo) {
    case FalloCodigoBarras::Ninguno: return dibujado.imagen;
    case FalloCodigoBarras::Memoria:
        dialogs.aviso(QStringLiteral("Insuficiente memoria para generar el código de barras.\n")
                          + kSinCodigo,
                      kTituloAplicacion, Icono::Critico);
        break;
    case FalloCodigoBarras::Dibujo:
        dialogs.aviso(QStringLiteral("Error al dibujar el código de barras.\n") + kSinCodigo,
                      kTituloAplicacion, Icono::Critico);
        break;
    }
    return {};
}

void escribirCopiasBoleta(BaseDatos& base, const Boleta& boleta, const QByteArray& codBar)
{
    Transaccion transaccion(base);
    base.ejecutar(QStringLiteral("DELETE FROM Impresos"));
    for (const QString& para : kCopiasBoleta) {
        const bool conCodigo = para == kCopiasBoleta.last() && !codBar.isEmpty();
        base.ejecutar(
            QStringLiteral("INSERT INTO Impresos (Para, IdCabecera, Importe, Importe1, Texto, "
                           "Interes, FechaV, FechaP, CodBar) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {para, boleta.idCabecera, boleta.total.aColumna(), boleta.otrosPagos.aColumna(),
             boleta.texto, boleta.interes.aColumna(), fecha(boleta.vencimiento),
             fecha(boleta.pago),
             conCodigo ? QVariant(codBar) : QVariant(QMetaType(QMetaType::QByteArray))});
    }
    transaccion.confirmar();
}

void prepararCopiasBoleta(BaseDatos& base, Dialogs& dialogs, const QString& carpeta,
                          const Boleta& boleta)
{
    const QByteArray codBar = codigoBarrasBoleta(dialogs, carpeta, boleta);
    escribirCopiasBoleta(base, boleta, codBar);
}
