// The receipt of the general regimes: the observation, the two copies in Impresos, the
// confirmation, the report read back from its PDF, and the entry form's print button wired to it.

#include "entry/impresion_comprobante.h"

#include "entry/apertura_entrada.h"
#include "support/impresora_guionada.h"
#include "support/pdf_prueba.h"

#include "support/datos_entrada.h"

#include <QDialog>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kPreguntaObservacion = QStringLiteral(
    "Tipee un texto (hasta 100 caracteres) que considere necesario agregar al comprobante o bien "
    "elija cancelar para no incluir ninguna observación:");

struct Comprobante : DatosEntrada {
    Comprobante() { importada(QStringLiteral("00000007"), QString()); }

    Retencion fila() { return *leerRetencion(base, {idCabecera, QStringLiteral("00000007")}); }
    void imprimir(Impresora& impresora, std::optional<QString> observacion,
                  std::deque<Respuesta> respuestas = {})
    {
        dialogs.textos = {std::move(observacion)};
        dialogs.respuestas = std::move(respuestas);
        imprimirComprobante(contexto, QStringLiteral("frmRetenciones"), fila(), impresora);
    }
    std::vector<QSqlRecord> impresos()
    {
        return base.filas(QStringLiteral("SELECT * FROM Impresos ORDER BY rowid"));
    }
};

TEST(ImpresionComprobante, DosCopiasConLaObservacion)
{
    Comprobante f;
    f.sql("INSERT INTO Impresos (Para, Texto) VALUES ('AGENTE', 'boleta anterior')");
    const QString archivo = f.carpeta.ruta(QStringLiteral("comprobante.pdf"));
    ImpresoraGuionada impresora(f.base, archivo);
    f.imprimir(impresora, QStringLiteral("ENTREGADO EN MANO"));

    ASSERT_EQ(f.dialogs.mensajes.size(), 2u);
    EXPECT_EQ(f.dialogs.mensajes[0].texto, kPreguntaObservacion);
    EXPECT_EQ(f.dialogs.mensajes[0].titulo, QStringLiteral("Imprimir Comprobante"));
    EXPECT_EQ(f.dialogs.mensajes[1].titulo, QStringLiteral("¿Confirmar Impresión?"));
    EXPECT_EQ(f.dialogs.mensajes[1].porDefecto, Respuesta::Si);

    const auto filas = f.impresos();
    ASSERT_EQ(filas.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const QSqlRecord& r = filas[i];
        EXPECT_EQ(r.value(QStringLiteral("Para")).toString(), QLatin1String("00000007"));
        EXPECT_EQ(r.value(QStringLiteral("IdCabecera")).toLongLong(), f.idCabecera);
        EXPECT_EQ(Importe::desdeColumna(r.value(QStringLiteral("Interes"))),
                  Importe::desdeEntero(i + 1));
        EXPECT_EQ(r.value(QStringLiteral("Texto")).toString(),
                  QStringLiteral("Mayo      ENTREGADO EN MANO"));
        for (const char* vacio : {"FechaV", "FechaP", "CodBar"})
            EXPECT_TRUE(r.value(QLatin1String(vacio)).isNull()) << vacio;
    }
    ASSERT_EQ(impresora.trabajos.size(), 1u);
    EXPECT_EQ(impresora.trabajos[0].reporte, QLatin1String("comprob.rpt"));
    EXPECT_EQ(impresora.trabajos[0].copias, 1);
    EXPECT_EQ(impresora.trabajos[0].destino, Destino::Pantalla);

    const QStringList paginas = pdf::paginas(archivo);
    ASSERT_EQ(paginas.size(), 1);
    for (const QString& esperado :
         {QStringLiteral("Comprobante Nº 00000007"), QStringLiteral("ORIGINAL"),
          QStringLiteral("DUPLICADO"), QStringLiteral("AGENTE DE PRUEBA"),
          QStringLiteral("PEREZ JUAN"), QStringLiteral("Mayo de 2008"), QStringLiteral("500,00"),
          QStringLiteral("2,50"), QStringLiteral("$ 12,50")})
        EXPECT_TRUE(paginas[0].contains(esperado)) << esperado.toStdString();
    EXPECT_EQ(paginas[0].count(QStringLiteral("ENTREGADO EN MANO")), 2);
}

