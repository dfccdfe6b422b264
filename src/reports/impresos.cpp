#include "reports/impresos.h"

#include "database/base_datos.h"

std::vector<Impreso> leerImpresos(BaseDatos& base)
{
    std::vector<Impreso> impresos;
    for (const QSqlRecord& f : base.filas(QStringLiteral("SELECT * FROM Impresos ORDER BY rowid"))) {
        const auto de = [&f](const char* campo) { return f.value(QString::fromLatin1(campo)); };
        impresos.push_back({de("Para").toString(), de("IdCabecera").toLongLong(),
                            Importe::desdeColumna(de("Importe")),
                            Importe::desdeColumna(de("Importe1")), de("Texto").toString(),
                            Importe::desdeColumna(de("Interes")), de("FechaV").toString(),
                            de("FechaP").toString(), de("CodBar").toByteArray()});
    }
    return impresos;
}
