#include "database/archivo_base.h"

#include "database/base_datos.h"
#include "database/esquema.h"
#include "platform/archivo_lectura.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

QString carpetaMostrada(const QString& ruta)
{
    return QDir::toNativeSeparators(QFileInfo(ruta).absolutePath());
}

[[noreturn]] void noEsDelPrograma(const QString& ruta, const QString& motivo)
{
    throw ErrorMotor(errores::BaseDaniada,
                     QStringLiteral("El archivo '%1' de la carpeta '%2' %3, y el programa no lo "
                                    "usará: no se modificó. Reemplácelo por su última copia de "
                                    "seguridad, o muévalo a otra carpeta y cree una base nueva "
                                    "con 'tarquel --crear-base'.")
                         .arg(QFileInfo(ruta).fileName(), carpetaMostrada(ruta), motivo));
}

bool puedeEscribir(const QString& ruta)
{
    return ::access(QFile::encodeName(ruta).constData(), W_OK) == 0;
}

quint32 numero(const QByteArray& bytes, int desde, int largo)
{
    quint32 n = 0;
    for (int i = 0; i < largo; ++i) n = (n << 8) | quint8(bytes[desde + i]);
    return n;
}

[[noreturn]] void noSePudoLeer(const QString& ruta, const QString& causa)
{
    throw ErrorMotor(errores::ErrorDisco,
                     QStringLiteral("No se pudo leer el archivo '%1' de la carpeta '%2': %3")
                         .arg(QFileInfo(ruta).fileName(), carpetaMostrada(ruta), causa));
}

// What the first hundred bytes of the file say of it.
void verificarCabecera(const QString& ruta)
{
    ArchivoLectura archivo(ruta);
    if (!archivo.abrir()) noSePudoLeer(ruta, archivo.errorString());
    const qint64 tamanio = archivo.tamanio();
    if (tamanio == 0) noEsDelPrograma(ruta, QStringLiteral("está vacío (no tiene datos)"));
    QByteArray cabecera(100, '\0');
    const qint64 leidos = archivo.read(cabecera.data(), cabecera.size());
    if (leidos < 0) noSePudoLeer(ruta, archivo.errorString());
    cabecera.truncate(qsizetype(leidos));
    static const QByteArray kFirma("SQLite format 3\0", 16);
    if (cabecera.size() < 100 || !cabecera.startsWith(kFirma))
        noEsDelPrograma(ruta, QStringLiteral("no es una base de datos de este programa"));

    // A file shorter than the pages its header counts lost its end. While a journal of an
    // interrupted save is waiting beside it, the engine restores the file first.
    const QString diario = ruta + QStringLiteral("-journal");
    if (QFileInfo(diario).size() > 0) return;
    quint32 pagina = numero(cabecera, 16, 2);
    if (pagina == 1) pagina = 65536;
    const quint32 paginas = numero(cabecera, 28, 4);
    const bool cuentaValida = numero(cabecera, 92, 4) == numero(cabecera, 24, 4);
    if (cuentaValida && paginas > 0 && tamanio < qint64(pagina) * paginas)
        noEsDelPrograma(ruta, QStringLiteral("está dañado (le falta una parte)"));
}

} // namespace

void abrirBaseDelPrograma(BaseDatos& base, const QString& ruta)
{
    base.cerrar();
    if (!QFileInfo(ruta).isFile())
        throw ErrorMotor(errores::BaseNoEncontrada,
                         QStringLiteral("No se encontró el archivo '%1'.").arg(ruta));
    verificarCabecera(ruta);

    const QString carpeta = QFileInfo(ruta).absolutePath();
    if (!puedeEscribir(carpeta))
        throw ErrorMotor(errores::SoloLectura,
                         QStringLiteral("La carpeta de datos '%1' es de sólo lectura: el programa "
                                        "no puede guardar nada en ella. Dele permiso de escritura "
                                        "(o copie sus archivos a una carpeta donde pueda "
                                        "escribir) y vuelva a iniciar el programa.")
                             .arg(QDir::toNativeSeparators(carpeta)));
    if (!puedeEscribir(ruta))
        throw ErrorMotor(errores::SoloLectura,
                         QStringLiteral("El archivo de base de datos '%1' de la carpeta '%2' es "
                                        "de sólo lectura: el programa no puede guardar nada en "
                                        "él. Quítele la protección contra escritura y vuelva a "
                                        "iniciar el programa.")
                             .arg(QFileInfo(ruta).fileName(), QDir::toNativeSeparators(carpeta)));

    base.abrir(ruta);
    try {
        for (const DefTabla& tabla : esquema::tablasBase())
            if (!base.existe(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' "
                                            "AND name = ? COLLATE NOCASE"),
                             {tabla.nombre}))
                noEsDelPrograma(ruta, QStringLiteral("no es una base de datos de este programa"));
    } catch (...) {
        base.cerrar();
        throw;
    }
}
