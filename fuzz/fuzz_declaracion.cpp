// Fuzz target: any bytes as a declaration file, its lines read as the header, withholding and
// detail records and checked as the declaration run checks them, in a regime taken from the first
// byte. Besides not crashing, what the run would store must fit its columns and hold no control
// character, so that no line can make the run fail as a whole nor reach the agency's files.

#include "common/regimenes.h"
#include "import/lector_lineas.h"
#include "import/revision_detalle.h"
#include "import/revision_retencion.h"

#include <QBuffer>
#include <cstdlib>

namespace {

const char* const kRegimenes[] = {"01", "05", "09", "10", "11", "12", "14", "15", "16"};

void exigir(bool condicion)
{
    if (!condicion) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    if (largo == 0) return 0;
    const ReglasRegimen regimen =
        reglasRegimen(QString::fromLatin1(kRegimenes[datos[0] % std::size(kRegimenes)]));
    QByteArray bytes(reinterpret_cast<const char*>(datos + 1), qsizetype(largo - 1));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    LectorLineas lector(buffer);
    const ValorDeTipo valor = [](int clase, qint64 tipo) -> std::optional<Importe> {
        if (tipo % 3 == 0) return std::nullopt;
        return Importe::desdeCentavos(clase * 100 + tipo);
    };
    while (const auto linea = lector.siguiente()) {
        if (const auto c = leerCabecera(*linea)) {
            exigir(c->mesNormalizado().size() >= 2);
            (void)c->numeroRegimen();
        }
        if (const auto r = leerRetencion(*linea)) {
            ConsultasRetencion consultas{bool(datos[0] & 1), bool(datos[0] & 2)};
            const RevisionRetencion v = revisarRetencion(*r, regimen, 2008, 2, consultas);
            if (v.enFormato) {
                exigir(r->nroContrib().size() == 10);
                exigir(!r->controlEnCodigos());
                exigir(v.dia.size() == 2);
                exigir(!v.nroX.isEmpty() && v.nroX.size() <= 13);
                exigir(v.concepto.size() == 2);
                exigir(v.conError == !v.hallazgos.isEmpty());
            }
        }
        if (const auto d = leerDetalle(*linea)) {
            const RevisionDetalle v =
                revisarDetalle(*d, regimen, QStringLiteral("000123"), valor);
            if (!v.conError) {
                const FilaDetalle& f = v.fila;
                exigir(!f.nroAgente.isEmpty() && f.nroAgente.size() <= 6);
                exigir(!f.nroGuia.isEmpty() && f.nroGuia.size() <= 8);
                exigir(f.nroAnticipo.size() <= 8);
                exigir(f.nroPorte.size() <= 13);
                exigir(!d->controlEnCodigos() && !campo_importado::conControles(f.nroPorte));
                exigir(v.hallazgos.isEmpty());
            }
        }
    }
    return 0;
}
