#pragma once
// The one place that knows which form each menu item opens. An item stays disabled until its line
// here gives it an opener.

struct Contexto;
class frmPrincipal;

void conectarFormularios(frmPrincipal& ventana, Contexto& contexto);
