#pragma once
// The system's reason for a failed file operation, said in Spanish: the system's own text follows
// the session's language, which on many machines is English, while every message of the program
// is in Spanish.

#include <QString>

// The reason for the error number `numero` (errno), for instance "permiso denegado".
QString textoErrorSistema(int numero);
