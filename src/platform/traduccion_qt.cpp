#include "platform/traduccion_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <cstring>

namespace {

struct Palabra {
    const char* contexto;  // none: a sentence that means one thing wherever Qt uses it
    const char* texto;
    const char* castellano;
};

// Texts of Qt 6 its Spanish catalogue does not carry yet: the type column of the file chooser, and
// the page ranges of the print dialog with their refusals.
constexpr Palabra kFaltantes[] = {
    {"QAbstractFileIconProvider", "Folder", "Carpeta"},
    {"QAbstractFileIconProvider", "Drive", "Unidad"},
    {"QAbstractFileIconProvider", "File", "Archivo"},
    {"QAbstractFileIconProvider", "Shortcut", "Acceso directo"},
    {"QAbstractFileIconProvider", "Unknown", "Desconocido"},
    {"QPrintSettingsOutput", "Pages", "Páginas"},
    {"QPrintPropertiesWidget", "Advanced", "Avanzadas"},
    {nullptr,
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated "
     "by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Indique las páginas o los intervalos separados por comas. Un intervalo son dos números "
     "separados por un guion. Por ejemplo: 3,5-7,9 imprime las páginas 3, 5, 6, 7 y 9."},
    {nullptr, "Invalid Pages Definition", "Páginas mal indicadas"},
    {nullptr,
     "%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to "
     "define ranges and make sure ranges do not intersect with each other.",
     "%1 no está bien escrito. Separe las páginas y los intervalos con ',', escriba cada intervalo "
     "con '-' y cuide que los intervalos no se superpongan."},
    {nullptr, "Duplex Settings Conflicts", "Opciones de doble cara en conflicto"},
    {nullptr, "There are conflicts in duplex settings. Do you want to fix them?",
     "Hay opciones de impresión a doble cara en conflicto. ¿Desea corregirlas?"},
    {nullptr, "There are conflicts in some options. Please fix them.",
     "Hay opciones en conflicto. Corríjalas."},
    {nullptr, "Page Setup Conflicts", "Opciones de página en conflicto"},
    {nullptr, "There are conflicts in page setup options. Do you want to fix them?",
     "Hay opciones de página en conflicto. ¿Desea corregirlas?"},
    {nullptr, "Advanced Option Conflicts", "Opciones avanzadas en conflicto"},
    {nullptr, "There are conflicts in some advanced options. Do you want to fix them?",
     "Hay opciones avanzadas en conflicto. ¿Desea corregirlas?"},
};

} // namespace

TraduccionQt::TraduccionQt(QObject* parent, const QString& carpeta) : QTranslator(parent)
{
    conCatalogo_ = load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                        carpeta.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                                          : carpeta);
}

QString TraduccionQt::translate(const char* contexto, const char* texto, const char* desambiguacion,
                                int n) const
{
    QString traducido = QTranslator::translate(contexto, texto, desambiguacion, n);
    if (!traducido.isEmpty() || !texto) return traducido;
    for (const Palabra& p : kFaltantes)
        if ((!p.contexto || (contexto && std::strcmp(p.contexto, contexto) == 0))
            && std::strcmp(p.texto, texto) == 0)
            return QString::fromUtf8(p.castellano);
    return {};
}

void instalarTraduccionQt()
{
    QCoreApplication::installTranslator(new TraduccionQt(QCoreApplication::instance()));
}
