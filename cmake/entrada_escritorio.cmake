# Run by `cmake --install` (and by cpack): installs the desktop menu entry naming the installed
# executable by its full path, so the menu starts it even when the prefix's bin folder is not on
# PATH (a new ~/.local/bin joins PATH only at the next login, and only if it existed then).
# The install rules set TARQUEL_ENTRADA (the entry as shipped, with "Exec=tarquel"), TARQUEL_BINDIR
# and TARQUEL_APLICACIONES (relative to the prefix) and TARQUEL_TEMPORAL (the build folder).

set(programa "${CMAKE_INSTALL_PREFIX}/${TARQUEL_BINDIR}/tarquel")
# A path with a blank or another character the entry's format reserves goes in double quotes, with
# the quoted text's escapes; then every backslash is doubled, as in every text value of the entry.
if(programa MATCHES "[^-A-Za-z0-9_./+]")
  string(REPLACE "\\" "\\\\" programa "${programa}")
  foreach(caracter "\"" "`" "$")
    string(REPLACE "${caracter}" "\\${caracter}" programa "${programa}")
  endforeach()
  set(programa "\"${programa}\"")
  string(REPLACE "\\" "\\\\" programa "${programa}")
endif()
string(REPLACE "%" "%%" programa "${programa}")

file(READ "${TARQUEL_ENTRADA}" entrada)
string(FIND "${entrada}" "\nExec=tarquel\n" lugar)
if(lugar EQUAL -1)
  message(FATAL_ERROR "${TARQUEL_ENTRADA} no tiene la línea Exec=tarquel")
endif()
string(REPLACE "\nExec=tarquel\n" "\nExec=${programa}\n" entrada "${entrada}")
# Made in a folder of this install's own: two installs at once (the package's and a user's) never
# take each other's entry.
string(MD5 instalacion "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(hecha "${TARQUEL_TEMPORAL}/entrada-${instalacion}/tarquel.desktop")
file(WRITE "${hecha}" "${entrada}")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${TARQUEL_APLICACIONES}" TYPE FILE
     FILES "${hecha}")