TEST(ImpresionComprobante, ObservacionHastaCienCaracteresOCancelada)
{
    const QString larga = QString(60, QLatin1Char('A')) + QString(60, QLatin1Char('B'));
    const struct Caso {
        const char* nombre;
        std::optional<QString> respuesta;
        QString texto;
    } casos[] = {
        {"cancelada: solo el mes", std::nullopt, QStringLiteral("Mayo      ")},
        {"vacia", QString(), QStringLiteral("Mayo      ")},
        {"mas de cien: las primeras cien", larga, QStringLiteral("Mayo      ") + larga.left(100)},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        Comprobante f;
        ImpresoraGuionada impresora;
        f.imprimir(impresora, c.respuesta);
        const auto filas = f.impresos();
        ASSERT_EQ(filas.size(), 2u);
        for (const QSqlRecord& r : filas)
            EXPECT_EQ(r.value(QStringLiteral("Texto")).toString(), c.texto);
    }
}

TEST(ImpresionComprobante, SinConfirmarNadaSeImprimeYUnErrorSeInforma)
{
    Comprobante f;
    ImpresoraGuionada impresora;
    f.imprimir(impresora, std::nullopt, {Respuesta::No});
    EXPECT_EQ(f.impresos().size(), 2u);  // the rows stay
    EXPECT_TRUE(impresora.trabajos.empty());
    EXPECT_EQ(f.dialogs.mensajes.size(), 2u);  // nothing said after the No

    impresora.resultado = {errores_impresion::Impresora,
                           QStringLiteral("La impresora 'PDF' no aceptó el documento.")};
    f.dialogs.mensajes.clear();
    f.imprimir(impresora, std::nullopt);
    ASSERT_EQ(impresora.trabajos.size(), 1u);
    ASSERT_EQ(f.dialogs.mensajes.size(), 3u);
    const Mensaje& error = f.dialogs.mensajes.back();
    EXPECT_EQ(error.texto,
              QStringLiteral("Error Nº 504 - La impresora 'PDF' no aceptó el documento."));
    EXPECT_EQ(error.titulo, QStringLiteral("Error al imprimir"));
    EXPECT_EQ(error.icono, Icono::Critico);
}

TEST(ImpresionComprobante, ElBotonDelFormularioAbiertoPorElMenuImprime)
{
    Comprobante f;
    // The entry form is driven when it opens; the preview it asks for is only remembered.
    bool abierto = false;
    f.dialogs.alAbrir = [&abierto](QDialog& formulario) {
        if (std::exchange(abierto, true)) return;
        formulario.show();
        auto* boton = formulario.findChild<QPushButton*>(QStringLiteral("cmdReimprimir"));
        ASSERT_TRUE(boton);
        ASSERT_TRUE(boton->isEnabled());
        boton->click();
        formulario.hide();
    };
    f.dialogs.textos = {QStringLiteral("REIMPRESO")};
    EXPECT_EQ(abrirEntradaRetenciones(f.contexto, nullptr, {}, {}), AperturaEntrada::Abierta);

    // The receipt's copies were written and the preview of the report engine shown.
    const auto filas = f.impresos();
    ASSERT_EQ(filas.size(), 2u);
    EXPECT_EQ(filas[0].value(QStringLiteral("Texto")).toString(),
              QStringLiteral("Mayo      REIMPRESO"));
    EXPECT_EQ(f.dialogs.clasesAbiertas,
              (QStringList{QStringLiteral("frmRetenciones"),
                           QStringLiteral("VistaPrevia")}));
    for (const Mensaje& m : f.dialogs.mensajes)
        EXPECT_NE(m.titulo, QStringLiteral("Error al imprimir"));
}

} // namespace
