#pragma once
// The user's side of the dialogs port, for walking the program as a user does. Each window the
// program shows modally goes, in the order the windows open, to what the test said the user does
// in it; questions, input boxes and the folder chooser get the answers the test gave, in order,
// and an unexpected one fails the test. Every message is kept, so a step can see what was said.

#include "platform/dialogs.h"
#include "reports/vista_previa.h"

#include <QDialog>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

class DialogosDelCamino final : public Dialogs {
public:
    using Accion = std::function<void(QDialog&)>;

    // The next window to open (its objectName, or its class when it has none) and what the user
    // does in it. The user leaves it as the window allows (Salir, closing the preview).
    void alAbrir(const QString& ventana, Accion accion)
    {
        ventanas_.push_back({ventana, std::move(accion)});
    }
    // The next Yes/No or OK/Cancel question, known by its title, and the user's answer.
    void responder(const QString& titulo, Respuesta respuesta)
    {
        preguntas_.push_back({titulo, respuesta});
    }
    // What the user types into the next input box; nothing is Cancel.
    void contestar(std::optional<QString> texto) { textos_.push_back(std::move(texto)); }
    void elegirCarpeta(const QString& carpeta) { carpetas_.push_back(carpeta); }

    // The texts of the messages shown since the last call.
    QStringList mensajesNuevos()
    {
        QStringList t;
        for (; leidos_ < mensajes.size(); ++leidos_) t << mensajes[leidos_].texto;
        return t;
    }
    // What the test prepared and the program never asked for.
    QStringList sinUsar() const
    {
        QStringList t;
        for (const auto& v : ventanas_) t << QStringLiteral("ventana ") + v.nombre;
        for (const auto& p : preguntas_) t << QStringLiteral("pregunta ") + p.first;
        for (const auto& x : textos_) t << QStringLiteral("caja ") + x.value_or(QStringLiteral("(cancelar)"));
        for (const QString& c : carpetas_) t << QStringLiteral("carpeta ") + c;
        return t;
    }

    std::vector<Mensaje> mensajes;
    QStringList abiertosConEscritorio;

    Respuesta mostrar(const Mensaje& mensaje) override
    {
        mensajes.push_back(mensaje);
        if (mensaje.botones == Botones::Aceptar) return Respuesta::Aceptar;
        if (preguntas_.empty()) {
            ADD_FAILURE() << "pregunta inesperada: " << mensaje.titulo.toStdString() << " / "
                          << mensaje.texto.toStdString();
            return mensaje.porDefecto;
        }
        const auto [titulo, respuesta] = preguntas_.front();
        preguntas_.pop_front();
        EXPECT_EQ(mensaje.titulo, titulo) << mensaje.texto.toStdString();
        return respuesta;
    }

    std::optional<QString> pedirTexto(const QString& texto, const QString& titulo,
                                      const QString&) override
    {
        mensajes.push_back({texto, titulo, Icono::Ninguno, Botones::AceptarCancelar});
        if (textos_.empty()) {
            ADD_FAILURE() << "caja de texto inesperada: " << titulo.toStdString();
            return std::nullopt;
        }
        auto respuesta = textos_.front();
        textos_.pop_front();
        return respuesta;
    }

    QString elegirArchivo(const QString& titulo, const QString&, const QString&) override
    {
        ADD_FAILURE() << "selector de archivo inesperado: " << titulo.toStdString();
        return {};
    }

    QString elegirCarpeta(const QString& titulo, const QString&) override
    {
        if (carpetas_.empty()) {
            ADD_FAILURE() << "selector de carpeta inesperado: " << titulo.toStdString();
            return {};
        }
        const QString carpeta = carpetas_.front();
        carpetas_.pop_front();
        return carpeta;
    }

    int abrirModal(QDialog& ventana) override
    {
        const QString nombre = ventana.objectName().isEmpty()
                                   ? QString::fromLatin1(ventana.metaObject()->className())
                                   : ventana.objectName();
        if (ventanas_.empty()) {
            ADD_FAILURE() << "ventana inesperada: " << nombre.toStdString();
            return 0;
        }
        const Esperada esperada = std::move(ventanas_.front());
        ventanas_.pop_front();
        EXPECT_EQ(nombre, esperada.nombre);
        // A modal window is shown while the user works in it. The preview is not: what the user
        // does there is print, which the action does on the printer it chooses.
        if (!qobject_cast<VistaPrevia*>(&ventana)) ventana.show();
        esperada.accion(ventana);
        EXPECT_FALSE(ventana.isVisible()) << nombre.toStdString() << " quedó abierta";
        ventana.hide();
        return ventana.result();
    }

    void abrirConEscritorio(const QString& ruta, const Mensaje&) override
    {
        abiertosConEscritorio << ruta;
    }

private:
    struct Esperada {
        QString nombre;
        Accion accion;
    };
    std::deque<Esperada> ventanas_;
    std::deque<std::pair<QString, Respuesta>> preguntas_;
    std::deque<std::optional<QString>> textos_;
    std::deque<QString> carpetas_;
    std::size_t leidos_ = 0;
};
