// The compaction of the database and the purge of unused subjects, from the menu.

#include "database/transaccion.h"
#include "shell/compactacion.h"
#include "support/disco_lleno.h"
#include "support/ventana_principal.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {

const QString kPreguntaCompactar = QStringLiteral(
    "Este procedimiento compacta la base de datos depurándola de aquellos registros que han sido "
    "eliminados, esto permite optimizar el espacio en disco y mejorar la performance del sistema.\n"
    "Aunque el procedimiento es suficientemente seguro, se recomienda tener una copia de seguridad de "
    "la base.");

class MantenimientoTest : public VentanaPrincipalTest {
protected:
    // Rows written and deleted again, so that the file has room to give back.
    void dejarEspacioLibre()
    {
        Transaccion t(base);
        for (int i = 0; i < 3000; ++i)
            base.ejecutar(QStringLiteral("INSERT INTO Contribuyentes (Nro_Contrib, Razon_Social, Domicilio) "
                                         "VALUES (?, ?, ?)"),
                          {QStringLiteral("5%1").arg(i, 9, 10, QLatin1Char('0')),
                           QStringLiteral("SUJETO DE PRUEBA NUMERO %1").arg(i),
                           QStringLiteral("CALLE FALSA %1").arg(i)});
        t.confirmar();
        base.ejecutar(QStringLiteral("DELETE FROM Contribuyentes WHERE Nro_Contrib LIKE '5%'"));
    }

    // The environment chosen during the run, different from the one of the last shutdown.
    void elegirEntornoDelUsuario()
    {
        escribir(QStringLiteral("Entorno.mem"), "AgenteAct = 000001\r\n");
        iniciar();
        ASSERT_EQ(entorno.agente(), QStringLiteral("000001"));
        activarAgente(QStringLiteral("012345"));
        activarSucursal(QStringLiteral("012345"), QStringLiteral("0001"));
        activarRegimen(QStringLiteral("05"));
    }

    QStringList paneles() const
    {
        QStringList t;
        for (const QString& c : {panel::Agente, panel::Sucursal, panel::Regimen})
            t << ventana.textoPanel(c);
        return t;
    }

    QByteArray contenidoBase() { return leer(QStringLiteral("BDR.mdb")); }

    // The file is still the original one: its size, and the room it has not given back.
    void sigueElOriginal(qint64 tamanio)
    {
        EXPECT_EQ(QFileInfo(carpeta.base()).size(), tamanio);
        ASSERT_TRUE(base.abierta());
        EXPECT_GT(base.valor(QStringLiteral("PRAGMA freelist_count")).toInt(), 0);
        EXPECT_EQ(base.valor(QStringLiteral("SELECT COUNT(*) FROM Agentes")).toInt(), 2);
    }

    // The busy message, as every operation that meets another program on the file says it.
    static bool diceOcupada(const ErrorMotor& error)
    {
        return error.numero() == errores::BaseOcupada
            && error.descripcion().startsWith(QString::fromUtf8(
                "La base de datos 'BDR.mdb' está en uso por otro programa"));
    }
};

