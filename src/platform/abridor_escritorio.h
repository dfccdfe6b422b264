#pragma once
// The desktop's opener (xdg-open), run for a document or a web address. It says whether it found a
// program for it only when it ends: at once when it finds none ("no method available") or hands
// the document over, seconds later on a busy machine, or only when that program is closed on a
// desktop where it runs the program itself. So the program never waits for it: a failure is heard
// whenever the opener ends with one.

#include <QObject>
#include <QString>
#include <functional>

class AbridorEscritorio {
public:
    explicit AbridorEscritorio(QString programa = QStringLiteral("xdg-open"));
    // Openers still running are ended without a word: their programs, once started, stay open.
    ~AbridorEscritorio();
    AbridorEscritorio(const AbridorEscritorio&) = delete;
    AbridorEscritorio& operator=(const AbridorEscritorio&) = delete;

    // Starts the opener for `destino`; `siNoSeAbre` runs when it cannot be started or ends with a
    // failure, at most once, from the event loop or from this call.
    void abrir(const QString& destino, std::function<void()> siNoSeAbre);

private:
    QString programa_;
    // The running openers, children of this object.
    QObject procesos_;
};
