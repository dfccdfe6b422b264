#pragma once
// The one state of every form that browses rows and edits one: browsing (the grid live, the frame
// locked), or editing a new row or an existing one (the frame live, the grid and the other actions
// locked). Each form captions its frame for the state in its own words.

enum class Edicion { Navegando, Agregando, Modificando };