TEST_F(MantenimientoTest, CompactarInformaLosTamaniosYConservaElEntornoElegido)
{
    elegirEntornoDelUsuario();
    dejarEspacioLibre();
    // The active branch disappears meanwhile: after the reopening it is not active, and says so.
    base.ejecutar(QStringLiteral("DELETE FROM Sucursales WHERE Sucursal = '0001'"));
    const qint64 antes = QFileInfo(carpeta.base()).size();

    dialogs.guion.respuestas = {Respuesta::Aceptar};
    ventana.accion(QStringLiteral("mnuCompactDB"))->trigger();

    const qint64 despues = QFileInfo(carpeta.base()).size();
    EXPECT_LT(despues, antes);
    EXPECT_EQ(dialogs.tareas, QStringList{"Compactando la Base de Datos..."});
    EXPECT_FALSE(dialogs.principalHabilitadaDuranteTarea);
    EXPECT_TRUE(ventana.isEnabled());
    ASSERT_EQ(dialogs.guion.mensajes.size(), 2U);
    const Mensaje& pregunta = dialogs.guion.mensajes[0];
    EXPECT_EQ(pregunta.texto, kPreguntaCompactar);
    EXPECT_EQ(pregunta.titulo, QStringLiteral("Atención..."));
    EXPECT_EQ(pregunta.icono, Icono::Exclamacion);
    EXPECT_EQ(pregunta.botones, Botones::AceptarCancelar);
    EXPECT_EQ(pregunta.porDefecto, Respuesta::Cancelar);
    const QLocale local;
    EXPECT_EQ(dialogs.guion.mensajes[1].texto,
              QStringLiteral("Base de datos compactada exitosamente.\n\n"
                             "Tamaño anterior             %1 bytes\n"
                             "Tamaño compactada     %2 bytes")
                  .arg(local.toString(antes), local.toString(despues)));
    EXPECT_EQ(dialogs.guion.mensajes[1].icono, Icono::Informacion);
    EXPECT_EQ(local.toString(qint64(1234567)), QStringLiteral("1.234.567"));

    // The same database, compacted in its own place, open again, with the environment chosen in
    // this run; nothing was written beside it.
    EXPECT_EQ(QDir(carpeta.dir.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{"BDR.mdb", "Entorno.mem"}));
    ASSERT_TRUE(base.abierta());
    EXPECT_EQ(base.valor(QStringLiteral("SELECT COUNT(*) FROM Agentes")).toInt(), 2);
    EXPECT_EQ(entorno.agente(), QStringLiteral("012345"));
    EXPECT_FALSE(entorno.sucursalActual());
    EXPECT_EQ(entorno.regimen(), QStringLiteral("05"));
    EXPECT_EQ(paneles(), (QStringList{"Agente: 01234-5 - ACOPIOS DEL SUR", "Sucursal: (ninguna)",
                                      "Régimen: 05 - Percepciones - Empresas de Servicios"}));
    EXPECT_EQ(leer(QStringLiteral("Entorno.mem")), QByteArray("AgenteAct = 000001\r\n"));
    // Disabling the window for the task and enabling it again leaves the menus as they were.
    ventana.setEnabled(false);
    ventana.setEnabled(true);
    EXPECT_FALSE(ventana.accion(QStringLiteral("mnuCabeceras"))->isEnabled());
    EXPECT_FALSE(ventana.accion(QStringLiteral("mnuConceptos"))->isEnabled());
}

TEST_F(MantenimientoTest, CancelarLaCompactacionNoHaceNada)
{
    iniciar();
    const QByteArray antes = contenidoBase();
    dialogs.guion.respuestas = {Respuesta::Cancelar};
    ventana.accion(QStringLiteral("mnuCompactDB"))->trigger();
    EXPECT_EQ(dialogs.guion.mensajes.size(), 1U);
    EXPECT_TRUE(dialogs.ventanas.isEmpty());
    EXPECT_EQ(contenidoBase(), antes);
}

