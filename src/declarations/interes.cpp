#include "declarations/interes.h"

#include "database/base_datos.h"
#include "database/error_motor.h"

#include <limits>

namespace {

// The days of a stretch are held as a 16-bit count.
constexpr qint64 kMaximoDias = 32767;

double enDouble(Importe importe)
{
    return double(importe.diezmilesimos()) / Importe::kEscala;
}

// a / b (b positive) rounded to the nearest whole number, ties to the even one, as currency
// arithmetic rounds.
qint64 dividirAlPar(__int128 a, qint64 b)
{
    __int128 cociente = a / b;
    const __int128 resto = a % b;
    const __int128 dobleResto = 2 * (resto < 0 ? -resto : resto);
    if (dobleResto > b || (dobleResto == b && cociente % 2 != 0)) cociente += a < 0 ? -1 : 1;
    if (cociente > std::numeric_limits<qint64>::max()
        || cociente < std::numeric_limits<qint64>::min())
        desbordamientoImporte();
    return qint64(cociente);
}

int diasDelTramo(const QDate& inicio, const QDate& fin)
{
    const qint64 dias = inicio.daysTo(fin);
    if (dias > kMaximoDias || dias < -kMaximoDias - 1)
        throw ErrorMotor(
            errores::Desbordamiento,
            QStringLiteral("Desbordamiento: los intereses se calculan por tramos de hasta %1 días, "
                           "y del %2 al %3 hay %4 días.\nVerifique la fecha de pago.")
                .arg(kMaximoDias)
                .arg(inicio.toString(QStringLiteral("dd/MM/yyyy")),
                     fin.toString(QStringLiteral("dd/MM/yyyy")))
                .arg(dias));
    return int(dias);
}

// The interest of one stretch of `dias` days at the monthly rate `tasa`. Each floating-point
// result becomes currency from its exact value, ties to the even digit.
Importe tramo(Importe neto, Importe tasa, int dias, TasaDiaria diaria)
{
    if (diaria == TasaDiaria::Simple) {
        const float porDia = float(enDouble(tasa) / 30.0);
        return Importe::desdeDouble(enDouble(neto) * double(porDia) / 100.0 * dias);
    }
    const Importe porDia = Importe::desdeDouble(enDouble(tasa) / 30.0);
    const qint64 producto =
        dividirAlPar(__int128(neto.diezmilesimos()) * porDia.diezmilesimos(), Importe::kEscala);
    return Importe::desdeDouble(double(producto) / Importe::kEscala / 100.0 * dias);
}

} // namespace

std::optional<Importe> calculoIntereses(Importe neto, const QDate& vencimiento, const QDate& pago,
                                         const std::vector<TasaInteres>& tasas, TasaDiaria diaria)
{
    if (pago <= vencimiento) return Importe();  // paid on time

    std::vector<TasaInteres> vigentes;
    for (const TasaInteres& t : tasas)
        if (t.vigencia <= pago) vigentes.push_back(t);

    // The rate in force on the due date: the last one that started on it or before.
    std::optional<std::size_t> primera;
    for (std::size_t i = 0; i < vigentes.size(); ++i)
        if (vigentes[i].vigencia <= vencimiento) primera = i;
    if (!primera) return std::nullopt;

    Importe interes;
    QDate inicio = vencimiento;
    for (std::size_t i = *primera; i < vigentes.size(); ++i) {
        const bool ultima = i + 1 == vigentes.size();
        const QDate fin = ultima ? pago : vigentes[i + 1].vigencia.addDays(-1);
        interes += tramo(neto, vigentes[i].tasa, diasDelTramo(inicio, fin), diaria);
        inicio = fin;
    }
    return interes;
}

std::vector<TasaInteres> tasasHasta(BaseDatos& base, const QDate& pago)
{
    std::vector<TasaInteres> tasas;
    for (const QSqlRecord& fila :
         base.filas(QStringLiteral("SELECT FechaVig, Tasa FROM Tasas WHERE FechaVig <= ? "
                                   "ORDER BY FechaVig"),
                    {pago.toString(Qt::ISODate)}))
        tasas.push_back({QDate::fromString(fila.value(0).toString(), Qt::ISODate),
                         Importe::desdeColumna(fila.value(1))});
    return tasas;
}
