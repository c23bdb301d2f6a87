#include "core/law/system_reason.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

namespace velmora {

QString SystemReason(int error) {
  switch (error) {
    case ENOENT:
      return QStringLiteral("il file non esiste");
    case EACCES:
    case EPERM:
      return QStringLiteral("permesso negato");
    case EISDIR:
      return QStringLiteral("è una cartella");
    case ENOTDIR:
      return QStringLiteral("una parte del percorso non è una cartella");
    case EIO:
      return QStringLiteral("errore di lettura del disco");
    case ELOOP:
      return QStringLiteral("troppi collegamenti simbolici nel percorso");
    case ENAMETOOLONG:
      return QStringLiteral("nome del file troppo lungo");
    case EMFILE:
    case ENFILE:
      return QStringLiteral("troppi file aperti");
    case ENOMEM:
      return QStringLiteral("memoria insufficiente");
    case ENXIO:
    case ENODEV:
      return QStringLiteral("il dispositivo non è disponibile");
    default:
      return QStringLiteral("errore del sistema: ") + QString::fromLocal8Bit(std::strerror(error));
  }
}

std::variant<QByteArray, QString> ReadFileStart(const QString& path, qsizetype most) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return SystemReason(errno);
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd);
    return SystemReason(EISDIR);
  }
  QByteArray bytes(most, Qt::Uninitialized);
  qsizetype got = 0;
  while (got < most) {
    const ssize_t read = ::read(fd, bytes.data() + got, std::size_t(most - got));
    if (read < 0 && errno == EINTR) continue;
    if (read < 0) {
      const int error = errno;
      ::close(fd);
      return SystemReason(error);
    }
    if (read == 0) break;
    got += qsizetype(read);
  }
  ::close(fd);
  bytes.truncate(got);
  return bytes;
}

}  // namespace velmora
