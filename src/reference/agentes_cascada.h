#pragma once
// The rows that go with an agent: the branch "0000" every new agent gets, and what its deletion
// takes along. An agent may be deleted only while it has issued nothing: no branch, or one branch
// that never numbered a receipt; then its branch and its declarations go with it. Nothing is
// deleted that the agent's work left in a declaration (receipts and their details, shifts and
// their stamp counts, fines, interventions): while such rows exist the agent stays.

#include <QString>

class BaseDatos;

inline const QString kSucursalInicial = QStringLiteral("0000");
inline const QString kSinComprobantes = QStringLiteral("00000000");

// The new agent's branch "0000", with the agent's address and locality trimmed.
void crearSucursalInicial(BaseDatos& base, const QString& nroAgente, const QString& domicilio,
                          const QString& localidad);

// More than one branch, or one that has issued a receipt.
bool tieneSucursalesEnUso(BaseDatos& base, const QString& nroAgente);
// A row of work recorded in any of the agent's declarations.
bool tieneMovimientos(BaseDatos& base, const QString& nroAgente);

// Deletes the agent, its branches and its declarations in one transaction, with the detail rows
// that an abandoned receipt left unnumbered in those declarations.
void borrarAgente(BaseDatos& base, const QString& nroAgente);
