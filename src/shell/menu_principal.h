#pragma once
// The main window's menu tree as data, in display order: names, captions with their accelerators,
// and what the commands that open other forms need to know (the mode of the declarations form,
// the class of the goods-types form).

#include "declarations/modos_cabeceras.h"

#include <QString>
#include <optional>
#include <vector>

struct DefItemMenu {
    QString nombre;
    QString titulo;  // "-" for a separator
    bool esSeparador() const { return titulo == QLatin1String("-"); }
};

struct DefMenu {
    QString nombre;
    QString titulo;
    std::vector<DefItemMenu> items;
};

const std::vector<DefMenu>& arbolMenus();

// The items whose command the main window carries out itself (the rest open another form).
bool esComandoPropio(const QString& item);

// The mode the declarations form opens in, for the five items that open it; none for any other
// item.
std::optional<ModoCabeceras> modoCabeceras(const QString& item);

// The class the goods-types form is set to by "&Ganado" (1), "&Cereales" (2) and "Alimentos" (3);
// 0 for any other item.
int claseTipos(const QString& item);
