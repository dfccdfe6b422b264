#include "support/disco_lleno.h"

#include <sqlite3.h>

#include <cstring>

namespace {

sqlite3_vfs* original = nullptr;
sqlite3_vfs envoltura{};
bool estaLleno = false;
int cuentaRechazadas = 0;

struct Archivo {
    sqlite3_file base;
    sqlite3_file* real;  // the original VFS's file, placed right after this struct
};

sqlite3_file* real(sqlite3_file* f)
{
    return reinterpret_cast<Archivo*>(f)->real;
}

int cerrar(sqlite3_file* f) { return real(f)->pMethods->xClose(real(f)); }
int leer(sqlite3_file* f, void* b, int n, sqlite3_int64 o)
{
    return real(f)->pMethods->xRead(real(f), b, n, o);
}
int escribir(sqlite3_file* f, const void* b, int n, sqlite3_int64 o)
{
    if (estaLleno) {
        ++cuentaRechazadas;
        return SQLITE_FULL;
    }
    return real(f)->pMethods->xWrite(real(f), b, n, o);
}
int truncar(sqlite3_file* f, sqlite3_int64 n) { return real(f)->pMethods->xTruncate(real(f), n); }
int sincronizar(sqlite3_file* f, int s) { return real(f)->pMethods->xSync(real(f), s); }
int tamanio(sqlite3_file* f, sqlite3_int64* n) { return real(f)->pMethods->xFileSize(real(f), n); }
int bloquear(sqlite3_file* f, int n) { return real(f)->pMethods->xLock(real(f), n); }
int desbloquear(sqlite3_file* f, int n) { return real(f)->pMethods->xUnlock(real(f), n); }
int reservado(sqlite3_file* f, int* r)
{
    return real(f)->pMethods->xCheckReservedLock(real(f), r);
}
int control(sqlite3_file* f, int op, void* a) { return real(f)->pMethods->xFileControl(real(f), op, a); }
int sector(sqlite3_file* f) { return real(f)->pMethods->xSectorSize(real(f)); }
int caracteristicas(sqlite3_file* f) { return real(f)->pMethods->xDeviceCharacteristics(real(f)); }
int shmMap(sqlite3_file* f, int i, int t, int e, void volatile** p)
{
    return real(f)->pMethods->xShmMap(real(f), i, t, e, p);
}
int shmLock(sqlite3_file* f, int o, int n, int fl) { return real(f)->pMethods->xShmLock(real(f), o, n, fl); }
void shmBarrier(sqlite3_file* f) { real(f)->pMethods->xShmBarrier(real(f)); }
int shmUnmap(sqlite3_file* f, int d) { return real(f)->pMethods->xShmUnmap(real(f), d); }

const sqlite3_io_methods kMetodos = {
    2,      cerrar, leer,   escribir, truncar,         sincronizar,     tamanio,  bloquear,
    desbloquear, reservado, control, sector, caracteristicas, shmMap, shmLock, shmBarrier,
    shmUnmap, nullptr, nullptr,
};

int abrir(sqlite3_vfs*, sqlite3_filename nombre, sqlite3_file* f, int flags, int* salida)
{
    auto* archivo = reinterpret_cast<Archivo*>(f);
    archivo->real = reinterpret_cast<sqlite3_file*>(archivo + 1);
    archivo->base.pMethods = nullptr;
    const int rc = original->xOpen(original, nombre, archivo->real, flags, salida);
    if (archivo->real->pMethods) archivo->base.pMethods = &kMetodos;
    return rc;
}

} // namespace

DiscoLleno::DiscoLleno()
{
    original = sqlite3_vfs_find(nullptr);
    envoltura = *original;
    envoltura.zName = "disco-lleno";
    envoltura.szOsFile = int(sizeof(Archivo)) + original->szOsFile;
    envoltura.xOpen = abrir;
    sqlite3_vfs_register(&envoltura, 1);
    estaLleno = false;
    cuentaRechazadas = 0;
}

DiscoLleno::~DiscoLleno()
{
    sqlite3_vfs_unregister(&envoltura);
    sqlite3_vfs_register(original, 1);
}

void DiscoLleno::lleno() { estaLleno = true; }
void DiscoLleno::vacio() { estaLleno = false; }
int DiscoLleno::rechazadas() const { return cuentaRechazadas; }
