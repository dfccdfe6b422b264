#include "proceso_hijo.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>
#include <stdexcept>

namespace {

const QRegularExpression kPico(QStringLiteral("VmHWM:\\s*(\\d+)\\s*kB"));

} // namespace

double picoMemoriaHijo(const QStringList& argumentos)
{
    QProcess hijo;
    hijo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    hijo.start(QCoreApplication::applicationFilePath(), argumentos);
    if (!hijo.waitForFinished(-1) || hijo.exitStatus() != QProcess::NormalExit || hijo.exitCode() != 0)
        throw std::runtime_error("el proceso hijo no terminó bien: "
                                 + argumentos.join(QLatin1Char(' ')).toStdString());
    const auto m = kPico.match(QString::fromUtf8(hijo.readAllStandardOutput()));
    if (!m.hasMatch()) throw std::runtime_error("el proceso hijo no informó su memoria");
    return m.captured(1).toDouble() / 1024.0;
}

void informarPicoMemoria()
{
    // The high-water mark of this process image alone; the rusage of a spawned child would also
    // count the parent's pages it started from.
    QFile estado(QStringLiteral("/proc/self/status"));
    if (!estado.open(QIODevice::ReadOnly)) return;
    const auto m = kPico.match(QString::fromUtf8(estado.readAll()));
    if (m.hasMatch()) QTextStream(stdout) << m.captured(0) << '\n';
}
