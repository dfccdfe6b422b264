#pragma once
// Today's date and the time of day, behind a port so that tests can set them.

#include <QDate>
#include <QTime>

class Reloj {
public:
    virtual ~Reloj() = default;
    virtual QDate hoy() const = 0;
    virtual QTime ahora() const = 0;
};

class RelojSistema final : public Reloj {
public:
    QDate hoy() const override { return QDate::currentDate(); }
    QTime ahora() const override { return QTime::currentTime(); }
};
