#pragma once
// The purge of the subjects that no withholding or perception names.

class BaseDatos;

// Deletes, in one transaction, every subject that no row of Retenciones names (annulled rows count
// as use); answers how many were deleted. Throws ErrorMotor and deletes nothing on failure.
int eliminarSujetos(BaseDatos& base);
