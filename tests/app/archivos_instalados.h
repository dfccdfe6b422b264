#pragma once
// Every file an installation of the program holds, relative to its prefix: the same for
// `cmake --install` and for the Debian package (under /usr).

#include <QDir>
#include <QDirIterator>
#include <QStringList>

inline const QStringList kArchivosInstalados = {
    QStringLiteral("bin/tarquel"),
    QStringLiteral("share/applications/tarquel.desktop"),
    QStringLiteral("share/doc/tarquel/Importar_DDJJ.doc"),
    QStringLiteral("share/doc/tarquel/Importar_Sujetos.doc"),
    QStringLiteral("share/doc/tarquel/Leame.doc"),
    QStringLiteral("share/doc/tarquel/changelog.gz"),
    QStringLiteral("share/doc/tarquel/copyright"),
    QStringLiteral("share/icons/hicolor/scalable/apps/tarquel.svg"),
    QStringLiteral("share/man/man1/tarquel.1.gz"),
};

// The files under `carpeta`, relative to it, in order.
inline QStringList archivosBajo(const QString& carpeta)
{
    QStringList archivos;
    QDirIterator it(carpeta, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) archivos << QDir(carpeta).relativeFilePath(it.next());
    archivos.sort();
    return archivos;
}

// The sections of an executable that only a debugger needs, which an installed program leaves out.
inline bool tieneInformacionDeDepuracion(const QString& seccionesLeidas)
{
    return seccionesLeidas.contains(QStringLiteral(".debug_info"))
        || seccionesLeidas.contains(QStringLiteral(".symtab"));
}
