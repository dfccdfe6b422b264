#pragma once
// Another program run to its end, as the tests run the executable, the scripts and the system's
// tools: its exit status (-1 when it crashed or did not end in two minutes) and what it wrote.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <optional>

struct SalidaProceso {
    int codigo = -1;
    QString salida;
    QString errores;
    std::string todo() const { return (salida + errores).toStdString(); }
};

inline SalidaProceso correrProceso(const QString& programa, const QStringList& argumentos,
                                   const QString& carpeta = {},
                                   const std::optional<QProcessEnvironment>& entorno = std::nullopt)
{
    QProcess proceso;
    if (!carpeta.isEmpty()) proceso.setWorkingDirectory(carpeta);
    if (entorno) proceso.setProcessEnvironment(*entorno);
    proceso.start(programa, argumentos);
    const bool termino = proceso.waitForFinished(120000);
    if (!termino) proceso.kill();
    return {termino && proceso.exitStatus() == QProcess::NormalExit ? proceso.exitCode() : -1,
            QString::fromUtf8(proceso.readAllStandardOutput()),
            QString::fromUtf8(proceso.readAllStandardError())};
}
