#pragma once
// The list of a file chooser as the program writes dates and numbers: Qt's own list shows the
// modification date and the size in the system's locale, which is English where the system sets
// none ("11 Dec 2026"), while the program's locale is then Spanish (Argentina).

#include <QIdentityProxyModel>

class ListaArchivos final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    // Over a QFileSystemModel: the size and date columns in the default locale; the rest as Qt
    // shows it.
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
};
