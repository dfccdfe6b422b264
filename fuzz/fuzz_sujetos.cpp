// Fuzz target: any bytes as a subjects file, read line by line and each line checked as the
// subjects run checks it. Besides not crashing, what the run would store must fit its columns:
// a subject number of ten digits, a name and an address of at most 40 characters and without a
// control character, a known type.

#include "import/lector_lineas.h"
#include "import/registros_importados.h"
#include "import/revision_sujeto.h"

#include <QBuffer>
#include <cstdlib>

namespace {

bool soloDigitos(const QString& t)
{
    for (const QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    QByteArray bytes(reinterpret_cast<const char*>(datos), qsizetype(largo));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    LectorLineas lector(buffer);
    while (const auto linea = lector.siguiente()) {
        const auto sujeto = leerSujeto(*linea);
        if (!sujeto || sujeto->controlEnCodigos()) continue;
        const RevisionSujeto r = revisarSujeto(*sujeto);
        if (!r.guardable) continue;
        if (r.nroContrib.size() != 10 || !soloDigitos(r.nroContrib)) std::abort();
        if (sujeto->cuit.size() != 11 || sujeto->razonSocial.isEmpty()
            || sujeto->razonSocial.size() > 40 || sujeto->domicilio.isEmpty()
            || sujeto->domicilio.size() > 40)
            std::abort();
        if (campo_importado::conControles(sujeto->cuit)
            || campo_importado::conControles(sujeto->razonSocial)
            || campo_importado::conControles(sujeto->domicilio))
            std::abort();
        if (!QStringList({"0", "1", "2", "3"}).contains(r.codTipo)) std::abort();
    }
    return 0;
}
