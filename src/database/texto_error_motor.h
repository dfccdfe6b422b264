#pragma once
// The engine's result codes said in Spanish. SQLite's own texts ("disk I/O error", "database is
// locked") are English whatever the session's language, while every message of the program is in
// Spanish: every message that reports a failure of the engine takes its words from here.

#include <QString>

// The words for an SQLite result code, extended ("SQLITE_IOERR_FSYNC") or primary ("SQLITE_IOERR");
// an extended code this table does not know is said as its primary one.
QString textoErrorMotor(int codigo);
