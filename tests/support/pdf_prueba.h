#pragma once
// Reading printed PDFs back the way a person or a bank would: the text through pdftotext, the
// pages as pictures through pdftoppm, the barcodes through zbarimg.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace pdf {

inline QString ejecutar(const QString& programa, const QStringList& argumentos)
{
    QProcess proceso;
    proceso.start(programa, argumentos);
    proceso.waitForFinished(60000);
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

// The text of the whole document, laid out as on the page, pages separated by form feeds.
inline QString texto(const QString& archivo)
{
    return ejecutar(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), archivo, QStringLiteral("-")});
}

// The text of each page.
inline QStringList paginas(const QString& archivo)
{
    QStringList p = texto(archivo).split(QLatin1Char('\f'));
    if (!p.isEmpty() && p.last().trimmed().isEmpty()) p.removeLast();
    return p;
}

// Page `pagina` (from 1) as a PNG at 300 dpi, written beside the PDF; its path.
inline QString imagenPagina(const QString& archivo, int pagina)
{
    const QString prefijo = archivo + QStringLiteral("-p") + QString::number(pagina);
    ejecutar(QStringLiteral("pdftoppm"),
             {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
              QStringLiteral("-singlefile"), QStringLiteral("-f"), QString::number(pagina),
              QStringLiteral("-l"), QString::number(pagina), archivo, prefijo});
    return prefijo + QStringLiteral(".png");
}

// Every barcode zbarimg reads in a picture, as "SYMBOLOGY:text".
inline QStringList codigosLeidos(const QString& imagen)
{
    QStringList leidos = ejecutar(QStringLiteral("zbarimg"), {QStringLiteral("-q"), imagen})
                             .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return leidos;
}

} // namespace pdf
