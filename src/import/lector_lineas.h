#pragma once
// Reading an import file line by line. The agents' systems write Windows-1252 text; a line ends at
// CR LF, at a CR alone or at a LF alone, so a file written on any system reads the same. Each line
// is taken without its leading and trailing blanks (spaces only), and positions count from 1 on
// what is left.
//
// No record reads past its first 104 characters, so only the beginning of a line is kept: a line
// of any length costs the same small memory.

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;

struct LineaImportada {
    static constexpr qsizetype kRetenidos = 512;

    QString texto;         // the trimmed line, or its first kRetenidos characters when longer
    qint64 largo = 0;      // characters of the trimmed line
    QChar ultimo;          // its last character (a null character for an empty line)
    bool cortada = false;  // the reader stopped before its end (a reader with a limit)

    QChar primero() const { return texto.isEmpty() ? QChar() : texto.front(); }
    // `cuantos` characters from `posicion` (counted from 1); fewer, or none, past the end.
    QString campo(qsizetype posicion, qsizetype cuantos) const
    {
        return texto.mid(posicion - 1, cuantos);
    }
    // First letter `letra`, last character "*".
    bool empiezaYTermina(QChar letra) const
    {
        return primero() == letra && ultimo == QLatin1Char('*');
    }

    // A line of text as the reader would give it (for tests and the fuzz targets).
    static LineaImportada de(const QByteArray& bytes);
};

class LectorLineas {
public:
    // With `tope` above 0, no line is read beyond its first `tope` bytes: a longer one comes back
    // cut (`cortada`) and the reader stops there.
    explicit LectorLineas(QIODevice& origen, qint64 tope = 0);

    // The next line; nothing at the end of the input. Throws ErrorMotor, with the device's
    // errorString(), when the device fails.
    std::optional<LineaImportada> siguiente();
    // Bytes consumed so far, for the progress of a run.
    qint64 bytesLeidos() const { return leidos_; }

private:
    bool llenar();

    QIODevice& origen_;
    qint64 tope_;
    QByteArray bloque_;
    qsizetype pos_ = 0;
    qint64 leidos_ = 0;
    bool saltarLf_ = false;  // the last line ended at a CR: a LF next is part of that end
    bool fin_ = false;
};
