#pragma once

#include <QString>

// "1.0.0": the program's major, minor and revision numbers, as the caption shows them.
inline QString versionPrograma()
{
    return QStringLiteral("%1.%2.%3")
        .arg(TARQUEL_VERSION_MAJOR)
        .arg(TARQUEL_VERSION_MINOR)
        .arg(TARQUEL_VERSION_PATCH);
}
