// Qt's own dialogs in the program's language: under the C locale a fresh machine leaves, the file
// chooser says "Carpeta" and writes dates and sizes as in Argentina, not "Folder" and "11 Dec", and
// the print dialog offers "Páginas".

#include "platform/locale_numeros.h"
#include "platform/lista_archivos.h"
#include "platform/qt_dialogs.h"
#include "platform/traduccion_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

// What the chooser of a process started as the program starts shows for `carpeta`, which holds
// the folder "sub" and the file "a.txt": one "KEY value" line each.
QString selectorDelHijo(const QProcessEnvironment& entorno, const QString& carpeta)
{
    QProcess hijo;
    QProcessEnvironment e = entorno;
    e.insert(QStringLiteral("TARQUEL_PRUEBA_SELECTOR"), carpeta);
    hijo.setProcessEnvironment(e);
    hijo.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--gtest_filter=IdiomaPrograma.ConLocaleCElSelectorEnCastellano")});
    hijo.waitForFinished(60000);
    return QString::fromUtf8(hijo.readAllStandardOutput());
}

std::string valor(const QString& salida, const char* clave)
{
    const QString prefijo = QString::fromLatin1(clave) + u' ';
    for (const QString& linea : salida.split(u'\n'))
        if (linea.startsWith(prefijo)) return linea.mid(prefijo.size()).toStdString();
    return "(falta " + std::string(clave) + " en: " + salida.toStdString() + ")";
}

// The started process: the locale and translations as the program's start leaves them.
void mostrarSelector(const QString& carpeta)
{
    QLocale::setDefault(QLocale::system());
    fijarLocaleDeNumeros();
    instalarTraduccionQt();
    QFileDialog selector(nullptr, QStringLiteral("Importar Desde..."), carpeta);
    prepararSelector(selector);
    auto* lista = selector.findChild<ListaArchivos*>();
    ASSERT_TRUE(lista);
    auto* archivos = qobject_cast<QFileSystemModel*>(lista->sourceModel());
    ASSERT_TRUE(archivos);
    auto fila = [&](const char* nombre, int columna) {
        return lista->mapFromSource(archivos->index(QDir(carpeta).filePath(QString::fromLatin1(nombre))))
            .siblingAtColumn(columna);
    };
    QElapsedTimer reloj;
    reloj.start();
    while ((fila("sub", 2).data().toString().isEmpty() || fila("a.txt", 3).data().toString().isEmpty())
           && reloj.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QTextStream(stdout) << "LOCALE " << QLocale().name() << "\nTIPO " << fila("sub", 2).data().toString()
                        << "\nFECHA " << fila("a.txt", 3).data().toString() << "\nTAMANIO "
                        << fila("a.txt", 1).data().toString() << "\nABRIR "
                        << QCoreApplication::translate("QFileDialog", "&Open") << "\nPAGINAS "
                        << QCoreApplication::translate("QPrintSettingsOutput", "Pages") << '\n';
}

TEST(IdiomaPrograma, ConLocaleCElSelectorEnCastellano)
{
    const QString carpetaHijo = qEnvironmentVariable("TARQUEL_PRUEBA_SELECTOR");
    if (!carpetaHijo.isEmpty()) return mostrarSelector(carpetaHijo);

    QTemporaryDir carpeta;
    ASSERT_TRUE(QDir(carpeta.path()).mkdir(QStringLiteral("sub")));
    QFile archivo(carpeta.filePath(QStringLiteral("a.txt")));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write(QByteArray(1536, 'x'));
    archivo.flush();
    ASSERT_TRUE(archivo.setFileTime(QDateTime(QDate(2026, 12, 11), QTime(10, 58)),
                                    QFileDevice::FileModificationTime));
    archivo.close();

    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LC_TIME", "LC_MESSAGES", "LANG", "LANGUAGE"})
        entorno.remove(QString::fromLatin1(variable));
    for (const char* c : {"C", "POSIX"}) {
        SCOPED_TRACE(c);
        entorno.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(c));
        const QString salida = selectorDelHijo(entorno, carpeta.path());
        EXPECT_EQ(valor(salida, "LOCALE"), "es_AR");
        EXPECT_EQ(valor(salida, "TIPO"), "Carpeta");
        EXPECT_EQ(valor(salida, "FECHA"), "11/12/26 10:58");
        EXPECT_EQ(valor(salida, "TAMANIO"), "1,50 KiB");
        EXPECT_EQ(valor(salida, "ABRIR"), "&Abrir");
        EXPECT_EQ(valor(salida, "PAGINAS"), "Páginas");
    }
}

// Without Qt's catalogue (the package left out) the texts it lacks are Spanish all the same.
TEST(IdiomaPrograma, SinCatalogoLasPalabrasQueLeFaltan)
{
    QTemporaryDir vacia;
    TraduccionQt traduccion(nullptr, vacia.path());
    EXPECT_FALSE(traduccion.conCatalogo());
    EXPECT_EQ(traduccion.translate("QAbstractFileIconProvider", "Folder", nullptr, -1),
              QStringLiteral("Carpeta"));
    EXPECT_EQ(traduccion.translate("QPrintSettingsOutput", "Pages", nullptr, -1),
              QStringLiteral("Páginas"));
    // A short word only in its own context.
    EXPECT_TRUE(traduccion.translate("QPrintDialog", "Pages", nullptr, -1).isEmpty());
    EXPECT_TRUE(traduccion.translate("QFileDialog", "&Open", nullptr, -1).isEmpty());
    EXPECT_TRUE(TraduccionQt().conCatalogo()) << "falta qt6-translations-l10n";
}

} // namespace
