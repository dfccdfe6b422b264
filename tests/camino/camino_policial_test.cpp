// A day at a police checkpoint, walked from the menus of the program as main() starts it: an
// officer is added, a shift is started, a receipt with a stamp and its fine is saved under it,
// the shift is finished with its counts, and an intervention on a grain load is recorded. The
// agent, its branch, a subject, the month's declaration of regime "13" and the agent's stamp
// remittances are already in the data folder, with the declaration active.

#include "camino/camino.h"

#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

using camino::imprimirEnPdf;
using camino::rotulo;
using camino::s;
using camino::tipear;

void contiene(const QString& archivo, const QStringList& esperados)
{
    const QString impreso = pdf::texto(archivo);
    for (const QString& e : esperados)
        EXPECT_TRUE(impreso.contains(e)) << s(e) << " no está en\n" << s(impreso);
}

class CaminoPolicial : public ::testing::Test {
protected:
    CaminoPolicial()
    {
        carpeta.crearBaseInstalada();
        BaseDatos db;
        db.abrir(carpeta.base());
        prueba::agente(db, u"123459"_s, u"POLICIA DE LA PROVINCIA"_s, u"30500000003"_s);
        prueba::sucursal(db, u"123459"_s, u"0000"_s, u"PUESTO RUTA 33"_s);
        prueba::contribuyente(db, u"0000123459"_s, u"20123456786"_s, u"TRANSPORTES PEREZ"_s);
        const qint64 id = prueba::cabecera(db, u"123459"_s, u"0000"_s, u"05"_s, u"13"_s);
        db.ejecutar(u"INSERT INTO Vencimientos (Anio, Mes, Fecha) VALUES (2024, 5, '2024-06-17')"_s);
        for (const char* letra : {"A", "C"})
            prueba::remesa(db, {.nroRemesa = 1,
                                .letra = QString::fromLatin1(letra),
                                .agente = u"123459"_s,
                                .desde = 1,
                                .hasta = 40,
                                .fecha = u"2024-05-01"_s,
                                .hora = u"08:00:00"_s});
        QFile mem(carpeta.ruta(u"Entorno.mem"_s));
        EXPECT_TRUE(mem.open(QIODevice::WriteOnly));
        mem.write(QStringLiteral("CabeceraAct = %1\r\nAgenteAct = 123459\r\nSucursalAct = 0000\r\n"
                                 "RegimenAct = 13\r\n")
                      .arg(id)
                      .toLatin1());
    }

    void menu(const char* item)
    {
        QAction* accion = ventana.accion(QString::fromLatin1(item));
        ASSERT_TRUE(accion) << item;
        for (const QMenu* m : ventana.findChildren<QMenu*>()) {
            if (m->actions().contains(accion)) {
                ASSERT_TRUE(m->isEnabled() && accion->isEnabled() && accion->isVisible())
                    << item << " no se puede elegir";
            }
        }
        accion->trigger();
        EXPECT_EQ(dialogos.sinUsar(), QStringList()) << "tras " << item;
    }

    std::vector<std::string> mensajes()
    {
        std::vector<std::string> t;
        for (const QString& m : dialogos.mensajesNuevos()) t.push_back(s(m));
        return t;
    }

    std::string valor(const QString& sql) { return s(base.valor(sql).toString()); }

    CarpetaTemporal carpeta;
    const QString datos = carpeta.dir.path();
    BloqueoCarpeta bloqueo{datos};
    DialogosDelCamino dialogos;
    BaseDatos base;
    Entorno entorno{base};
    RelojFijo reloj{QDate(2024, 5, 20), QTime(7, 0, 0)};
    MotorReportes impresora{base, dialogos, reportesDelPrograma(), ningunaImpresora};
    Contexto contexto{base, entorno, dialogos, reloj, impresora, datos};
    Arranque arranque{entorno, dialogos, datos};
    frmPrincipal ventana{contexto, arranque};
};

