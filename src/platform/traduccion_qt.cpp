#include "platform/traduccion_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <cstring>

namespace {

struct Palabra {
    const char* contexto;
    const char* texto;
    const char* castellano;
};

// Texts Qt 6 moved to contexts its Spanish catalogue does not carry yet: the type column of the
// file chooser.
constexpr Palabra kFaltantes[] = {
    {"QAbstractFileIconProvider", "Folder", "Carpeta"},
    {"QAbstractFileIconProvider", "Drive", "Unidad"},
    {"QAbstractFileIconProvider", "File", "Archivo"},
    {"QAbstractFileIconProvider", "Shortcut", "Acceso directo"},
    {"QAbstractFileIconProvider", "Unknown", "Desconocido"},
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
    if (!traducido.isEmpty() || !contexto || !texto) return traducido;
    for (const Palabra& p : kFaltantes)
        if (std::strcmp(p.contexto, contexto) == 0 && std::strcmp(p.texto, texto) == 0)
            return QString::fromUtf8(p.castellano);
    return {};
}

void instalarTraduccionQt()
{
    QCoreApplication::installTranslator(new TraduccionQt(QCoreApplication::instance()));
}
