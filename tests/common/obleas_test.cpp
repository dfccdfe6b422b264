#include "common/obleas.h"

#include "database/base_datos.h"
#include "database/entorno.h"
#include "support/carpeta_temporal.h"
#include "support/filas_prueba.h"

#include <gtest/gtest.h>

namespace {

const QString kAgente = QStringLiteral("012345");
const QString kOtroAgente = QStringLiteral("054321");
const QString kAgenteGrande = QStringLiteral("099999");

// Remittances of three agents, and receipts of the first one's declarations with their detail rows.
class Obleas : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta.crearBaseInstalada();
        base.abrir(carpeta.base());

        remesa(kAgente, "A", 1, 100);
        remesa(kAgente, "A", 201, 250);
        remesa(kAgente, "B", 1000, 1009);
        remesa(kAgente, "Z", 1, 20);
        remesa(kOtroAgente, "A", 300, 400);
        remesa(kOtroAgente, "C", 1, 5);
        // More stamps of one type than a 16-bit count holds.
        remesa(kAgenteGrande, "A", 1, 40000);
        remesa(kAgenteGrande, "A", 100001, 130000);

        // Regime "13", branch "0000": seven type-1 stamps in use, one of them on a row of another
        // agent; an annulled receipt's stamps and a type-2 stamp do not count for type 1.
        cabecera(1, "0000", "13");
        comprobante(1, "00000001", "2");
        for (int i = 0; i < 6; ++i) guia(1, "00000001", kAgente, "A000001" + QString::number(i), 1);
        guia(1, "00000001", kOtroAgente, "A0000020", 1);
        guia(1, "00000001", kAgente, "B0001000", 2);
        comprobante(1, "00000002", "4");
        guia(1, "00000002", kAgente, "A0000030", 1);
        guia(1, "00000002", kAgente, "A0000031", 1);
        // A detail row of a receipt number that belongs to another declaration.
        guia(99, "00000001", kAgente, "A0000040", 1);
        // The same regime in another branch.
        cabecera(2, "0001", "13");
        comprobante(2, "00000001", "2");
        guia(2, "00000001", kAgente, "A0000050", 1);

        // Regime "12": advances have type 0 and are known by their letter; an advance made to
        // another agent is not one of this agent's stamps.
        cabecera(3, "0000", "12");
        comprobante(3, "00000001", "2");
        guia(3, "00000001", kAgente, "A1234567", 0);
        guia(3, "00000001", kOtroAgente, "A7654321", 0);
        guia(3, "00000001", kAgente, "B0001001", 0);
        comprobante(3, "00000002", "4");
        guia(3, "00000002", kAgente, "A1234568", 0);

        // Regime "10": counted by type whatever the row's agent.
        cabecera(4, "0000", "10");
        comprobante(4, "00000001", "1");
        guia(4, "00000001", kAgente, "A0000060", 1);
        guia(4, "00000001", kOtroAgente, "A0000061", 1);

        // Regime "14" with its "Z" stamps; regime "01" uses no stamps at all.
        cabecera(5, "0000", "14");
        comprobante(5, "00000001", "2");
        guia(5, "00000001", kAgente, "Z0000001", 26);
        cabecera(6, "0000", "01");
        comprobante(6, "00000001", "2");
        guia(6, "00000001", kAgente, "A0000070", 1);
    }

    void remesa(const QString& agente, const char* letra, qint64 desde, qint64 hasta)
    {
        base.ejecutar(QStringLiteral("INSERT INTO Remesas (Nro_Remesa, TipoEstampilla, Nro_Agente, "
                                     "Nro_desde, Nro_Hasta, Fecha, Hora) "
                                     "VALUES (1, ?, ?, ?, ?, '2024-03-01', '10:00:00')"),
                      {QString::fromLatin1(letra), agente, desde, hasta});
    }
    void cabecera(qint64 id, const char* sucursal, const char* regimen)
    {
        prueba::cabecera(base, {.id = id,
                                .agente = kAgente,
                                .sucursal = QString::fromLatin1(sucursal),
                                .regimen = QString::fromLatin1(regimen),
                                .anio = QStringLiteral("2024"),
                                .mes = QStringLiteral("03"),
                                .rectifica = QStringLiteral("00"),
                                .estado = QStringLiteral("2")});
    }
    void comprobante(qint64 id, const char* numero, const char* estado)
    {
        base.ejecutar(QStringLiteral("INSERT INTO Retenciones (IdCabecera, Nro_Contrib, "
                                     "Nro_Comprobante, Estado) VALUES (?, '0001234565', ?, ?)"),
                      {id, QString::fromLatin1(numero), QString::fromLatin1(estado)});
    }
    void guia(qint64 id, const char* comprobante, const QString& agente, const QString& nroGuia,
              int tipo)
    {
        base.ejecutar(QStringLiteral("INSERT INTO Guias (Nro_Comprobante, Nro_Agente, NroGuia, "
                                     "Tipo, IdCabecera) VALUES (?, ?, ?, ?, ?)"),
                      {QString::fromLatin1(comprobante), agente, nroGuia, tipo, id});
    }

    CarpetaTemporal carpeta;
    BaseDatos base;
};

