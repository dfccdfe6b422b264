#pragma once
// Lines of the import files for tests, valid unless a field is changed: each builder lays its
// fields at their positions.

#include <QByteArray>
#include <QString>

namespace lineas_prueba {

inline QByteArray ajustado(const QString& texto, int ancho)
{
    return texto.leftJustified(ancho, QLatin1Char(' '), true).toLatin1();
}

// A subject: PEREZ JUAN, inscription 000-123456-5, CUIT 20-12345678-6.
struct S {
    QString jurisdiccion = QStringLiteral("000");
    QString inscripcion = QStringLiteral("1234565");
    QString cuit = QStringLiteral("20123456786");
    QString nombre = QStringLiteral("PEREZ JUAN");
    QString domicilio = QStringLiteral("SAN MARTIN 123");
    QString tipo = QStringLiteral("0");

    QByteArray linea() const
    {
        return "S" + jurisdiccion.toLatin1() + inscripcion.toLatin1() + cuit.toLatin1()
            + ajustado(nombre, 40) + ajustado(domicilio, 40) + tipo.toLatin1() + "*";
    }
};

// The header of agent 000123, branch 0001, regime 01, May 2008.
struct C {
    QString agente = QStringLiteral("000123");
    QString regimen = QStringLiteral("01");
    QString anio = QStringLiteral("2008");
    QString mes = QStringLiteral("05");
    QString rectifica = QStringLiteral("00");
    QString sucursal = QStringLiteral("0001");

    QByteArray linea() const
    {
        return "C" + (agente + regimen + anio + mes + rectifica + sucursal).toLatin1() + "*";
    }
};

// A withholding of 1000.00 at 5 % on subject 000-123456-5, concept 01, on the 15th.
struct R {
    QString letra = QStringLiteral("R");
    QString jurisdiccion = QStringLiteral("000");
    QString inscripcion = QStringLiteral("1234565");
    QString dia = QStringLiteral("15");
    QString bruto = QStringLiteral("000001000.00");
    QString alicuota = QStringLiteral("05,00");
    QString retenido = QStringLiteral("000000050.00");
    QString nroX = QStringLiteral("0001-00001234");
    QString concepto = QStringLiteral("01");

    QByteArray linea() const
    {
        return (letra + jurisdiccion + inscripcion + dia + bruto + alicuota + retenido).toLatin1()
            + ajustado(nroX, 13) + concepto.toLatin1() + "*";
    }
};

// A detail row: one item of type 01 at 10.50, no advance, no issuing agent.
struct D {
    QString anticipo = QStringLiteral("00000000");
    QString agente = QStringLiteral("000000");
    QString guia = QStringLiteral("A0000123");
    QString tipo = QStringLiteral("01");
    QString cantidad = QStringLiteral("001");
    QString unitario = QStringLiteral("000000010.50");
    QString porte = QStringLiteral("0001-00005678");

    QByteArray linea() const
    {
        return "D" + (anticipo + agente + guia + tipo + cantidad + unitario).toLatin1()
            + ajustado(porte, 13) + "*";
    }
};

} // namespace lineas_prueba
