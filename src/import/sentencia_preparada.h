#pragma once
// A statement the import prepares once and runs for every line, with new values each time: a
// declaration of many thousand lines must not pay for compiling its statements on each one.
// Failures are thrown as ErrorMotor with the program's error numbers, as BaseDatos throws them.

#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <initializer_list>

class BaseDatos;

class SentenciaPreparada {
public:
    SentenciaPreparada(BaseDatos& base, const QString& sql);

    // Runs it with `valores` bound in order.
    void ejecutar(std::initializer_list<QVariant> valores);
    // The next row of the last run; false at the end.
    bool siguiente();
    QVariant valor(int columna) const { return consulta_.value(columna); }
    // Runs it and answers whether it gives a row; the first column of that row in `primero`.
    bool hay(std::initializer_list<QVariant> valores, QVariant* primero = nullptr);
    // Rows changed by the last run.
    int cambiadas() const { return consulta_.numRowsAffected(); }

private:
    [[noreturn]] void fallar() const;

    BaseDatos& base_;
    QSqlQuery consulta_;
};