TEST_F(CaminoPolicial, UnTurnoDelPuestoDeControl)
{
    ASSERT_TRUE(bloqueo.tomar(dialogos));
    dialogos.alAbrir(u"frmAcercaDe"_s, [](QDialog& presentacion) { presentacion.close(); });
    mostrarPresentacion(dialogos);
    conectarFormularios(ventana, contexto);
    ASSERT_EQ(arranque.iniciar(), FinArranque::Continuar);
    ventana.show();
    EXPECT_EQ(mensajes(), std::vector<std::string>());

    // Administración → Agentes de Policía Caminera: the officer of the shift.
    dialogos.alAbrir(u"frmPolicias"_s, [&](QDialog& f) {
        pulsar(f, "cmdAgregar");
        tipear(f, "TxtNroDoc", u"28456123"_s);
        tipear(f, "txtNyApellido", u"gomez raul"_s);
        tipear(f, "TxtLegajo", u"4021"_s);
        tipear(f, "TxtCuentaBanco", u"CA 0012/5"_s);
        pulsar(f, "cmdGrabar");
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("MnuPolicia"));
    EXPECT_EQ(valor(u"SELECT Nombre || '/' || Tipo FROM Policias"_s), "GOMEZ RAUL/D.N.I.");

    // Procesos → Administración de Turnos Policía: the shift starts at 07:00:00, with the
    // agent's remittances as its first counts.
    dialogos.alAbrir(u"FrmTurnos_Policia"_s, [&](QDialog& f) {
        dialogos.responder(u"Confiramar Inicar Turno"_s, Respuesta::Si);
        pulsar(f, "Cmd_Iniciar_Turno");
        EXPECT_EQ(celda(grillaDe(f), 0, 5), u"07:00"_s);
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("MnuTurnos"));
    EXPECT_EQ(valor(u"SELECT group_concat(Cantidad_Inicial) FROM Estampillas_Turnos"_s),
              "40,0,40,0");
    const auto inicio = mensajes();
    ASSERT_EQ(inicio.size(), 1u);
    EXPECT_TRUE(inicio[0].starts_with("¿Iniciar Turno Desde Fecha 20/05/2024 hora 07:00:00?\n"));

    // Procesos → Grabar Ret./Perc.: the police receipts form opens under the shift; a receipt
    // with its subject and the officer from the list is refused until its stamps are loaded,
    // then saved with one "A" stamp on a waybill: its fee and the fine charged on it.
    dialogos.alAbrir(u"frmRetenciones_C"_s, [&](QDialog& f) {
        pulsar(f, "cmdAgregar");
        tipear(f, "mskNroContrib", u"0000123459"_s);
        EXPECT_EQ(rotulo(f, "lblRazonSocial"), "TRANSPORTES PEREZ");
        dialogos.alAbrir(u"frmPolicias"_s, [&](QDialog& lista) { pulsar(lista, "cmdSeleccionar"); });
        pulsar(f, "CmdPolicia");
        EXPECT_EQ(s(texto(f, u"MaskCodPolicia"_s)), "01");
        EXPECT_EQ(rotulo(f, "LblPolicia"), "GOMEZ RAUL");
        pulsar(f, "cmdGrabar");
        EXPECT_EQ(mensajes(), std::vector<std::string>{"No ha cargado ninguna Oblea"});

        dialogos.alAbrir(u"frmGuias"_s, [&](QDialog& obleas) {
            pulsar(obleas, "cmdAgregar");
            tipear(obleas, "mskCodConcepto", u"1"_s);
            tipear(obleas, "TxtNroGuia", u"a1"_s);
            tipear(obleas, "TxtPorte1", u"1"_s);
            tipear(obleas, "TxtPorte2", u"2222"_s);
            pulsar(obleas, "cmdGrabar");
            pulsar(obleas, "cmdSalir");
        });
        pulsar(f, "Cmd_Guias");
        EXPECT_EQ(rotulo(f, "LblImporte"), "$ 65,00");
        EXPECT_EQ(rotulo(f, "LblMulta"), "$ 195,00");
        dialogos.responder(u"Tarquel"_s, Respuesta::Si);
        pulsar(f, "cmdGrabar");
        const auto confirmacion = mensajes();
        ASSERT_EQ(confirmacion.size(), 1u);
        EXPECT_TRUE(confirmacion[0].starts_with("Confirma que los datos de esta retencion son "
                                                "correctos: \n Oblea/s: \n\n      A0000001"))
            << confirmacion[0];
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuRetenciones"));
    EXPECT_EQ(mensajes(), std::vector<std::string>());
    EXPECT_EQ(valor(u"SELECT Nro_Comprobante || ' ' || Importe_Ret || ' ' || Cod_Concepto "
                    "FROM Retenciones"_s),
              "00000001 650000 98");
    EXPECT_EQ(valor(u"SELECT NroGuia || ' ' || Nro_Comprobante || ' ' || Nro_porte FROM Guias"_s),
              "A0000001 00000001 0001-00002222");
    EXPECT_EQ(valor(u"SELECT Importe_Multa || ' ' || CodPolicia || ' ' || Hora_Cobro "
                    "FROM Multas_cobradas"_s),
              "1950000 1 07:00:00");
    EXPECT_EQ(valor(u"SELECT Nro_Comprobante FROM Sucursales"_s), "00000001");

    // The shift finished at 19:30:00: the "A" stamp sold is gone from its count.
    reloj.hora = QTime(19, 30, 0);
    dialogos.alAbrir(u"FrmTurnos_Policia"_s, [&](QDialog& f) {
        dialogos.alAbrir(u"FrmMultasTurno"_s, [&](QDialog& d) {
            EXPECT_EQ(rotulo(d, "Lbl_Vendidas1"), "1");
            EXPECT_EQ(rotulo(d, "Lbl_Final1"), "39");
            dialogos.responder(u"Confiramar Inicar Turno"_s, Respuesta::Si);
            pulsar(d, "CmdConfirmar");
        });
        pulsar(f, "Cmd_Finalizar");
        EXPECT_EQ(celda(grillaDe(f), 0, 7), u"19:30"_s);
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("MnuTurnos"));
    EXPECT_EQ(valor(u"SELECT Fecha_Hasta || ' ' || Hora_Hasta FROM Turnos"_s), "2024-05-20 19:30:00");
    const auto fin = mensajes();
    ASSERT_EQ(fin.size(), 1u);
    EXPECT_TRUE(fin[0].starts_with("¿Finalizar Turno en Fecha 20/05/2024 hora 19:30:00?\n"));

    // Procesos → Administración de Intervenciones: a load of maize checked by the officer.
    dialogos.alAbrir(u"frmIntervenciones"_s, [&](QDialog& f) {
        pulsar(f, "cmdAgregar");
        tipear(f, "txtFecha", u"20/05/2024"_s);
        tipear(f, "MaskCodPolicia", u"1"_s);
        tipear(f, "TxtNroGuia", u"a7"_s);
        tipear(f, "TxtPorte1", u"1"_s);
        tipear(f, "TxtPorte2", u"4567"_s);
        dialogos.alAbrir(u"frmGranos"_s, [&](QDialog& lista) {
            grillaDe(lista).irAFila(13);
            pulsar(lista, "cmdSeleccionar");
        });
        pulsar(f, "cmdGranos");
        EXPECT_EQ(rotulo(f, "LblGrano"), "Maiz");
        tipear(f, "mskCUIT", u"20123456786"_s);
        tipear(f, "txtProcedencia", u"pergamino"_s);
        pulsar(f, "cmdGrabar");
        EXPECT_EQ(rotulo(f, "Lbl_total_general"), " 1");
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuAdministracionIntervenciones"));
    EXPECT_EQ(mensajes(), std::vector<std::string>());
    EXPECT_EQ(valor(u"SELECT Nro_Carta_Porte || ' ' || Grano || ' ' || Nro_Oblea || ' ' || "
                    "CodPolicia || ' ' || Procedencia FROM Intervenciones"_s),
              "0001-00004567 14 A0000007 1 PERGAMINO");

    // Back in the shifts window: the finished shift's rendition, and its deposit slip, printed
    // without a question, whose barcode the bank reads.
    const QString pdfRendicion = carpeta.ruta(u"rendicion.pdf"_s);
    const QString pdfBoleta = carpeta.ruta(u"boleta.pdf"_s);
    dialogos.alAbrir(u"FrmTurnos_Policia"_s, [&](QDialog& f) {
        dialogos.responder(u"¿Confirmar Impresión?"_s, Respuesta::Si);
        dialogos.alAbrir(u"VistaPrevia"_s, imprimirEnPdf(pdfRendicion));
        pulsar(f, "Cmd_Rendicion");
        dialogos.alAbrir(u"VistaPrevia"_s, imprimirEnPdf(pdfBoleta));
        pulsar(f, "cmdPago");
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("MnuTurnos"));
    mensajes();
    contiene(pdfRendicion, {u"RENDICIÓN DETALLADA DEL TURNO"_s, u"20/05/2024 07:00"_s,
                            u"20/05/2024 19:30"_s, u"1 - GOMEZ RAUL"_s, u"$ 195,00"_s});
    contiene(pdfBoleta, {u"BOLETA DE DEPÓSITO DEL TURNO"_s, u"260,00"_s, u"DOSCIENTOS SESENTA CON 00/100"_s,
                         u"17/06/2024"_s});
    EXPECT_EQ(pdf::codigosLeidos(pdf::imagenPagina(pdfBoleta, 1)),
              QStringList{u"CODE-128:"_s + u"12345900132405"_s + u"00026"_s + QString(20, u'0') + u"*"_s});

    // Informes → Detalle de Intervenciones, of the active declaration.
    const QString pdfDetalle = carpeta.ruta(u"detalle.pdf"_s);
    dialogos.responder(u"¿Confirmar Impresión?"_s, Respuesta::Si);
    dialogos.alAbrir(u"VistaPrevia"_s, imprimirEnPdf(pdfDetalle));
    ASSERT_NO_FATAL_FAILURE(menu("mnuDetalleIntervenciones"));
    mensajes();
    contiene(pdfDetalle, {u"DETALLE DE INTERVENCIONES"_s, u"GOMEZ RAUL"_s, u"0001-00004567"_s,
                          u"14 Maiz"_s, u"A0000007"_s, u"PERGAMINO"_s});

    // Procesos → Emitir y generar Archivo: the interventions report closes the month; then the
    // police file goes to the diskette and the fines report is printed.
    const QString diskette = carpeta.ruta(u"diskette"_s);
    ASSERT_TRUE(QDir().mkpath(diskette));
    const QString pdfIntervenciones = carpeta.ruta(u"intervenciones.pdf"_s);
    const QString pdfMultas = carpeta.ruta(u"multas.pdf"_s);
    dialogos.alAbrir(u"frmCabeceras"_s, [&](QDialog& f) {
        dialogos.responder(u"¡Atención!"_s, Respuesta::Si);
        dialogos.responder(u"¿Confirmar Impresión?"_s, Respuesta::Si);
        dialogos.alAbrir(u"VistaPrevia"_s, imprimirEnPdf(pdfIntervenciones));
        pulsar(f, "cmdIntervenciones");
        EXPECT_EQ(rotulo(f, "lblEstadoDescripcion"), " Cerrada");
        dialogos.elegirCarpeta(diskette);
        dialogos.responder(u"¿Confirmar Impresión?"_s, Respuesta::Si);
        dialogos.alAbrir(u"VistaPrevia"_s, imprimirEnPdf(pdfMultas));
        pulsar(f, "Cmd_DDJJ_Policia");
        pulsar(f, "cmdSalir");
    });
    ASSERT_NO_FATAL_FAILURE(menu("mnuCabecerasEmitir"));
    const auto emision = mensajes();
    ASSERT_GE(emision.size(), 4u);
    EXPECT_TRUE(emision[2].starts_with("El archivo DJPol_123459_0000_13_2024_05_00.TXT\n"));
    EXPECT_EQ(valor(u"SELECT Estado || MarcaObs FROM Cabeceras"_s), "3N");
    contiene(pdfIntervenciones, {u"INTERVENCIONES REALIZADAS"_s, u"4021"_s, u"GOMEZ RAUL"_s,
                                 u"CA 0012/5"_s, u"$ 2,00"_s});
    contiene(pdfMultas, {u"DECLARACIÓN JURADA DE MULTAS"_s, u"20/05/2024 19:30"_s,
                         u"1 multa(s) de la declaración"_s, u"$ 195,00"_s});
    QFile archivo(QDir(diskette).filePath(u"DJPol_123459_0000_13_2024_05_00.TXT"_s));
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    const QByteArray bytes = archivo.readAll();
    EXPECT_TRUE(bytes.startsWith("K12345913202405000000PUESTO RUTA 33")) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains("\r\nPGOMEZ RAUL"));
    EXPECT_TRUE(bytes.endsWith("\r\nM0010000195,0020/05/202407:00:00*\r\n")) << bytes.toStdString();
}

} // namespace
