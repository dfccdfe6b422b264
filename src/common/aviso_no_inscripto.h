#pragma once
// The warning shown before a withholding is made to a subject who is not registered for the tax
// (subject numbers of jurisdiction "950"): the agent must keep the subject's registration
// certificate. The entry goes on either way.

#include <QString>

class Dialogs;

// Always true; shows the warning when the subject number begins with "950".
bool avisoNoInscripto(Dialogs& dialogos, const QString& nroContrib);
