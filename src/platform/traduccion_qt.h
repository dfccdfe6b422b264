#pragma once
// Qt's own texts (the file choosers, the print dialogs, the standard buttons) in Spanish like the
// rest of the program, whatever the system's language: the Spanish catalogue Qt ships (Debian's
// qt6-translations-l10n), and the few texts it lacks for this Qt version (the file chooser's
// "Folder", the print dialog's "Pages").

#include <QTranslator>

class TraduccionQt final : public QTranslator {
public:
    // Loads the catalogue from `carpeta` (Qt's translations folder by default). Without it only
    // the words below are Spanish.
    explicit TraduccionQt(QObject* parent = nullptr, const QString& carpeta = {});

    // Whether Qt's catalogue was found.
    bool conCatalogo() const { return conCatalogo_; }

    QString translate(const char* contexto, const char* texto, const char* desambiguacion,
                      int n) const override;
    bool isEmpty() const override { return false; }

private:
    bool conCatalogo_ = false;
};

// Installs it in the running application, which owns it.
void instalarTraduccionQt();
