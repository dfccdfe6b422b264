#include "platform/abridor_escritorio.h"

#include <QProcess>

AbridorEscritorio::AbridorEscritorio(QString programa) : programa_(std::move(programa)) {}

AbridorEscritorio::~AbridorEscritorio()
{
    for (QProcess* proceso : procesos_.findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
        proceso->disconnect();
        if (proceso->state() == QProcess::NotRunning) continue;
        proceso->kill();
        proceso->waitForFinished(1000);
    }
}

void AbridorEscritorio::abrir(const QString& destino, std::function<void()> siNoSeAbre)
{
    auto* proceso = new QProcess(&procesos_);
    // What the opener prints is for a terminal nobody reads; it must not pile up here either.
    proceso->setStandardOutputFile(QProcess::nullDevice());
    proceso->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(proceso, &QProcess::finished, proceso,
                     [proceso, siNoSeAbre](int codigo, QProcess::ExitStatus estado) {
                         proceso->deleteLater();
                         if (estado != QProcess::NormalExit || codigo != 0) siNoSeAbre();
                     });
    // A crash is heard through finished(); only a start that failed ends here.
    QObject::connect(proceso, &QProcess::errorOccurred, proceso,
                     [proceso, siNoSeAbre](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return;
                         proceso->deleteLater();
                         siNoSeAbre();
                     });
    proceso->start(programa_, {destino});
}
