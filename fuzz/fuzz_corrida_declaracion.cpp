// Fuzz target: a whole declaration run on a real database. The input, after a header of a regime
// taken from its first byte, is the file's body; the run must always end well (bad lines are
// logged, never a failure of the whole run) and leave the database as a run should: the counts
// adding up, every detail row with its receipt, and no control character in what was stored.
// Each input is undone afterwards.

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/base_suministrada.h"
#include "database/entorno.h"
#include "database/transaccion.h"
#include "import/corrida_importacion.h"
#include "import/registros_importados.h"
#include "import/verificacion_importacion.h"
#include "support/dialogos_guionados.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

const char* const kRegimenes[] = {"01", "09", "10", "11", "12", "14", "15", "16"};

struct Banco {
    QTemporaryDir carpeta;
    BaseDatos base;
    Entorno entorno{base};
    DialogosGuionados dialogos;

    Banco()
    {
        const QString ruta = QDir(carpeta.path()).filePath(QStringLiteral("BDR.mdb"));
        crearBaseInstalada(ruta, dialogos);
        base.abrir(ruta);
        entorno.cargarValoresFijos();
        for (const char* sql : {
                 "INSERT INTO Agentes (Nro_Agente, Razon_Social) VALUES ('000123', 'AGENTE')",
                 "INSERT INTO Sucursales (Nro_Agente, Sucursal, Nro_Comprobante) "
                 "VALUES ('000123', '0001', '00000041')",
                 "INSERT INTO Contribuyentes (Nro_Contrib, CUIT, Razon_Social, Domicilio, Cod_Tipo) "
                 "VALUES ('0001234565', '20123456786', 'PEREZ', 'MITRE 1', '0')",
                 "INSERT INTO Conceptos (Cod_Concepto, Descripcion) VALUES ('01', 'VENTAS')",
                 "INSERT INTO Remesas (Nro_Remesa, TipoEstampilla, Nro_Agente, Nro_desde, Nro_Hasta) "
                 "VALUES (1, 'A', '000123', 100, 200)",
                 "INSERT INTO Remesas (Nro_Remesa, TipoEstampilla, Nro_Agente, Nro_desde, Nro_Hasta) "
                 "VALUES (2, 'Z', '000123', 1, 10)"})
            base.ejecutar(QString::fromLatin1(sql));
    }
};

Banco& banco()
{
    static int argc = 1;
    static char nombre[] = "fuzz";
    static char* argv[] = {nombre, nullptr};
    static QCoreApplication app(argc, argv);
    static Banco b;
    return b;
}

void exigir(bool condicion, const char* que)
{
    if (condicion) return;
    std::fprintf(stderr, "falla: %s\n", que);
    for (const Mensaje& m : banco().dialogos.mensajes)
        std::fprintf(stderr, "  %s: %s\n", qPrintable(m.titulo), qPrintable(m.texto));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    if (largo == 0 || largo > 4096) return 0;
    Banco& b = banco();
    const QString regimen = QString::fromLatin1(kRegimenes[datos[0] % std::size(kRegimenes)]);
    const QString ruta = QDir(b.carpeta.path()).filePath(QStringLiteral("DDJJ.TXT"));
    {
        QFile f(ruta);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write("C000123" + regimen.toLatin1() + "20080200" + "0001*\r\n");
        f.write(reinterpret_cast<const char*>(datos + 1), qint64(largo - 1));
    }
    b.dialogos.mensajes.clear();

    // Everything the run does is undone once checked.
    Transaccion todo(b.base);
    auto plan = verificarArchivo(b.base, b.dialogos, b.entorno.nombresMeses(),
                                 ModoImportacion::Declaracion, ruta);
    exigir(std::holds_alternative<PlanImportacion>(plan), "la cabecera no pasó");
    const ResultadoImportacion r =
        importarArchivo(b.base, b.dialogos, b.carpeta.path(), std::get<PlanImportacion>(plan));
    exigir(r.completa, "la corrida no terminó");
    const ConteoImportacion& c = r.conteo;
    exigir(c.importados >= 0 && c.conError >= 0 && c.detalles >= 0 && c.conError <= c.importados,
           "cuentas negativas");
    exigir(c.descartadas() >= 0, "más guardados que líneas");
    const qint64 retenciones =
        b.base.valor(QStringLiteral("SELECT COUNT(*) FROM Retenciones")).toLongLong();
    const qint64 guias = b.base.valor(QStringLiteral("SELECT COUNT(*) FROM Guias")).toLongLong();
    exigir(retenciones == c.importados, "comprobantes guardados distintos de los contados");
    exigir(guias == c.detalles, "detalles guardados distintos de los contados");
    exigir(b.base.valor(QStringLiteral("SELECT COUNT(*) FROM Retenciones WHERE MarcaImp = 'E'"))
                   .toLongLong()
               == c.conError,
           "comprobantes con error distintos de los contados");
    // Detail rows belong to a stored receipt.
    exigir(!b.base.existe(QStringLiteral(
               "SELECT 1 FROM Guias g WHERE NOT EXISTS (SELECT 1 FROM Retenciones r WHERE "
               "r.IdCabecera = g.IdCabecera AND r.Nro_Comprobante = g.Nro_Comprobante)")),
           "un detalle sin su comprobante");
    for (const char* sql : {"SELECT Nro_Contrib || Dia || Nro_X || Cod_Concepto FROM Retenciones",
                            "SELECT Nro_Agente || NroGuia || Nro_Anticipo || Nro_porte FROM Guias"})
        for (const QSqlRecord& fila : b.base.filas(QString::fromLatin1(sql)))
            exigir(!campo_importado::conControles(fila.value(0).toString()),
                   "un carácter de control guardado");
    todo.deshacer();
    return 0;
}
