#include "reports/reporte.h"

#include <QRegularExpression>

void CatalogoReportes::agregar(const QString& archivo, Fabrica fabrica)
{
    fabricas_[clave(archivo)] = std::move(fabrica);
}

std::unique_ptr<Reporte> CatalogoReportes::crear(const QString& archivo) const
{
    const auto it = fabricas_.find(clave(archivo));
    if (it == fabricas_.end()) return nullptr;
    return it->second();
}

QString CatalogoReportes::clave(const QString& archivo)
{
    static const QRegularExpression separadores(QStringLiteral("[\\\\/]"));
    return archivo.section(separadores, -1).trimmed().toLower();
}
