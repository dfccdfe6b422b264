#pragma once
// The agency's names, addresses and contact lines, shown by the about box and the update notice.

#include <QString>

namespace organismo {
inline const QString Nombre = QStringLiteral("Orvalen");
inline const QString Division = QStringLiteral("Orvalen, División Impuesto sobre los Ingresos Brutos");
inline const QString Ministerio = QStringLiteral("Ministerio de Economía de la Provincia de Tresvalle");
inline const QString Gobierno = QStringLiteral("Gobierno de la Provincia de Tresvalle");
inline const QString Derechos = QStringLiteral("© Orvalen. Todos los derechos reservados.");
inline const QString Plataforma = QStringLiteral("Linux");
// The page where new versions are published, and the system's page on the agency's site.
inline const QString PaginaActualizaciones =
    QStringLiteral("https://www.orvalen.example/tarquel/actualizaciones");
inline const QString PaginaSistema = QStringLiteral("https://www.orvalen.example/tarquel");
inline const QString Telefono =
    QStringLiteral("Teléfono: (0800) 555-0142, de lunes a viernes de 8 a 14 horas");
inline const QString Correo = QStringLiteral("Correo electrónico: tarquel@orvalen.example");
} // namespace organismo
