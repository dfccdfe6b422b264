#pragma once
// Which menu items are enabled and shown: a function of the working environment alone, computed
// anew every time the main window becomes active.

#include <QString>
#include <map>
#include <optional>

class Entorno;

// What the menus depend on: which values of the environment are active, and the regime's code.
struct EntornoMenus {
    bool agente = false;
    bool sucursal = false;
    std::optional<QString> regimen;  // Cod_Regimen of the active regime
    bool cabecera = false;
};

struct EstadoItem {
    bool habilitado = true;
    bool visible = true;
    friend bool operator==(const EstadoItem&, const EstadoItem&) = default;
};

// Every menu and item of the tree, by name.
using EstadoMenus = std::map<QString, EstadoItem>;

EstadoMenus estadoMenus(const EntornoMenus& entorno);

EntornoMenus entornoMenus(const Entorno& entorno);
