// The entry form of the police checkpoints, driven as the user drives it. The receipt's detail
// window is stood in for by a callback that stores the stamps the user would have entered.

#include "police/frmRetencionesC.h"

#include "forms/grilla_registros.h"

#include "support/datos_policiales.h"
#include "support/pantalla_entrada.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct Pantalla : PantallaEntrada<frmRetencionesC, DatosPoliciales> {
    QStringList clavesDetalle;  // the receipt key each opening of the detail window was given
    std::function<void()> cargarObleas = [] {};

    Pantalla(DatosPoliciales& datos, ServiciosEntrada servicios)
        : PantallaEntrada(datos, std::move(servicios))
    {
        QApplication::processEvents();
    }

    // The stamps the user loads in the detail window; its total is what the window hands back.
    static ServiciosEntrada conDetalle(Pantalla*& p)
    {
        ServiciosEntrada s;
        s.detalle = [&p](QWidget*, const ComprobanteDetalle& comprobante) {
            const QString& clave = comprobante.nroComprobante;
            p->clavesDetalle << clave;
            p->cargarObleas();
            return ResultadoDetalle{Importe::desdeColumna(p->f.valor(
                "SELECT COALESCE(SUM(Total), 0) FROM Guias WHERE Nro_Comprobante = ?", {clave}))};
        };
        return s;
    }
};

TEST(frmRetencionesC, SinTurnoOSinRemesasSeCierraAlAbrir)
{
    {
        // Without an open shift only the shift is asked for, remittances or not.
        DatosPoliciales f;
        f.sql("DELETE FROM Remesas");
        frmRetencionesC form(f.contexto, {});
        form.show();
        QApplication::processEvents();
        ASSERT_EQ(f.dialogs.mensajes.size(), 1u);
        EXPECT_EQ(f.dialogs.mensajes[0].texto,
                  QStringLiteral("Debe iniciar el turno \n(Menú Proceso -> Administracion de Turnos Policia)"));
        EXPECT_EQ(f.dialogs.mensajes[0].titulo, QStringLiteral("Turno no iniciado"));
        EXPECT_FALSE(form.isVisible());
    }
    {
        DatosPoliciales f;
        f.turno("2008-05-17", "08:00:00", {100, 50, 0, 0});
        f.sql("DELETE FROM Remesas");
        frmRetencionesC form(f.contexto, {});
        form.show();
        QApplication::processEvents();
        ASSERT_EQ(f.dialogs.mensajes.size(), 1u);
        EXPECT_EQ(f.dialogs.mensajes[0].texto, QStringLiteral("Debe Cargar las Remesas de Obleas"));
        EXPECT_EQ(f.dialogs.mensajes[0].titulo, QString());
        EXPECT_FALSE(form.isVisible());
    }
    {
        // Remittances of any agent will do.
        DatosPoliciales f;
        f.turno("2008-05-17", "08:00:00", {100, 50, 0, 0});
        f.sql("UPDATE Remesas SET Nro_Agente = '099999'");
        frmRetencionesC form(f.contexto, {});
        form.show();
        QApplication::processEvents();
        EXPECT_TRUE(f.dialogs.mensajes.empty());
        EXPECT_TRUE(form.isVisible());
        EXPECT_FALSE(form.findChild<QWidget*>(QStringLiteral("cmdAnular"))->isVisible());
        EXPECT_FALSE(form.findChild<QWidget*>(QStringLiteral("mskImpBru"))->isVisible());
        // Without the detail window no stamp can be loaded.
        EXPECT_FALSE(form.findChild<QWidget*>(QStringLiteral("Cmd_Guias"))->isEnabled());
    }
}