// Another program reading the file (a backup copying it), or writing to it: the compaction waits
// as any save does, then says the database is busy and changes nothing; the database stays open
// with the environment chosen. Once the other program lets go, the compaction goes through and
// keeps what it committed.
TEST_F(MantenimientoTest, OtroProgramaLeyendoOEscribiendoDiceOcupadaYNoPierdeNada)
{
    elegirEntornoDelUsuario();
    dejarEspacioLibre();
    base.setEsperaOcupada(50);
    const struct {
        const char* nombre;
        const char* empezar;
    } casos[] = {
        {"leyendo", "SELECT COUNT(*) FROM Contribuyentes"},
        {"escribiendo", "INSERT INTO Contribuyentes (Nro_Contrib, Razon_Social) VALUES ('0009999998', 'DE OTRO')"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const QByteArray antes = contenidoBase();
        BaseDatos otro;
        otro.abrir(carpeta.base());
        otro.ejecutar(QStringLiteral("BEGIN"));
        otro.ejecutar(QString::fromLatin1(caso.empezar));

        const auto ocupada = compactarBase(arranque, entorno);
        EXPECT_FALSE(ocupada.compactada);
        ASSERT_TRUE(ocupada.error);
        EXPECT_TRUE(diceOcupada(*ocupada.error)) << ocupada.error->textoGuion().toStdString();
        EXPECT_EQ(ocupada.fin, FinArranque::Continuar);
        EXPECT_EQ(contenidoBase(), antes);
        sigueElOriginal(antes.size());
        EXPECT_EQ(entorno.sucursal(), QStringLiteral("0001"));

        // The other program ends its work; the user tries again.
        otro.ejecutar(QStringLiteral("COMMIT"));
        const auto libre = compactarBase(arranque, entorno);
        ASSERT_TRUE(libre.compactada) << (libre.error ? libre.error->textoGuion().toStdString() : "");
        EXPECT_LT(libre.tamanioCompactada, libre.tamanioAnterior);
        EXPECT_EQ(base.valor(QStringLiteral("PRAGMA freelist_count")).toInt(), 0);
        EXPECT_EQ(base.valor(QStringLiteral("SELECT Razon_Social FROM Contribuyentes WHERE "
                                            "Nro_Contrib = '0009999998'"))
                      .toString(),
                  std::string_view(caso.nombre) == "escribiendo" ? QStringLiteral("DE OTRO")
                                                                : QString());
        dejarEspacioLibre();
    }
}

// Another program with the file open but idle: the compaction goes through, and that program is
// still on BDR.mdb afterwards: what it writes next lands, and the program sees it.
TEST_F(MantenimientoTest, OtroProgramaConLaBaseAbiertaSigueEnElMismoArchivo)
{
    elegirEntornoDelUsuario();
    dejarEspacioLibre();
    BaseDatos otro;
    otro.abrir(carpeta.base());
    ASSERT_EQ(otro.valor(QStringLiteral("SELECT COUNT(*) FROM Agentes")).toInt(), 2);

    const auto resultado = compactarBase(arranque, entorno);
    ASSERT_TRUE(resultado.compactada);
    EXPECT_EQ(QFileInfo(carpeta.base()).size(), resultado.tamanioCompactada);

    otro.ejecutar(QStringLiteral("INSERT INTO Contribuyentes (Nro_Contrib, Razon_Social) VALUES "
                                 "('0009999997', 'DESPUES')"));
    EXPECT_EQ(base.valor(QStringLiteral("SELECT Razon_Social FROM Contribuyentes WHERE Nro_Contrib "
                                        "= '0009999997'"))
                  .toString(),
              QStringLiteral("DESPUES"));
    EXPECT_EQ(base.valor(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
}

// The disk is full when the compaction writes: the cause is told, and the file is as it was, still
// open for the run to go on once there is room.
TEST_F(MantenimientoTest, UnDiscoLlenoConservaElOriginalYDiceLaCausa)
{
    DiscoLleno disco;
    elegirEntornoDelUsuario();
    dejarEspacioLibre();
    const QByteArray antes = contenidoBase();
    dialogs.guion.mensajes.clear();

    disco.lleno();
    const auto resultado = compactarBase(arranque, entorno);
    EXPECT_GT(disco.rechazadas(), 0);
    EXPECT_FALSE(resultado.compactada);
    ASSERT_TRUE(resultado.error);
    EXPECT_EQ(resultado.error->numero(), errores::DiscoLleno);
    const QString carpetaDatos = QDir::toNativeSeparators(carpeta.dir.path());
    EXPECT_TRUE(resultado.error->descripcion().contains(carpetaDatos));
    EXPECT_EQ(resultado.fin, FinArranque::Continuar);
    EXPECT_TRUE(dialogs.guion.mensajes.empty());
    disco.vacio();
    EXPECT_EQ(contenidoBase(), antes);
    sigueElOriginal(antes.size());
    EXPECT_EQ(entorno.sucursal(), QStringLiteral("0001"));
}

// From the menu: the busy database is said under the compaction's own words, the window is
// enabled again, and the user tries again once the other program is done.
TEST_F(MantenimientoTest, UnaFallaDesdeElMenuSeInformaYSePuedeVolverAIntentar)
{
    elegirEntornoDelUsuario();
    dejarEspacioLibre();
    base.setEsperaOcupada(50);
    const qint64 antes = QFileInfo(carpeta.base()).size();
    BaseDatos otro;
    otro.abrir(carpeta.base());
    otro.ejecutar(QStringLiteral("BEGIN"));
    otro.valor(QStringLiteral("SELECT COUNT(*) FROM Agentes"));

    dialogs.guion.respuestas = {Respuesta::Aceptar};
    ventana.accion(QStringLiteral("mnuCompactDB"))->trigger();
    ASSERT_EQ(dialogs.guion.mensajes.size(), 2U);
    EXPECT_TRUE(dialogs.guion.mensajes[1].texto.startsWith(QString::fromUtf8(
        "No se pudo compactar la base de datos; se conserva el archivo 'BDR.mdb' como "
        "estaba.\n\n3260 - La base de datos 'BDR.mdb' está en uso por otro programa")))
        << dialogs.guion.mensajes[1].texto.toStdString();
    EXPECT_EQ(dialogs.guion.mensajes[1].icono, Icono::Critico);
    EXPECT_TRUE(ventana.isEnabled());
    sigueElOriginal(antes);
    EXPECT_EQ(entorno.sucursal(), QStringLiteral("0001"));

    otro.ejecutar(QStringLiteral("ROLLBACK"));
    dialogs.guion.mensajes.clear();
    dialogs.guion.respuestas = {Respuesta::Aceptar};
    ventana.accion(QStringLiteral("mnuCompactDB"))->trigger();
    ASSERT_EQ(dialogs.guion.mensajes.size(), 2U);
    EXPECT_TRUE(dialogs.guion.mensajes[1].texto.startsWith(
        QStringLiteral("Base de datos compactada exitosamente.")));
    EXPECT_LT(QFileInfo(carpeta.base()).size(), antes);
}

class PurgaTest : public MantenimientoTest {
protected:
    void SetUp() override
    {
        MantenimientoTest::SetUp();
        iniciar();
        for (const char* nro : {"0001234567", "0002345678", "0003456789", "0004567890"})
            base.ejecutar(QStringLiteral("INSERT INTO Contribuyentes (Nro_Contrib, Razon_Social) VALUES (?, 'X')"),
                          {QString::fromLatin1(nro)});
        // The first has a valid withholding, the second only an annulled one.
        base.ejecutar(QStringLiteral("INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Nro_Comprobante, Estado) "
                                     "VALUES (1, '0001234567', '00000001', '5'), (1, '0002345678', '00000002', '4')"));
    }

    QStringList sujetos()
    {
        QStringList s;
        for (const QSqlRecord& f : base.filas(QStringLiteral("SELECT Nro_Contrib FROM Contribuyentes ORDER BY 1")))
            s << f.value(0).toString();
        return s;
    }
};

TEST_F(PurgaTest, BorraLosSujetosQueNingunaRetencionNombra)
{
    dialogs.guion.respuestas = {Respuesta::Si};
    ventana.accion(QStringLiteral("mnuEliminarSuj"))->trigger();
    EXPECT_EQ(sujetos(), (QStringList{"0001234567", "0002345678"}));
    EXPECT_EQ(dialogs.tareas, QStringList{"Eliminando registros de sujetos..."});
    ASSERT_EQ(dialogs.guion.mensajes.size(), 2U);
    const Mensaje& pregunta = dialogs.guion.mensajes[0];
    EXPECT_EQ(pregunta.texto, QStringLiteral("Esta función borrará todos los registros de sujetos que no "
                                             "estén asociados con ninguna Retención/Percepción.\n\n¿Confirma?"));
    EXPECT_EQ(pregunta.titulo, QStringLiteral("Atención..."));
    EXPECT_EQ(pregunta.botones, Botones::SiNo);
    EXPECT_EQ(pregunta.porDefecto, Respuesta::No);
    EXPECT_EQ(dialogs.guion.mensajes[1].texto,
              QStringLiteral("Se han eliminado todos los registros de sujetos que no estaban asociados "
                             "con ninguna Retención/Percepción."));
    EXPECT_EQ(dialogs.guion.mensajes[1].icono, Icono::Informacion);
}

TEST_F(PurgaTest, NoBorraNadaSiSeRespondeNoOSiFalla)
{
    dialogs.guion.respuestas = {Respuesta::No};
    ventana.accion(QStringLiteral("mnuEliminarSuj"))->trigger();
    EXPECT_EQ(sujetos().size(), 4);
    EXPECT_TRUE(dialogs.ventanas.isEmpty());

    // A failure on the last subject undoes the whole purge.
    base.ejecutar(QStringLiteral("CREATE TRIGGER falla BEFORE DELETE ON Contribuyentes "
                                 "WHEN old.Nro_Contrib = '0004567890' BEGIN SELECT RAISE(ABORT, 'bloqueado'); END"));
    dialogs.guion.mensajes.clear();
    dialogs.guion.respuestas = {Respuesta::Si};
    ventana.accion(QStringLiteral("mnuEliminarSuj"))->trigger();
    EXPECT_EQ(sujetos().size(), 4);
    ASSERT_EQ(dialogs.guion.mensajes.size(), 2U);
    EXPECT_TRUE(dialogs.guion.mensajes[1].texto.contains(QStringLiteral("bloqueado")));
    EXPECT_EQ(dialogs.guion.mensajes[1].icono, Icono::Critico);
    EXPECT_TRUE(ventana.isEnabled());
}

} // namespace