TEST_F(Obleas, ValidaObleaDelAgenteActivo)
{
    Entorno entorno(base);
    base.ejecutar(QStringLiteral("INSERT INTO Agentes (Nro_Agente, Razon_Social) VALUES (?, 'X')"),
                  {kAgente});
    entorno.activarAgente(kAgente);

    const std::pair<const char*, bool> casos[] = {
        {"A0000150", false}, {"A0000001", true},  {"A0000100", true},  {"A0000101", false},
        {"A0000200", false}, {"A0000201", true},  {"A0000250", true},  {"A0000251", false},
        {"B0001005", true},  {"B0000150", false},
        {"A0000350", false},  // inside another agent's remittance only
        {"C0000003", false},
        // A number part that is not all digits is no stamp; a lone letter (or nothing) reads as
        // number zero, which no remittance holds.
        {"A00X0050", false}, {"A 000050", false}, {"A-000050", false},
        {"A", false},        {"", false},
    };
    for (const char* regimen : {"10", "12", "13", "14"}) {
        entorno.activarRegimen(QString::fromLatin1(regimen));
        ASSERT_EQ(entorno.regimen(), QString::fromLatin1(regimen));
        for (const auto& [nro, valida] : casos)
            EXPECT_EQ(validaOblea(entorno, QString::fromLatin1(nro)), valida)
                << regimen << " " << nro;
    }
}

TEST_F(Obleas, RegimenesSinObleasNoConsultan)
{
    // The database is closed once the regime is chosen: a query would fail.
    BaseDatos cerrada;
    Entorno entorno(cerrada);
    for (const char* regimen : {"01", "09", "11", "15", "1", ""}) {
        const QString codigo = QString::fromLatin1(regimen);
        if (leerRegimen(base, codigo)) {
            cerrada.abrir(carpeta.base());
            entorno.activarRegimen(codigo);
            cerrada.cerrar();
            ASSERT_EQ(entorno.regimen(), codigo);
            for (const char* nro : {"", "X", "A00X0050", "A9999999"})
                EXPECT_TRUE(validaOblea(entorno, QString::fromLatin1(nro)))
                    << regimen << " " << nro;
        }
        EXPECT_TRUE(validaObleaAgente(cerrada, QStringLiteral("A0000001"),
                                        QString::fromLatin1(regimen), 12345))
            << regimen;
    }
}

TEST_F(Obleas, ValidaObleaDeUnAgenteDado)
{
    const QString regimen = QStringLiteral("13");
    EXPECT_TRUE(validaObleaAgente(base, QStringLiteral("A0000350"), regimen, 54321));
    EXPECT_FALSE(validaObleaAgente(base, QStringLiteral("A0000350"), regimen, 12345));
    EXPECT_TRUE(validaObleaAgente(base, QStringLiteral("A0000250"), regimen, 12345));
    EXPECT_TRUE(validaObleaAgente(base, QStringLiteral("A0130000"), regimen, 99999));
    EXPECT_FALSE(validaObleaAgente(base, QStringLiteral("A00003.0"), regimen, 54321));
}

TEST_F(Obleas, HayRemesasDeCualquierAgente)
{
    EXPECT_TRUE(hayRemesas(base));
    base.ejecutar(QStringLiteral("DELETE FROM Remesas WHERE Nro_Agente <> ?"), {kAgenteGrande});
    EXPECT_TRUE(hayRemesas(base));
    base.ejecutar(QStringLiteral("DELETE FROM Remesas"));
    EXPECT_FALSE(hayRemesas(base));
}

struct CasoDisponibles {
    int tipo;
    const char* regimen;
    const char* sucursal;
    qint64 disponibles;
};

TEST_F(Obleas, ObleasDisponibles)
{
    const CasoDisponibles casos[] = {
        {1, "13", "0000", 150 - 7},  // the remittances count for every branch
        {1, "13", "0001", 150 - 1},
        {2, "13", "0000", 10 - 1},
        {1, "13", "0002", 150},
        {1, "12", "0000", 150 - 1},
        {2, "12", "0000", 10 - 1},
        {1, "10", "0000", 150 - 2},
        {26, "14", "0000", 20 - 1},
        {1, "01", "0000", 150},
    };
    for (const CasoDisponibles& c : casos) {
        DialogosGuionados dialogos;
        EXPECT_EQ(obleasDisponibles(base, dialogos, c.tipo, QString::fromLatin1(c.regimen),
                                     kAgente, QString::fromLatin1(c.sucursal)),
                  c.disponibles)
            << c.tipo << " " << c.regimen << " " << c.sucursal;
        EXPECT_TRUE(dialogos.mensajes.empty());
    }
}

TEST_F(Obleas, ObleasDisponiblesSinRemesaDelTipo)
{
    // Agent 012345 has no "C" remittance (another agent has one); a "C" stamp in use makes the
    // count negative.
    guia(1, "00000001", kAgente, "C0000001", 3);
    DialogosGuionados dialogos;
    EXPECT_EQ(obleasDisponibles(base, dialogos, 3, QStringLiteral("13"), kAgente,
                                 QStringLiteral("0000")),
              -1);
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    const Mensaje& m = dialogos.mensajes.front();
    EXPECT_EQ(m.texto, QStringLiteral("Error al calcular Obleas tipo C   - No hay ninguna Remesa "
                                      "cargada de ese Tipo de Oblea"));
    EXPECT_EQ(m.titulo, kTituloAplicacion);
    EXPECT_EQ(m.icono, Icono::Ninguno);
    EXPECT_EQ(m.botones, Botones::Aceptar);

    DialogosGuionados otra;
    EXPECT_EQ(obleasDisponibles(base, otra, 4, QStringLiteral("13"), kAgente,
                                 QStringLiteral("0000")),
              0);
    ASSERT_EQ(otra.mensajes.size(), 1u);
    EXPECT_TRUE(otra.mensajes.front().texto.startsWith(QStringLiteral("Error al calcular Obleas tipo D ")));
}

TEST_F(Obleas, ObleasDisponiblesMasAllaDeDieciseisBits)
{
    DialogosGuionados dialogos;
    EXPECT_EQ(obleasDisponibles(base, dialogos, 1, QStringLiteral("13"), kAgenteGrande,
                                 QStringLiteral("0000")),
              70000);
}

} // namespace
