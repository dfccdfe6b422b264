#include "import/lector_lineas.h"

#include "database/error_motor.h"
#include "platform/windows_1252.h"

#include <QIODevice>

namespace {

constexpr qint64 kBloque = 64 * 1024;

// Builds a line character by character: blanks before the first other character are dropped,
// and the line's end is the last character that is not a blank.
class ArmadoLinea {
public:
    void agregar(QChar c)
    {
        if (total_ == 0 && c == QLatin1Char(' ')) return;
        ++total_;
        if (linea_.texto.size() < LineaImportada::kRetenidos) linea_.texto += c;
        if (c != QLatin1Char(' ')) {
            linea_.largo = total_;
            linea_.ultimo = c;
        }
    }
    LineaImportada terminar()
    {
        linea_.texto.truncate(qsizetype(std::min<qint64>(linea_.largo, linea_.texto.size())));
        LineaImportada hecha = std::move(linea_);
        linea_ = {};
        total_ = 0;
        return hecha;
    }

private:
    LineaImportada linea_;
    qint64 total_ = 0;
};

} // namespace

LineaImportada LineaImportada::de(const QByteArray& bytes)
{
    ArmadoLinea armado;
    for (const char b : bytes) armado.agregar(caracterWindows1252(static_cast<unsigned char>(b)));
    return armado.terminar();
}

LectorLineas::LectorLineas(QIODevice& origen, qint64 tope) : origen_(origen), tope_(tope) {}

bool LectorLineas::llenar()
{
    if (fin_) return false;
    bloque_.resize(qsizetype(tope_ > 0 ? std::min(kBloque, tope_ + 2) : kBloque));
    const qint64 leidos = origen_.read(bloque_.data(), bloque_.size());
    pos_ = 0;
    if (leidos < 0)
        throw ErrorMotor(errores::AccesoArchivo,
                         QStringLiteral("No se pudo leer el archivo (%1).").arg(origen_.errorString()));
    bloque_.resize(qsizetype(leidos));
    if (bloque_.isEmpty()) {
        fin_ = true;
        return false;
    }
    return true;
}

std::optional<LineaImportada> LectorLineas::siguiente()
{
    ArmadoLinea armado;
    bool algo = false;  // anything of this line read, or its end
    qint64 enLinea = 0;
    for (;;) {
        if (pos_ >= bloque_.size() && !llenar()) break;
        const char b = bloque_[pos_];
        if (saltarLf_) {
            saltarLf_ = false;
            if (b == '\n') {
                ++pos_;
                ++leidos_;
                continue;
            }
        }
        if (b == '\r' || b == '\n') {
            ++pos_;
            ++leidos_;
            saltarLf_ = b == '\r';
            return armado.terminar();
        }
        if (tope_ > 0 && enLinea == tope_) {
            // Nothing more is read.
            fin_ = true;
            bloque_.clear();
            pos_ = 0;
            LineaImportada cortada = armado.terminar();
            cortada.cortada = true;
            return cortada;
        }
        ++pos_;
        ++leidos_;
        ++enLinea;
        algo = true;
        armado.agregar(caracterWindows1252(static_cast<unsigned char>(b)));
    }
    if (!algo) return std::nullopt;
    return armado.terminar();
}
