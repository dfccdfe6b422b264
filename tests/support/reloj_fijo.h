#pragma once
// A clock stopped at a given day and time, so each test decides what "today" is.

#include "platform/reloj.h"

struct RelojFijo final : Reloj {
    RelojFijo() = default;
    explicit RelojFijo(QDate d, QTime h = QTime(10, 30)) : dia(d), hora(h) {}

    QDate dia{2024, 5, 10};
    QTime hora{10, 30};

    QDate hoy() const override { return dia; }
    QTime ahora() const override { return hora; }
};
