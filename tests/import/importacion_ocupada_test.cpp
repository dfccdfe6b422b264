// A large import while another program holds the database open for reading: it says the file is
// in use at once, keeps nothing, and goes through when tried again once the file is free.

#include "import/base_importacion.h"

namespace {

using namespace prueba_importacion;

class ImportacionOcupadaTest : public BaseImportacion {};

TEST_F(ImportacionOcupadaTest, OtroProgramaLeyendoLaBaseNoLaDejaEsperando)
{
    // Enough withholdings to fill the engine's page cache many times over.
    QList<QByteArray> lineas{C{}.linea()};
    for (int i = 0; i < 20000; ++i) lineas << R{}.linea();
    const auto plan =
        std::get<PlanImportacion>(verificar(ModoImportacion::Declaracion, archivo(lineas)));

    base.setEsperaOcupada(50);
    BaseDatos lector;
    lector.abrir(carpeta.base());
    lector.ejecutar(QStringLiteral("BEGIN"));
    lector.valor(QStringLiteral("SELECT COUNT(*) FROM Cabeceras"));

    std::vector<int> avance;
    OpcionesImportacion opciones;
    opciones.progreso = [&](int v) { avance.push_back(v); };
    const auto ocupada = importarArchivo(base, dialogos, carpeta.dir.path(), plan, opciones);
    EXPECT_FALSE(ocupada.completa);
    // Refused before a line was read.
    EXPECT_TRUE(avance.empty());
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    const Mensaje& aviso = dialogos.mensajes.back();
    EXPECT_EQ(aviso.titulo, QStringLiteral("Error 3260"));
    EXPECT_EQ(aviso.icono, Icono::Critico);
    EXPECT_TRUE(aviso.texto.startsWith(QString::fromUtf8(
        "La base de datos 'BDR.mdb' está en uso por otro programa (por ejemplo, una copia de "
        "seguridad que la está leyendo). No se guardó nada: espere a que termine y vuelva a "
        "intentarlo.")))
        << aviso.texto.toStdString();
    EXPECT_FALSE(base.transaccionAbierta());
    EXPECT_EQ(valor("SELECT COUNT(*) FROM Cabeceras").toLongLong(), 0);
    EXPECT_EQ(valor("SELECT COUNT(*) FROM Retenciones").toLongLong(), 0);
    EXPECT_EQ(contador(), QStringLiteral("00000041"));

    // The other program lets go: the same run goes through.
    lector.ejecutar(QStringLiteral("ROLLBACK"));
    dialogos.mensajes.clear();
    const auto libre = importarArchivo(base, dialogos, carpeta.dir.path(), plan);
    ASSERT_TRUE(libre.completa);
    EXPECT_EQ(libre.conteo.importados, 20000);
    EXPECT_EQ(valor("SELECT COUNT(*) FROM Retenciones").toLongLong(), 20000);
}

} // namespace
