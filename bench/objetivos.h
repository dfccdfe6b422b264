#pragma once
// The goals measured on the large database. Each one registers its benchmarks, adds its lines to
// the table from the medians, and prints where its time goes inside the engine.
//
// They call the program's public entry points (forms, emission, start-up); a name that moves to
// another folder is a one-line change here.

#include "resultados_bench.h"

#include <QStringList>
#include <vector>

struct Objetivo {
    void (*registrar)(int repeticiones);
    void (*informar)(const Medianas& medianas, std::vector<FilaObjetivo>& tabla);
    void (*perfilar)();
};

namespace objetivo_arranque {
void registrar(int repeticiones);
void informar(const Medianas& medianas, std::vector<FilaObjetivo>& tabla);
void perfilar();
// The child process of one start: <folder>. It ends as soon as the main window is shown.
int hijo(const QStringList& argumentos);
} // namespace objetivo_arranque

namespace objetivo_archivo {
void registrar(int repeticiones);
void informar(const Medianas& medianas, std::vector<FilaObjetivo>& tabla);
void perfilar();
// The child process that builds one month's file, for its peak memory: <folder> <IdCabecera>.
int hijo(const QStringList& argumentos);
} // namespace objetivo_archivo

namespace objetivo_grillas {
void registrar(int repeticiones);
void informar(const Medianas& medianas, std::vector<FilaObjetivo>& tabla);
void perfilar();
} // namespace objetivo_grillas

namespace objetivo_consultas {
void registrar(int repeticiones);
void informar(const Medianas& medianas, std::vector<FilaObjetivo>& tabla);
void perfilar();
} // namespace objetivo_consultas

namespace objetivo_importacion {
void registrar(int repeticiones);
void informar(const Medianas& medianas, std::vector<FilaObjetivo>& tabla);
void perfilar();
// The child process that imports one file, for its peak memory: <folder> <file>.
int hijo(const QStringList& argumentos);
} // namespace objetivo_importacion

namespace objetivo_impresion {
void registrar(int repeticiones);
void informar(const Medianas& medianas, std::vector<FilaObjetivo>& tabla);
void perfilar();
// The child process of one print, for its peak memory: <pdf|vista> <folder> <IdCabecera>. The
// preview is shown, then gone through to its last page.
int hijo(const QStringList& argumentos);
} // namespace objetivo_impresion

namespace objetivo_boleta {
void registrar(int repeticiones);
void informar(const Medianas& medianas, std::vector<FilaObjetivo>& tabla);
void perfilar();
// The child process that prints one month's payment slip, for its time and peak memory:
// <folder> <IdCabecera>.
int hijo(const QStringList& argumentos);
} // namespace objetivo_boleta

inline const std::vector<Objetivo>& objetivos()
{
    static const std::vector<Objetivo> todos = {
        {objetivo_arranque::registrar, objetivo_arranque::informar, objetivo_arranque::perfilar},
        {objetivo_archivo::registrar, objetivo_archivo::informar, objetivo_archivo::perfilar},
        {objetivo_grillas::registrar, objetivo_grillas::informar, objetivo_grillas::perfilar},
        {objetivo_consultas::registrar, objetivo_consultas::informar, objetivo_consultas::perfilar},
        {objetivo_importacion::registrar, objetivo_importacion::informar,
         objetivo_importacion::perfilar},
        {objetivo_impresion::registrar, objetivo_impresion::informar, objetivo_impresion::perfilar},
        {objetivo_boleta::registrar, objetivo_boleta::informar, objetivo_boleta::perfilar},
    };
    return todos;
}
