#pragma once
// Dialogs for tests: answers from a script, in order, and remembers every message it was shown.

#include "forms/frmAyuda.h"
#include "platform/dialogs.h"

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

class DialogosGuionados final : public Dialogs {
public:
    std::vector<Mensaje> mensajes;
    std::deque<Respuesta> respuestas;                  // for mostrar(); default: the box's default
    std::deque<std::optional<QString>> textos;         // for pedirTexto(); default: cancel
    std::deque<QString> rutas;                          // for the choosers; default: cancel
    std::deque<int> modales;                            // for abrirModal(); default: 0
    std::function<void(QDialog&)> alAbrir;              // acts on a window before it "closes"
    std::function<void(const Mensaje&)> alMostrar;      // sees each message as it appears
    QStringList clasesAbiertas;                         // class of each window shown modally
    QStringList clavesAyuda;                            // key of each help window shown
    QStringList propuestas;                             // names proposed by the save chooser
    std::vector<int> largos;                            // the limit of each limited input box
    QStringList abiertos;                               // documents and addresses opened
    bool escritorioFunciona = true;

    Respuesta mostrar(const Mensaje& mensaje) override
    {
        if (alMostrar) alMostrar(mensaje);
        mensajes.push_back(mensaje);
        if (respuestas.empty()) return mensaje.porDefecto;
        const Respuesta r = respuestas.front();
        respuestas.pop_front();
        return r;
    }
    std::optional<QString> pedirTexto(const QString& texto, const QString& titulo,
                                      const QString&) override
    {
        mensajes.push_back({texto, titulo, Icono::Ninguno, Botones::AceptarCancelar,
                            Respuesta::Aceptar});
        if (textos.empty()) return std::nullopt;
        std::optional<QString> t;
        t.swap(textos.front());
        textos.pop_front();
        return t;
    }
    std::optional<QString> pedirTextoHasta(const QString& texto, const QString& titulo,
                                           int largoMaximo) override
    {
        largos.push_back(largoMaximo);
        return Dialogs::pedirTextoHasta(texto, titulo, largoMaximo);
    }
    QString elegirArchivo(const QString&, const QString&, const QString&) override
    {
        return siguienteRuta();
    }
    QString elegirCarpeta(const QString&, const QString&) override { return siguienteRuta(); }
    QString elegirArchivoGuardar(const QString&, const QString& propuesto,
                                 const QString&) override
    {
        propuestas << propuesto;
        return siguienteRuta();
    }
    int abrirModal(QDialog& ventana) override
    {
        clasesAbiertas << QString::fromLatin1(ventana.metaObject()->className());
        if (const auto* ayuda = qobject_cast<frmAyuda*>(&ventana)) clavesAyuda << ayuda->clave();
        if (alAbrir) alAbrir(ventana);
        if (modales.empty()) return 0;
        const int r = modales.front();
        modales.pop_front();
        return r;
    }
    void abrirConEscritorio(const QString& ruta, const Mensaje& siNoSeAbre) override
    {
        abiertos << ruta;
        if (!escritorioFunciona) mostrar(siNoSeAbre);
    }

    QStringList textosMostrados() const
    {
        QStringList t;
        for (const Mensaje& m : mensajes) t << m.texto;
        return t;
    }

private:
    QString siguienteRuta()
    {
        if (rutas.empty()) return {};
        QString r = rutas.front();
        rutas.pop_front();
        return r;
    }
};
