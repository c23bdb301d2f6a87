#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

// Why the system could not open or read a file, said in Italian: the reason
// the system gave (errno), never a toolkit's code.
namespace velmora {

// "permesso negato", "è una cartella", "errore di lettura"...; for a reason
// without an Italian text here, the system's own words.
QString SystemReason(int error);

// At most `most` bytes of the file, or the system's reason it cannot be read.
std::variant<QByteArray, QString> ReadFileStart(const QString& path, qsizetype most);

}  // namespace velmora
