// The shifts window: what it offers for the selected shift, a start at the clock's instant, and a
// finish confirmed in its dialog with the stamp counts.

#include "police/frmTurnosPolicia.h"
#include "police/frmMultasTurno.h"

#include "support/datos_policiales.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Ventana {
    DatosPoliciales& f;
    frmTurnosPolicia form;

    explicit Ventana(DatosPoliciales& datos, ServiciosTurnos servicios = {})
        : f(datos), form(datos.contexto, std::move(servicios))
    {
        form.show();
        QApplication::processEvents();
    }
    bool visible(const char* nombre) { return control(form, QString::fromLatin1(nombre))->isVisible(); }
    bool activo(const char* nombre) { return habilitado(form, QString::fromLatin1(nombre)); }
    GrillaRegistros& grilla() { return grillaDe(form, u"DBG_Turnos"_s); }
};

QString etiqueta(const QWidget& w, const QString& nombre)
{
    return control<QLabel>(w, nombre)->text();
}

TEST(frmTurnosPolicia, SinRemesasNoSeAbre)
{
    DatosPoliciales f;
    f.sql("DELETE FROM Remesas");
    Ventana v(f);
    ASSERT_EQ(f.dialogs.mensajes.size(), 1u);
    EXPECT_EQ(f.dialogs.mensajes[0].texto, u"Debe Cargar las Remesas de Obleas"_s);
    EXPECT_EQ(f.dialogs.mensajes[0].icono, Icono::Informacion);
    EXPECT_FALSE(v.form.isVisible());
}

TEST(frmTurnosPolicia, SinDeclaracionActivaSoloSeMiranLosTurnos)
{
    DatosPoliciales f;
    f.turno("2008-05-16", "08:00:00", {0, 0, 0, 0}, 0, "2008-05-16");
    f.turno("2008-05-17", "08:00:00", {0, 0, 0, 0});
    f.entorno.limpiarCabeceraActual();
    Ventana v(f);

    EXPECT_FALSE(v.visible("Chk_TodasCabeceras"));
    EXPECT_TRUE(v.visible("Lbl_mensaje"));
    EXPECT_EQ(v.grilla().filas(), 2);
    // The last shift, still open, cannot be finished without its declaration active.
    EXPECT_FALSE(v.visible("Cmd_Finalizar"));
    EXPECT_FALSE(v.visible("Cmd_Iniciar_Turno"));
    v.grilla().irAFila(0);
    EXPECT_FALSE(v.visible("Cmd_Iniciar_Turno"));
    EXPECT_FALSE(v.visible("Fra_imprimir"));
}

TEST(frmTurnosPolicia, LaCasillaListaLosTurnosDeLaDeclaracionODeTodas)
{
    DatosPoliciales f;
    const qint64 abril = f.nuevaCabecera(u"13"_s, u"04"_s);
    f.turno("2008-04-30", "08:00:00", {0, 0, 0, 0}, abril, "2008-04-30");
    f.turno("2008-05-16", "08:00:00", {0, 0, 0, 0}, 0, "2008-05-16");
    f.sql("UPDATE Turnos SET Total_Estampillas = ? WHERE IdCabecera = ?", {tasa("1234.5"), f.idCabecera});
    Ventana v(f);

    EXPECT_TRUE(v.visible("Chk_TodasCabeceras"));
    EXPECT_FALSE(v.visible("Lbl_mensaje"));
    ASSERT_EQ(v.grilla().filas(), 1);
    EXPECT_EQ(celda(v.grilla(), 0, 1), u"05"_s);
    EXPECT_EQ(celda(v.grilla(), 0, 4), u"16/05/2008"_s);
    EXPECT_EQ(celda(v.grilla(), 0, 5), u"08:00"_s);
    EXPECT_EQ(celda(v.grilla(), 0, 8), u"$ 1.234,50"_s);
    // A finished shift and no open one: a new one can start, this one can be printed.
    EXPECT_TRUE(v.visible("Cmd_Iniciar_Turno"));
    EXPECT_FALSE(v.visible("Cmd_Finalizar"));
    EXPECT_TRUE(v.visible("Fra_imprimir"));

    control<QCheckBox>(v.form, u"Chk_TodasCabeceras"_s)->click();
    EXPECT_EQ(v.grilla().filas(), 2);
    control<QCheckBox>(v.form, u"Chk_TodasCabeceras"_s)->click();
    EXPECT_EQ(v.grilla().filas(), 1);
}

