#include "shell/compactacion.h"

#include "database/base_datos.h"
#include "database/entorno.h"

#include <QFileInfo>

ResultadoCompactacion compactarBase(Arranque& arranque, Entorno& entorno)
{
    BaseDatos& base = entorno.baseDatos();
    const QString ruta = arranque.rutaBase();
    const ContenidoEntornoMem activo = arranque.entornoActivo();

    ResultadoCompactacion resultado;
    resultado.tamanioAnterior = QFileInfo(ruta).size();
    try {
        base.ejecutar(QStringLiteral("VACUUM"));
    } catch (const ErrorMotor& error) {
        // The engine undid whatever it had begun: the file is as it was and stays open.
        resultado.error = error;
        return resultado;
    }
    resultado.tamanioCompactada = QFileInfo(ruta).size();
    resultado.compactada = true;

    base.cerrar();
    resultado.fin = arranque.cargarEntorno(activo);
    return resultado;
}