// The way a checkpoint works: a receipt of two stamps collected by an officer picked from the
// list, confirmed and stored with its fine.
TEST(frmRetencionesC, ComprobanteConObleasPoliciaYMulta)
{
    DatosPoliciales f;
    const qint64 turno = f.turno("2008-05-17", "08:00:00", {100, 50, 0, 0});
    // Stamps left pending by a receipt that was abandoned.
    f.obleaPendiente("A0000090", 1, "65");
    Pantalla* p = nullptr;
    ServiciosEntrada servicios = Pantalla::conDetalle(p);
    servicios.selectores.policia = [&f] { return std::optional(QString::number(f.lopez).rightJustified(2, u'0')); };
    Pantalla pantalla(f, servicios);
    p = &pantalla;

    p->pulsar("cmdAgregar");
    EXPECT_EQ(p->modo(), QStringLiteral(" Nueva Ret./Perc. "));
    EXPECT_EQ(f.contar(QStringLiteral("SELECT COUNT(*) FROM Guias")), 0);
    EXPECT_EQ(p->texto("MaskCodPolicia"), QStringLiteral("00"));
    EXPECT_EQ(p->texto("LblPolicia"), QString());

    p->escribir("mskNroContrib", QStringLiteral("3001234567"));
    EXPECT_EQ(p->texto("lblRazonSocial"), QStringLiteral("PEREZ JUAN"));

    p->cargarObleas = [&f] {
        f.obleaPendiente("A0000001", 1, "65");
        f.obleaPendiente("C0000007", 3, "25");
    };
    p->pulsar("Cmd_Guias");
    EXPECT_EQ(p->clavesDetalle, QStringList{QStringLiteral("0")});
    EXPECT_EQ(p->texto("LblImporte"), QStringLiteral("$ 90,00"));
    EXPECT_EQ(p->texto("LblMulta"), QStringLiteral("$ 270,00"));
    EXPECT_EQ(p->texto("lblAlicuota"), QStringLiteral("100"));

    p->pulsar("CmdPolicia");
    EXPECT_EQ(p->texto("LblPolicia"), QStringLiteral("LOPEZ ANA"));

    // The summary answered No: nothing is written and the receipt stays being entered.
    f.dialogs.respuestas = {Respuesta::No};
    p->pulsar("cmdGrabar");
    const Mensaje pregunta = f.dialogs.mensajes.back();
    EXPECT_EQ(pregunta.texto,
              QStringLiteral("Confirma que los datos de esta retencion son correctos: \n"
                             " Oblea/s: \n"
                             "\n"
                             "      A0000001 - SOJA / GIRASOL / FORRAJERAS\n"
                             "      C0000007 - MAIZ / SORGO\n"
                             "\n"
                             " Policía: LOPEZ ANA\n"
                             "\n"
                             " C.U.I.T. Contribuyente: 20-12345678-6\n"
                             "\n"
                             "UNA VEZ CONFIRMADOS LOS DATOS NO PODRÁ CANCELAR NI MODIFICAR ESTA RETENCION"));
    EXPECT_EQ(pregunta.botones, Botones::SiNo);
    EXPECT_EQ(pregunta.porDefecto, Respuesta::No);
    EXPECT_EQ(pregunta.icono, Icono::Pregunta);
    EXPECT_EQ(p->modo(), QStringLiteral(" Nueva Ret./Perc. "));
    EXPECT_EQ(f.contar(QStringLiteral("SELECT COUNT(*) FROM Retenciones")), 0);
    EXPECT_EQ(f.contador(), QStringLiteral("00000000"));

    f.dialogs.respuestas = {Respuesta::Si};
    p->pulsar("cmdGrabar");
    EXPECT_EQ(p->modo(), QString());
    const auto fila = p->form.filaActual();
    ASSERT_TRUE(fila);
    EXPECT_EQ(fila->nroComprobante, QStringLiteral("00000001"));
    EXPECT_EQ(fila->importeRet, Importe::desdeEntero(90));
    EXPECT_EQ(fila->codConcepto, QStringLiteral("98"));
    EXPECT_EQ(f.contar(QStringLiteral("SELECT COUNT(*) FROM Guias WHERE Nro_Comprobante = '00000001'")), 2);
    const QSqlRecord multa = *f.base.fila(QStringLiteral("SELECT * FROM Multas_cobradas"));
    EXPECT_EQ(multa.value(QStringLiteral("CodPolicia")).toLongLong(), f.lopez);
    EXPECT_EQ(Importe::desdeColumna(multa.value(QStringLiteral("Importe_Multa"))), Importe::desdeEntero(270));
    EXPECT_EQ(multa.value(QStringLiteral("Cod_Turno")).toLongLong(), turno);
    EXPECT_EQ(multa.value(QStringLiteral("Hora_Cobro")).toString(), QStringLiteral("10:30:00"));

    // The saved receipt shows its officer and fine.
    EXPECT_EQ(p->texto("MaskCodPolicia"), QString::number(f.lopez).rightJustified(2, u'0'));
    EXPECT_EQ(p->texto("LblPolicia"), QStringLiteral("LOPEZ ANA"));
    EXPECT_EQ(p->texto("LblMulta"), QStringLiteral("$ 270,00"));
    EXPECT_EQ(p->texto("LblImporte"), QStringLiteral("$ 90,00"));
}

