#pragma once
// Where a document the user saves (a report as PDF) is proposed: the user's documents folder as
// the desktop names it (XDG_DOCUMENTS_DIR in ~/.config/user-dirs.dirs, usually ~/Documentos),
// else the home folder when that folder does not exist. Never the program's data folder, which
// is hidden and holds what only the program should touch.

#include <QString>

QString carpetaDocumentos();
