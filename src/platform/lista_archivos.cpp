#include "platform/lista_archivos.h"

#include <QFileSystemModel>
#include <QLocale>

namespace {

// The columns of QFileSystemModel.
constexpr int kColumnaTamanio = 1;
constexpr int kColumnaFecha = 3;

} // namespace

QVariant ListaArchivos::data(const QModelIndex& indice, int rol) const
{
    const auto* archivos = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (rol != Qt::DisplayRole || !archivos || !indice.isValid())
        return QIdentityProxyModel::data(indice, rol);
    const QModelIndex origen = mapToSource(indice);
    switch (indice.column()) {
    case kColumnaTamanio:
        // A folder shows no size, as in Qt's list.
        if (archivos->isDir(origen)) break;
        return QLocale().formattedDataSize(archivos->size(origen));
    case kColumnaFecha:
        return QLocale().toString(archivos->lastModified(origen), QLocale::ShortFormat);
    }
    return QIdentityProxyModel::data(indice, rol);
}
