#pragma once
// The system's reason for a failed file operation, said in Spanish. The C library's own text
// (strerror) and Qt's (QFile::errorString) follow the session's language, which under a C or POSIX
// locale is English, while every message of the program is in Spanish: every message that reports
// a failure of the system takes its words from here.

#include <QString>

// The reason for the error number `numero` (errno), for instance "permiso denegado". A number this
// table does not know is said as "error del sistema (<n>)".
QString textoErrorSistema(int numero);
