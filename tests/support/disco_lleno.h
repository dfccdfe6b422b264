#pragma once
// A disk that fills up on request. While a DiscoLleno object lives, every database connection
// opened afterwards writes through it; once lleno() is set, every write of the engine (database,
// journal) fails as a full disk does, until vacio() is called.

class DiscoLleno {
public:
    DiscoLleno();
    ~DiscoLleno();
    DiscoLleno(const DiscoLleno&) = delete;
    DiscoLleno& operator=(const DiscoLleno&) = delete;

    void lleno();
    void vacio();
    // The writes refused since lleno().
    int rechazadas() const;
};
