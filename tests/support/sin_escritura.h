#pragma once
// Makes a file or a folder impossible to write for this process while the object lives: by its
// permissions, or, for the superuser whom permissions do not stop, by the file system's immutable
// flag. funciona() is false where neither can be done here.

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

class SinEscritura {
public:
    explicit SinEscritura(const QString& ruta) : ruta_(QFile::encodeName(ruta))
    {
        struct stat datos {};
        if (::stat(ruta_.constData(), &datos) != 0) return;
        modo_ = datos.st_mode & 07777;
        if (::geteuid() != 0) {
            ::chmod(ruta_.constData(), modo_ & ~mode_t(0222));
        } else {
            const int fd = ::open(ruta_.constData(), O_RDONLY | O_NONBLOCK);
            if (fd >= 0) {
                int banderas = 0;
                if (::ioctl(fd, FS_IOC_GETFLAGS, &banderas) == 0) {
                    banderas |= FS_IMMUTABLE_FL;
                    inmutable_ = ::ioctl(fd, FS_IOC_SETFLAGS, &banderas) == 0;
                }
                ::close(fd);
            }
        }
        funciona_ = ::access(ruta_.constData(), W_OK) != 0;
    }
    ~SinEscritura()
    {
        if (inmutable_) {
            const int fd = ::open(ruta_.constData(), O_RDONLY | O_NONBLOCK);
            int banderas = 0;
            if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &banderas) == 0) {
                banderas &= ~FS_IMMUTABLE_FL;
                ::ioctl(fd, FS_IOC_SETFLAGS, &banderas);
            }
            if (fd >= 0) ::close(fd);
        } else if (modo_) {
            ::chmod(ruta_.constData(), modo_);
        }
    }
    SinEscritura(const SinEscritura&) = delete;
    SinEscritura& operator=(const SinEscritura&) = delete;

    bool funciona() const { return funciona_; }

private:
    QByteArray ruta_;
    mode_t modo_ = 0;
    bool inmutable_ = false;
    bool funciona_ = false;
};
