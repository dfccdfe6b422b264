// Life of a declaration on the declarations form: the rows of each mode, creating, modifying,
// deleting while empty, activating and rectifying.

#include "declarations/borrado_cabecera.h"
#include "declarations/edicion_cabecera.h"
#include "declarations/modos_cabeceras.h"
#include "declarations/rectificacion_cabecera.h"
#include "forms/ayuda.h"
#include "support/base_declaraciones.h"

namespace {

using namespace prueba_declaraciones;

class CicloCabeceraTest : public BaseDeclaraciones {
protected:
    CicloCabeceraTest() { activarEntorno(); }

    QStringList listado(ModoCabeceras modo)
    {
        const OrigenCabeceras origen = origenCabeceras(modo, entorno);
        QStringList filas;
        for (const QSqlRecord& r : base.filas(origen.sql, origen.valores))
            filas << r.value(QStringLiteral("Anio")).toString() + r.value(QStringLiteral("Mes")).toString()
                    + QLatin1Char('/') + r.value(QStringLiteral("Estado")).toString();
        return filas;
    }

    qint64 filasCabeceras() { return base.valor(QStringLiteral("SELECT COUNT(*) FROM Cabeceras")).toLongLong(); }
};

TEST(ModosCabeceras, titulosYClavesDeAyuda)
{
    const std::pair<ModoCabeceras, const char*> modos[] = {
        {ModoCabeceras::Mantenimiento, "frmC-Altas, Bajas y "},
        {ModoCabeceras::Activacion, "frmC-Activar Declara"},
        {ModoCabeceras::Emision, "frmC-Emitir y Genera"},
        {ModoCabeceras::Rectificacion, "frmC-Rectificar Decl"},
        {ModoCabeceras::Deshacer, "frmC-Deshacer Declar"},
    };
    for (const auto& [modo, clave] : modos)
        EXPECT_EQ(claveAyudaCabeceras(tituloModo(modo)), QString::fromUtf8(clave));
}

TEST_F(CicloCabeceraTest, cadaModoListaSusDeclaraciones)
{
    cabecera({.mes = QStringLiteral("01"), .estado = QStringLiteral("1")});
    cabecera({.mes = QStringLiteral("03"), .estado = QStringLiteral("2")});
    cabecera({.mes = QStringLiteral("02"), .estado = QStringLiteral("3")});
    cabecera({.anio = QStringLiteral("2005"), .mes = QStringLiteral("01"), .rectifica = QStringLiteral("01"),
              .estado = QStringLiteral("2"), .origen = QStringLiteral("I")});
    cabecera({.anio = QStringLiteral("2003"), .rectifica = QStringLiteral("01"), .estado = QStringLiteral("1")});
    // Another branch, another regime, another agent's imported month: not this environment's.
    cabecera({.sucursal = QStringLiteral("0002"), .mes = QStringLiteral("04"), .estado = QStringLiteral("1")});
    cabecera({.regimen = QStringLiteral("02"), .mes = QStringLiteral("05"), .estado = QStringLiteral("1")});
    cabecera({.agente = QStringLiteral("000999"), .mes = QStringLiteral("06"),
              .estado = QStringLiteral("2"), .origen = QStringLiteral("I")});

    EXPECT_EQ(listado(ModoCabeceras::Mantenimiento), (QStringList{"200401/1"}));
    EXPECT_EQ(listado(ModoCabeceras::Activacion),
              (QStringList{"200501/2", "200403/2", "200401/1", "200305/1"}));
    EXPECT_EQ(listado(ModoCabeceras::Emision),
              (QStringList{"200501/2", "200403/2", "200402/3", "200401/1", "200305/1"}));
    EXPECT_EQ(listado(ModoCabeceras::Rectificacion), (QStringList{"200402/3"}));
    EXPECT_EQ(listado(ModoCabeceras::Deshacer), (QStringList{"200501/2", "200406/2"}));
}

TEST_F(CicloCabeceraTest, crearProponeElMesEnCursoYGrabaUnaDeclaracionVacia)
{
    const AnioMes propuesta = propuestaCabecera(reloj);
    EXPECT_EQ(propuesta.anio, QLatin1String("2007"));
    EXPECT_EQ(propuesta.mes, QLatin1String("03"));

    const ResultadoGrabacion r = grabarCabecera(contexto, std::nullopt, propuesta);
    ASSERT_EQ(r.resultado, Grabacion::Grabada);
    const auto fila = base.fila(QStringLiteral("SELECT * FROM Cabeceras WHERE IdCabecera = ?"),
                                {r.idCabecera});
    ASSERT_TRUE(fila);
    QStringList valores;
    for (const char* c : {"Nro_Agente", "Sucursal", "Cod_Regimen", "Anio", "Mes", "Rectifica",
                          "Estado", "MarcaObs", "Origen", "Descartados"})
        valores << fila->value(QString::fromLatin1(c)).toString();
    EXPECT_EQ(valores, (QStringList{"000123", "0001", "01", "2007", "03", "00", "1", "N", "M", "0"}));
    EXPECT_TRUE(dialogs.mensajes.empty());
}

TEST_F(CicloCabeceraTest, elAnioYElMesDeLasCajas)
{
    const std::pair<const char*, const char*> anios[] = {
        {"07", "2007"}, {"50", "1950"}, {"", "2000"}, {"5", "2005"}, {"49", "2049"},
        {"99", "1999"}, {"150", "0150"}, {"2004", "2004"}, {"20__", "2020"}};
    for (const auto& [texto, anio] : anios)
        EXPECT_EQ(normalizarAnio(QString::fromLatin1(texto)), QLatin1String(anio)) << texto;
    const std::pair<const char*, const char*> meses[] = {{"1", "01"}, {"", "00"}, {"12", "12"}, {"1_", "01"}};
    for (const auto& [texto, mes] : meses)
        EXPECT_EQ(normalizarMes(QString::fromLatin1(texto)), QLatin1String(mes)) << texto;
}

TEST_F(CicloCabeceraTest, unMesFueraDeRangoNoSeGraba)
{
    for (const char* mes : {"13", "", "00"}) {
        dialogs.mensajes.clear();
        EXPECT_EQ(grabarCabecera(contexto, std::nullopt, {QStringLiteral("2007"), QString::fromLatin1(mes)}).resultado,
                  Grabacion::MesNoValido);
        ASSERT_EQ(dialogs.mensajes.size(), 1u);
        const QString esperado = QString::fromLatin1(*mes ? mes : "00") + QString::fromUtf8(" no es un mes válido.");
        EXPECT_EQ(dialogs.mensajes[0].texto, esperado);
        EXPECT_EQ(dialogs.mensajes[0].titulo, QString::fromUtf8("Atención"));
        EXPECT_EQ(dialogs.mensajes[0].icono, Icono::Exclamacion);
    }
    EXPECT_EQ(filasCabeceras(), 0);
}

TEST_F(CicloCabeceraTest, unMesRepetidoEsClaveRepetida)
{
    const qint64 marzo = grabarCabecera(contexto, std::nullopt, {"2007", "03"}).idCabecera;
    const qint64 abril = grabarCabecera(contexto, std::nullopt, {"2007", "04"}).idCabecera;

    // Creating the same month again, and moving another month onto it.
    EXPECT_EQ(grabarCabecera(contexto, std::nullopt, {"2007", "03"}).resultado, Grabacion::ClaveRepetida);
    EXPECT_EQ(grabarCabecera(contexto, abril, {"2007", "03"}).resultado, Grabacion::ClaveRepetida);
    ASSERT_EQ(dialogs.mensajes.size(), 2u);
    for (const Mensaje& m : dialogs.mensajes) {
        EXPECT_EQ(m.texto, QString::fromUtf8("Ya existe una cabecera con estos datos,\ncorríjala o cancele."));
        EXPECT_EQ(m.titulo, QStringLiteral("Clave Repetida"));
        EXPECT_EQ(m.icono, Icono::Exclamacion);
    }
    EXPECT_EQ(filasCabeceras(), 2);
    EXPECT_EQ(campo(abril, "Mes"), QLatin1String("04"));

    // The same month of another regime is another declaration.
    activarEntorno(QStringLiteral("0001"), QStringLiteral("02"));
    EXPECT_EQ(grabarCabecera(contexto, std::nullopt, {"2007", "03"}).resultado, Grabacion::Grabada);
    EXPECT_NE(marzo, 0);
}

TEST_F(CicloCabeceraTest, modificarLaActivaMuestraSuNuevoMes)
{
    const qint64 id = grabarCabecera(contexto, std::nullopt, {"2007", "03"}).idCabecera;
    ASSERT_TRUE(entorno.activarCabecera(id));
    EXPECT_EQ(grabarCabecera(contexto, id, {"2006", "11"}).resultado, Grabacion::Grabada);
    EXPECT_EQ(campo(id, "Mes"), QLatin1String("11"));
    EXPECT_EQ(entorno.cabeceraActual()->mes, QLatin1String("11"));
    EXPECT_EQ(paneles(), (QStringList{QString::fromUtf8("Año: 2006"), "Mes: 11", "R: 00"}));
}

TEST_F(CicloCabeceraTest, activarPoneLaDeclaracionEnElEntorno)
{
    const qint64 id = cabecera({.anio = QStringLiteral("2006"), .mes = QStringLiteral("11"),
                                .estado = QStringLiteral("1")});
    EXPECT_TRUE(entorno.activarCabecera(id));
    EXPECT_EQ(entorno.idCabecera(), id);
    EXPECT_EQ(paneles(), (QStringList{QString::fromUtf8("Año: 2006"), "Mes: 11", "R: 00"}));

    // A row deleted meanwhile leaves nothing active.
    base.ejecutar(QStringLiteral("DELETE FROM Cabeceras"));
    EXPECT_FALSE(entorno.activarCabecera(id));
    EXPECT_FALSE(entorno.cabeceraActual());
}

TEST_F(CicloCabeceraTest, borrarSoloUnaDeclaracionSinMovimientos)
{
    const qint64 conFilas = cabecera({.mes = QStringLiteral("01"), .estado = QStringLiteral("1")});
    base.ejecutar(QStringLiteral("INSERT INTO Turnos (IdCabecera, Fecha_Desde, Hora_Desde) "
                                 "VALUES (?, '2004-01-02', '08:00:00')"),
                  {conFilas});
    EXPECT_FALSE(borrarCabecera(contexto, conFilas));
    ASSERT_EQ(dialogs.mensajes.size(), 1u);
    EXPECT_EQ(dialogs.mensajes[0].botones, Botones::Aceptar);  // refused before any question
    EXPECT_EQ(campo(conFilas, "Mes"), QLatin1String("01"));

    // Detail rows of a receipt still being entered are not the declaration's.
    const qint64 vacia = cabecera({.mes = QStringLiteral("02"), .estado = QStringLiteral("1")});
    anticipo(vacia, QStringLiteral("0"), QStringLiteral("000456"), QStringLiteral("1"), "1.00");
    dialogs.mensajes.clear();
    dialogs.respuestas = {Respuesta::No};
    EXPECT_FALSE(borrarCabecera(contexto, vacia));
    EXPECT_EQ(dialogs.mensajes.back().texto,
              QString::fromUtf8("¿Confirma la eliminación de la cabecera seleccionada?"));
    EXPECT_EQ(dialogs.mensajes.back().porDefecto, Respuesta::No);
    EXPECT_EQ(contar("Cabeceras", vacia), 1);

    dialogs.respuestas = {Respuesta::Si};
    EXPECT_TRUE(borrarCabecera(contexto, vacia));
    EXPECT_EQ(contar("Cabeceras", vacia), 0);
}

TEST_F(CicloCabeceraTest, borrarLaActivaLaDejaSinActivar)
{
    const qint64 id = cabecera({.anio = QStringLiteral("2006"), .mes = QStringLiteral("11"),
                                .estado = QStringLiteral("1")});
    entorno.activarCabecera(id);
    dialogs.respuestas = {Respuesta::Si};
    EXPECT_TRUE(borrarCabecera(contexto, id));
    EXPECT_EQ(dialogs.mensajes.back().texto,
              QString::fromUtf8("El registro seleccionado es la cabecera activa.\n¿Confirma su eliminación?"));
    EXPECT_FALSE(entorno.cabeceraActual());
    EXPECT_EQ(paneles(), (QStringList{"Anio: (ninguno)", "Mes: (ninguno)", "R: 00"}));
}

TEST_F(CicloCabeceraTest, rectificarReabreLaMismaFilaConElNumeroSiguiente)
{
    const qint64 id = cabecera({.estado = QStringLiteral("3")});

    dialogs.respuestas = {Respuesta::No};
    EXPECT_EQ(rectificarCabecera(contexto, id), Rectificacion::NoConfirmada);
    EXPECT_EQ(dialogs.mensajes.back().texto,
              QString::fromUtf8("¿Confirma la RECTIFICACION de la cabecera seleccionada?"));
    EXPECT_EQ(campo(id, "Rectifica"), QLatin1String("00"));

    dialogs.respuestas = {Respuesta::Si};
    EXPECT_EQ(rectificarCabecera(contexto, id), Rectificacion::Hecha);
    EXPECT_EQ(campo(id, "Rectifica") + campo(id, "Estado"), QLatin1String("012"));

    // Open again: it has to be closed before another rectification.
    dialogs.mensajes.clear();
    EXPECT_EQ(rectificarCabecera(contexto, id), Rectificacion::NoCerrada);
    EXPECT_EQ(dialogs.mensajes.back().texto, QLatin1String("Solo puede rectificar una cabecera cerrada."));
    EXPECT_EQ(dialogs.mensajes.back().titulo, QString::fromUtf8("Atención..."));

    base.ejecutar(QStringLiteral("UPDATE Cabeceras SET Estado = '3'"));
    dialogs.respuestas = {Respuesta::Si};
    EXPECT_EQ(rectificarCabecera(contexto, id), Rectificacion::Hecha);
    EXPECT_EQ(campo(id, "Rectifica"), QLatin1String("02"));
    EXPECT_EQ(filasCabeceras(), 1);
}

TEST_F(CicloCabeceraTest, despuesDe99NoHayOtraRectificacion)
{
    const qint64 nueve = cabecera({.mes = QStringLiteral("01"), .rectifica = QStringLiteral("09"),
                                   .estado = QStringLiteral("3")});
    const qint64 ultima = cabecera({.mes = QStringLiteral("02"), .rectifica = QStringLiteral("99"),
                                    .estado = QStringLiteral("3")});
    dialogs.respuestas = {Respuesta::Si};
    EXPECT_EQ(rectificarCabecera(contexto, nueve), Rectificacion::Hecha);
    EXPECT_EQ(campo(nueve, "Rectifica"), QLatin1String("10"));

    dialogs.mensajes.clear();
    EXPECT_EQ(rectificarCabecera(contexto, ultima), Rectificacion::SinNumero);
    ASSERT_EQ(dialogs.mensajes.size(), 1u);  // told, never asked
    EXPECT_EQ(dialogs.mensajes[0].botones, Botones::Aceptar);
    EXPECT_EQ(campo(ultima, "Rectifica") + campo(ultima, "Estado"), QLatin1String("993"));
}

} // namespace