TEST(frmTurnosPolicia, InicioAlInstanteDelReloj)
{
    DatosPoliciales f;
    f.reloj.dia = QDate(2008, 5, 17);
    f.reloj.hora = QTime(7, 45, 9);
    Ventana v(f);
    EXPECT_EQ(v.grilla().filas(), 0);

    f.dialogs.respuestas = {Respuesta::No};
    pulsar(v.form, "Cmd_Iniciar_Turno");
    const Mensaje pregunta = f.dialogs.mensajes.back();
    EXPECT_EQ(pregunta.texto,
              u"¿Iniciar Turno Desde Fecha 17/05/2008 hora 07:45:09?\n Si la fecha y hora actual no "
              "es correcta, conteste NO, salga del sistema Tarquel y corríjala en la configuración "
              "de fecha y hora del sistema operativo"_s);
    EXPECT_EQ(pregunta.titulo, u"Confiramar Inicar Turno"_s);
    EXPECT_EQ(pregunta.porDefecto, Respuesta::No);
    EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Turnos"_s), 0);

    f.dialogs.respuestas = {Respuesta::Si};
    pulsar(v.form, "Cmd_Iniciar_Turno");
    ASSERT_EQ(v.grilla().filas(), 1);
    const Turno t = *v.form.turnoActual();
    EXPECT_EQ(t.fechaDesde, QDate(2008, 5, 17));
    EXPECT_EQ(t.horaDesde, QTime(7, 45, 9));
    EXPECT_TRUE(v.visible("Cmd_Finalizar"));
    EXPECT_FALSE(v.visible("Cmd_Iniciar_Turno"));

    v.form.cmdIniciarTurnoClick();
    EXPECT_EQ(f.dialogs.mensajes.back().texto, u"Ya tiene un turno abierto"_s);
    EXPECT_EQ(f.dialogs.mensajes.back().icono, Icono::Critico);
}

TEST(frmTurnosPolicia, UnRelojAtrasadoNoIniciaTurno)
{
    DatosPoliciales f;
    f.turno("2008-05-17", "09:00:00", {0, 0, 0, 0}, f.nuevaCabecera(u"13"_s, u"04"_s), "2008-05-17");
    f.reloj.dia = QDate(2008, 5, 17);
    f.reloj.hora = QTime(9, 0, 0);
    Ventana v(f);
    f.dialogs.respuestas = {Respuesta::Si};
    pulsar(v.form, "Cmd_Iniciar_Turno");
    EXPECT_EQ(f.dialogs.mensajes.back().texto,
              u"ERROR: Ya existe un turno con fecha / hora supreior a la hora del sistema\nCorríjala !!!"_s);
    EXPECT_EQ(f.contar(u"SELECT COUNT(*) FROM Turnos"_s), 1);
}

