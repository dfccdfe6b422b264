#pragma once
// A seeded generator that gives the same numbers on every machine and compiler (the standard
// library's distributions do not promise that), so a database generated twice is the same file.

#include <QtGlobal>
#include <cmath>
#include <initializer_list>

class Aleatorio {
public:
    explicit Aleatorio(quint64 semilla) : estado_(semilla) {}

    // An independent stream for one part of the data: adding a part never shifts the others.
    Aleatorio derivado(const char* nombre) const
    {
        quint64 h = estado_;
        for (const char* c = nombre; *c; ++c) h = (h ^ quint64(uchar(*c))) * 0x100000001b3ULL;
        return Aleatorio(h);
    }

    // splitmix64
    quint64 siguiente()
    {
        quint64 z = (estado_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    // In [0, 1).
    double real() { return double(siguiente() >> 11) * (1.0 / 9007199254740992.0); }
    // In [desde, hasta].
    qint64 entre(qint64 desde, qint64 hasta)
    {
        return desde + qint64(siguiente() % quint64(hasta - desde + 1));
    }
    bool probabilidad(double p) { return real() < p; }

    template <class T>
    const T& uno(std::initializer_list<T> opciones)
    {
        return opciones.begin()[entre(0, qint64(opciones.size()) - 1)];
    }
    template <class Lista>
    const auto& deLista(const Lista& lista)
    {
        return lista[std::size_t(entre(0, qint64(std::size(lista)) - 1))];
    }

private:
    quint64 estado_;
};
