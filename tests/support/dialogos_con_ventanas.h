#pragma once
// Scripted dialogs that also stand in for the windows the shell shows modally: the progress window
// runs its task as its first tick would, and every window shown is remembered with what it showed.

#include "forms/frmAyuda.h"
#include "shell/frmAcercaDe.h"
#include "support/dialogos_guionados.h"

#include <QDialog>

class DialogosConVentanas final : public Dialogs {
public:
    DialogosGuionados guion;
    QStringList ventanas;     // objectName of each window shown, in order
    QStringList textosAyuda;  // what each help window showed
    QStringList tareas;       // the task text of each progress window, as it was shown
    bool principalHabilitadaDuranteTarea = true;
    QWidget* principal = nullptr;

    Respuesta mostrar(const Mensaje& m) override { return guion.mostrar(m); }
    std::optional<QString> pedirTexto(const QString& t, const QString& ti, const QString& i) override
    {
        return guion.pedirTexto(t, ti, i);
    }
    QString elegirArchivo(const QString& t, const QString& c, const QString& f) override
    {
        return guion.elegirArchivo(t, c, f);
    }
    QString elegirCarpeta(const QString& t, const QString& c) override
    {
        return guion.elegirCarpeta(t, c);
    }
    void abrirConEscritorio(const QString& r, const Mensaje& m) override
    {
        guion.abrirConEscritorio(r, m);
    }

    int abrirModal(QDialog& ventana) override
    {
        ventanas << ventana.objectName();
        if (auto* ayuda = qobject_cast<frmAyuda*>(&ventana)) textosAyuda << ayuda->texto();
        if (auto* progreso = qobject_cast<frmAcercaDe*>(&ventana)) {
            tareas << progreso->tarea();
            if (principal) principalHabilitadaDuranteTarea = principal->isEnabled();
            progreso->pulsoParpadeo();
            return progreso->result();
        }
        return guion.abrirModal(ventana);
    }

    QStringList textos() const { return guion.textosMostrados(); }
};
