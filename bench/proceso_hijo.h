#pragma once
// Peak memory is measured in a child process, this same executable run in one of its child modes,
// so that what the benchmarks already hold does not count.

#include <QStringList>

// Runs this executable with `argumentos` and answers the child's peak resident memory in
// megabytes, as it reported it with informarPicoMemoria(). Throws std::runtime_error when it
// cannot run or does not end well.
double picoMemoriaHijo(const QStringList& argumentos);

// In the child: writes its own peak resident memory (VmHWM) on standard output.
void informarPicoMemoria();
