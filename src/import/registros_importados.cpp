#include "import/registros_importados.h"

#include "platform/windows_1252.h"

namespace campo_importado {

namespace {

bool esDigito(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The text without its blanks.
QString sinBlancos(QStringView texto)
{
    QString limpio;
    for (const QChar c : texto)
        if (c != QLatin1Char(' ')) limpio += c;
    return limpio;
}

// Digits only, at most 18 of them (beyond that no field of these files goes).
std::optional<qint64> digitos(QStringView texto)
{
    if (texto.isEmpty() || texto.size() > 18) return std::nullopt;
    qint64 valor = 0;
    for (const QChar c : texto) {
        if (!esDigito(c)) return std::nullopt;
        valor = valor * 10 + (c.unicode() - '0');
    }
    return valor;
}

} // namespace

qint64 valorNumerico(QStringView texto)
{
    qsizetype i = 0;
    auto saltarBlancos = [&] {
        while (i < texto.size() && texto[i] == QLatin1Char(' ')) ++i;
    };
    saltarBlancos();
    bool negativo = false;
    if (i < texto.size() && (texto[i] == QLatin1Char('-') || texto[i] == QLatin1Char('+'))) {
        negativo = texto[i] == QLatin1Char('-');
        ++i;
    }
    qint64 valor = 0;
    for (;; ++i) {
        saltarBlancos();
        if (i >= texto.size() || !esDigito(texto[i])) break;
        // Far beyond any field of these files: the value stays at its largest.
        if (valor < 100000000000000000LL) valor = valor * 10 + (texto[i].unicode() - '0');
    }
    return negativo ? -valor : valor;
}

std::optional<qint64> entero(QStringView texto)
{
    return digitos(texto);
}

bool conControles(QStringView texto)
{
    for (const QChar c : texto)
        if (esControl(c.unicode())) return true;
    return false;
}

bool soloDigitos(QStringView texto)
{
    if (texto.isEmpty()) return false;
    for (const QChar c : texto)
        if (!esDigito(c)) return false;
    return true;
}

std::optional<Importe> importe(QStringView doce)
{
    if (doce.size() != 12) return std::nullopt;
    QString entera = sinBlancos(doce.first(9));
    const bool negativo = entera.startsWith(QLatin1Char('-'));
    if (negativo) entera.remove(0, 1);
    const auto unidades = digitos(entera);
    const auto centesimos = digitos(sinBlancos(doce.sliced(10, 2)));
    if (!unidades || !centesimos) return std::nullopt;
    const Importe valor = Importe::desdeCentavos(*unidades * 100 + *centesimos);
    return negativo ? -valor : valor;
}

} // namespace campo_importado

namespace {

using campo_importado::conControles;

// The text without blanks around it.
QString sinBlancosAlrededor(const QString& texto)
{
    qsizetype inicio = 0;
    qsizetype fin = texto.size();
    while (inicio < fin && texto[inicio] == QLatin1Char(' ')) ++inicio;
    while (fin > inicio && texto[fin - 1] == QLatin1Char(' ')) --fin;
    return texto.sliced(inicio, fin - inicio);
}

// A text field as stored: control characters out. A field that lost any is named in `limpiados`.
QString textoLimpio(const QString& campo, const char* nombre, QStringList& limpiados)
{
    if (!conControles(campo)) return campo;
    limpiados << QString::fromUtf8(nombre);
    return sinControles(campo);
}

} // namespace

bool RegistroSujeto::controlEnCodigos() const
{
    return conControles(jurisdiccion) || conControles(inscripcion) || conControles(cuit)
        || conControles(QStringView(&marcaTipo, 1));
}

bool CabeceraImportada::controlEnCodigos() const
{
    return conControles(agente) || conControles(regimen) || conControles(anio) || conControles(mes)
        || conControles(rectifica) || conControles(sucursal);
}

bool RegistroRetencion::controlEnCodigos() const
{
    return conControles(jurisdiccion) || conControles(inscripcion) || conControles(dia)
        || conControles(nroX) || conControles(concepto);
}

bool RegistroDetalle::controlEnCodigos() const
{
    return conControles(anticipo) || conControles(agente) || conControles(guia)
        || conControles(tipo) || conControles(cantidad);
}

std::optional<RegistroSujeto> leerSujeto(const LineaImportada& l)
{
    if (!l.empiezaYTermina(QLatin1Char('S')) || l.largo != 104) return std::nullopt;
    RegistroSujeto s{l.campo(2, 3), l.campo(5, 7), l.campo(12, 11), {}, {}, l.texto.at(102), {}};
    s.razonSocial =
        sinBlancosAlrededor(textoLimpio(l.campo(23, 40), "de la Razón Social", s.limpiados));
    s.domicilio = sinBlancosAlrededor(textoLimpio(l.campo(63, 40), "del Domicilio", s.limpiados));
    return s;
}

QString CabeceraImportada::mesNormalizado() const
{
    return QStringLiteral("%1").arg(numeroMes(), 2, 10, QLatin1Char('0'));
}

std::optional<CabeceraImportada> leerCabecera(const LineaImportada& l)
{
    if (!l.empiezaYTermina(QLatin1Char('C'))) return std::nullopt;
    return CabeceraImportada{l.campo(2, 6),  l.campo(8, 2),  l.campo(10, 4),
                             l.campo(14, 2), l.campo(16, 2), l.campo(18, 4)};
}

std::optional<RegistroRetencion> leerRetencion(const LineaImportada& l)
{
    const QChar letra = l.primero();
    if (letra != QLatin1Char('R') && letra != QLatin1Char('A')) return std::nullopt;
    if (!l.empiezaYTermina(letra) || l.largo <= 57) return std::nullopt;

    RegistroRetencion r;
    r.anulada = letra == QLatin1Char('A');
    r.jurisdiccion = l.campo(2, 3);
    r.inscripcion = l.campo(5, 7);
    r.dia = l.campo(12, 2);
    r.bruto = campo_importado::importe(l.campo(14, 12));
    const QString entera = l.campo(26, 2).remove(QLatin1Char(' '));
    const QString centesimos = l.campo(29, 2).remove(QLatin1Char(' '));
    if (campo_importado::soloDigitos(entera) && campo_importado::soloDigitos(centesimos))
        r.alicuota = Importe::desdeCentavos(entera.toLongLong() * 100 + centesimos.toLongLong());
    r.retenido = campo_importado::importe(l.campo(31, 12));
    r.nroX = sinBlancosAlrededor(l.campo(43, 13));
    r.concepto = l.campo(56, 2);
    return r;
}

std::optional<RegistroDetalle> leerDetalle(const LineaImportada& l)
{
    if (!l.empiezaYTermina(QLatin1Char('D')) || l.largo != 54) return std::nullopt;
    RegistroDetalle d{l.campo(2, 8),  l.campo(10, 6), l.campo(16, 8),
                      l.campo(24, 2), l.campo(26, 3), campo_importado::importe(l.campo(29, 12)),
                      {},             {}};
    d.porte = textoLimpio(l.campo(41, 13), "del Nº de Remito o Carta de Porte", d.limpiados);
    return d;
}