TEST(frmRetencionesC, GrabarRehusaLoQueFalta)
{
    DatosPoliciales f;
    f.turno("2008-05-17", "08:00:00", {100, 50, 0, 0});
    Pantalla* p = nullptr;
    Pantalla pantalla(f, Pantalla::conDetalle(p));
    p = &pantalla;
    p->pulsar("cmdAgregar");

    struct Caso {
        const char* caso;
        std::function<void()> preparar;
        const char* mensaje;
        const char* foco;
        Icono icono;
    };
    const Caso casos[] = {
        {"sin sujeto", [] {}, "El sujeto indicado no está cargado en la base del sistema.",
         "mskNroContrib", Icono::Informacion},
        {"sin policía", [&] { p->escribir("mskNroContrib", QStringLiteral("3001234567")); },
         "No ha seleccionado el policía", "MaskCodPolicia", Icono::Informacion},
        {"policía que no existe", [&] { p->escribir("MaskCodPolicia", QStringLiteral("77")); },
         "No ha seleccionado el policía", "MaskCodPolicia", Icono::Informacion},
        {"sin obleas",
         [&] { p->escribir("MaskCodPolicia", QString::number(f.garcia)); },
         "No ha cargado ninguna Oblea", "Cmd_Guias", Icono::Ninguno},
        {"obleas que suman cero", [&] { p->pulsar("Cmd_Guias"); }, "No ha cargado ninguna Oblea",
         "Cmd_Guias", Icono::Ninguno},
        {"sujeto de numeración inválida",
         [&] {
             f.obleaPendiente("A0000001", 1, "65");
             p->pulsar("Cmd_Guias");
             f.sql("INSERT INTO Contribuyentes (Nro_Contrib, CUIT, Razon_Social, Cod_Tipo) "
                   "VALUES ('3009999991', '20123456786', 'SIN NUMERO', '0')");
             p->escribir("mskNroContrib", QStringLiteral("3009999991"));
         },
         "Nº de sujeto Inválido", "mskNroContrib", Icono::Critico},
    };
    for (const Caso& c : casos) {
        c.preparar();
        p->pulsar("cmdGrabar");
        EXPECT_EQ(p->ultimoMensaje(), QString::fromUtf8(c.mensaje)) << c.caso;
        EXPECT_EQ(f.dialogs.mensajes.back().icono, c.icono) << c.caso;
        EXPECT_EQ(p->form.focusWidget(), p->w(c.foco)) << c.caso;
        EXPECT_EQ(p->modo(), QStringLiteral(" Nueva Ret./Perc. ")) << c.caso;
    }
    EXPECT_EQ(f.contar(QStringLiteral("SELECT COUNT(*) FROM Retenciones")), 0);
}

TEST(frmRetencionesC, CodigosDePoliciaDeMasDeDosCifras)
{
    DatosPoliciales f;
    f.turno("2008-05-17", "08:00:00", {100, 50, 0, 0});
    prueba::policia(f.base, {.codigo = 123, .nombre = QStringLiteral("RUIZ PEDRO")});
    prueba::policia(f.base, {.codigo = 12, .nombre = QStringLiteral("DIAZ LUIS")});
    ServiciosEntrada servicios;
    servicios.selectores.policia = [] { return std::optional(QStringLiteral("123")); };
    Pantalla p(f, servicios);
    p.pulsar("cmdAgregar");

    p.escribir("MaskCodPolicia", QStringLiteral("12"));
    EXPECT_EQ(p.texto("LblPolicia"), QStringLiteral("DIAZ LUIS"));
    p.escribir("MaskCodPolicia", QStringLiteral("123"));
    EXPECT_EQ(p.texto("LblPolicia"), QStringLiteral("RUIZ PEDRO"));
    p.escribir("MaskCodPolicia", QStringLiteral("1"));
    EXPECT_EQ(p.texto("MaskCodPolicia"), QStringLiteral("01"));
    EXPECT_EQ(p.texto("LblPolicia"), QStringLiteral("GARCIA JUAN"));
    p.pulsar("CmdPolicia");
    EXPECT_EQ(p.texto("MaskCodPolicia"), QStringLiteral("123"));
    EXPECT_EQ(p.texto("LblPolicia"), QStringLiteral("RUIZ PEDRO"));
}

} // namespace
