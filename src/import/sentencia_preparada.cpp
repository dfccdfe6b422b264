#include "import/sentencia_preparada.h"

#include "database/base_datos.h"

#include <QSqlError>

SentenciaPreparada::SentenciaPreparada(BaseDatos& base, const QString& sql)
    : base_(base), consulta_(base.conexion())
{
    consulta_.setForwardOnly(true);
    if (!consulta_.prepare(sql)) fallar();
}

void SentenciaPreparada::fallar() const
{
    throw traducirError(consulta_.lastError(), base_.ruta());
}

void SentenciaPreparada::ejecutar(std::initializer_list<QVariant> valores)
{
    int i = 0;
    for (const QVariant& v : valores) consulta_.bindValue(i++, v);
    if (!consulta_.exec()) fallar();
}

bool SentenciaPreparada::siguiente()
{
    if (consulta_.next()) return true;
    if (consulta_.lastError().isValid()) fallar();
    return false;
}

bool SentenciaPreparada::hay(std::initializer_list<QVariant> valores, QVariant* primero)
{
    ejecutar(valores);
    const bool fila = siguiente();
    if (fila && primero) *primero = consulta_.value(0);
    consulta_.finish();
    return fila;
}
