#pragma once

#include <QString>
#include <QStringList>

#include "core/law/legal_data_merge.h"

// What "velmora dati" prints: the legal data in use, each row with its decree
// or citation and where it came from, then the office's files. Plain text,
// aligned in columns for a terminal, in Italian.
namespace velmora {

// The periods and years in force, the folders of the added files, the files
// in use, the rows not needed and the files refused, one section each.
QString DataListing(const MergedLegalData& law, const QStringList& folders);

// What "velmora dati --verifica" says of the file `path`, given the data
// merged with it (MergeWithAddition): the rows it would add, or each reason
// it is refused with its line, and the files in use now (`usedNow`) that it
// would leave out. `used` tells whether it would be used.
QString VerificationText(const MergedLegalData& merged, const QString& path,
                         const QStringList& folders, const QStringList& usedNow, bool& used);

// One line of standard error for each reason an added file is not used.
QString RefusedFilesText(const MergedLegalData& law);

}  // namespace velmora