TEST(frmTurnosPolicia, FinConLasCuentasConfirmadas)
{
    DatosPoliciales f;
    const qint64 k = f.turno("2008-05-17", "08:00:00", {100, 50, 0, 0});
    f.comprobante("00000001", k, {{"A0000001", 1}, {"A0000002", 1}, {"C0000001", 3}}, "5", 0, f.lopez);
    f.remesa("B", 51, 60, "2008-05-17", "09:00:00");
    f.reloj.dia = QDate(2008, 5, 17);
    f.reloj.hora = QTime(20, 5, 0);
    Ventana v(f);
    ASSERT_TRUE(v.visible("Cmd_Finalizar"));

    // What the dialog shows; the end question answered No keeps it open, then its No Finalizar.
    QStringList cuentas;
    QStringList multas;
    f.dialogs.alAbrir = [&](QDialog& d) {
        for (const char* n : {"1", "2", "3"})
            for (const char* l : {"Lbl_ini", "Lbl_Nuevas", "Lbl_Vendidas", "Lbl_Final"})
                cuentas << etiqueta(d, QString::fromLatin1(l) + QString::fromLatin1(n));
        EXPECT_EQ(etiqueta(d, u"Lbl_Cartel_final"_s), u"Cantidad Actual"_s);
        GrillaRegistros& g = grillaDe(d, u"DBG_Turnos"_s);
        for (int fila = 0; fila < g.filas(); ++fila)
            multas << QStringList{celda(g, fila, 0), celda(g, fila, 1), celda(g, fila, 2),
                                  celda(g, fila, 3), celda(g, fila, 4)}
                          .join(u' ');
        f.dialogs.respuestas = {Respuesta::No};
        pulsar(d, u"CmdConfirmar"_s);
        EXPECT_TRUE(f.dialogs.mensajes.back().texto.startsWith(
            u"¿Finalizar Turno en Fecha 17/05/2008 hora 20:05:00?\n Si la fecha"_s));
        EXPECT_TRUE(f.dialogs.mensajes.back().texto.endsWith(
            u"corríjala en la configuración de fecha y hora del sistema operativo"_s));
        EXPECT_FALSE(static_cast<frmMultasTurno&>(d).confirma());
        pulsar(d, u"CmdDescartar"_s);
    };
    pulsar(v.form, "Cmd_Finalizar");
    EXPECT_EQ(cuentas.join(u','), u"100,0,2,98,50,10,0,60,0,0,1,-1"_s);
    EXPECT_EQ(multas, (QStringList{u"10/05/2008 11:00 LOPEZ ANA $ 300,00 A0000001"_s,
                                   u"10/05/2008 11:00 LOPEZ ANA $ 300,00 A0000002"_s,
                                   u"10/05/2008 11:00 LOPEZ ANA $ 300,00 C0000001"_s}));
    EXPECT_TRUE(leerTurno(f.base, k)->abierto());

    f.dialogs.alAbrir = [&](QDialog& d) {
        f.dialogs.respuestas = {Respuesta::Si};
        pulsar(d, u"CmdConfirmar"_s);
    };
    pulsar(v.form, "Cmd_Finalizar");
    const Turno t = *leerTurno(f.base, k);
    EXPECT_EQ(t.fechaHasta, QDate(2008, 5, 17));
    EXPECT_EQ(t.horaHasta, QTime(20, 5, 0));
    // Two "A" stamps at 65 and one "C" at 25; the fines three times that.
    EXPECT_EQ(t.totalEstampillas, Importe::desdeEntero(155));
    EXPECT_EQ(t.totalMultas, Importe::desdeEntero(465));
    EXPECT_EQ(celda(v.grilla(), 0, 9), u"$ 465,00"_s);
    EXPECT_FALSE(v.visible("Cmd_Finalizar"));
    EXPECT_TRUE(v.visible("Cmd_Iniciar_Turno"));
    EXPECT_TRUE(v.visible("Fra_imprimir"));
}

TEST(frmTurnosPolicia, UnTurnoQueYaNoEstaAbiertoNoSeFinaliza)
{
    DatosPoliciales f;
    const qint64 k = f.turno("2008-05-17", "08:00:00", {100, 50, 0, 0});
    Ventana v(f);
    f.dialogs.alAbrir = [&](QDialog& d) {
        f.sql("UPDATE Turnos SET Fecha_Hasta = '2008-05-17', Hora_Hasta = '12:00:00'");
        f.dialogs.respuestas = {Respuesta::Si};
        pulsar(d, u"CmdConfirmar"_s);
    };
    pulsar(v.form, "Cmd_Finalizar");
    EXPECT_EQ(f.dialogs.mensajes.back().texto, u"Error al localizar el turno"_s);
    EXPECT_EQ(leerTurno(f.base, k)->horaHasta, QTime(12, 0));
    EXPECT_EQ(f.contar(u"SELECT SUM(Cantidad_Final) FROM Estampillas_Turnos"_s), 0);
}

} // namespace
