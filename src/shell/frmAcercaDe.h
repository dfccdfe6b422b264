#pragma once
// One small window without caption serves three purposes: the splash while the environment loads
// (it closes itself after two seconds, or at a key or a click), and the progress window of the
// compaction and of the purge of unused subjects. A task runs at the window's first fast tick;
// while a task text is shown the window refuses to close, so the task cannot be interrupted.

#include <QDialog>
#include <functional>

class QFrame;
class QLabel;
class QTimer;

class frmAcercaDe : public QDialog {
    Q_OBJECT
public:
    // `msCierre`: how long the splash stays; the program uses two seconds.
    explicit frmAcercaDe(QWidget* parent = nullptr, int msCierre = 2000);

    static inline const QString kCargando = QStringLiteral("Cargando Entorno...");
    static inline const QString kCompactando = QStringLiteral("Compactando la Base de Datos...");
    static inline const QString kEliminando = QStringLiteral("Eliminando registros de sujetos...");

    // A task is to start: set by the menu command, cleared by the tick that runs it.
    bool EmpezarComp = false;
    bool EliminarSuj = false;

    void setTarea(const QString& texto);
    QString tarea() const;
    // The work behind each flag, given by the command that shows the window.
    void setTrabajos(std::function<void()> compactar, std::function<void()> eliminar);

    // The fast timer's tick: runs a flagged task, then blinks the task text.
    void pulsoParpadeo();

    void done(int resultado) override;

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void ejecutar(const std::function<void()>& trabajo);
    bool puedeCerrar() const;

    QFrame* recuadro_ = nullptr;
    QLabel* lblTarea_ = nullptr;
    QTimer* relojParpadeo_ = nullptr;
    QTimer* relojCierre_ = nullptr;
    std::function<void()> compactar_;
    std::function<void()> eliminar_;
};

// The splash of the start: shown modally through `dialogs` before anything loads.
class Dialogs;
void mostrarPresentacion(Dialogs& dialogs);
