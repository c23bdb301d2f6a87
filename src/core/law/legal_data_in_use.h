#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "core/law/legal_data_file.h"
#include "core/law/legal_data_merge.h"
#include "core/law/legal_rate_data.h"

// The legal data the whole process values with: the files of resources/data,
// embedded in the program, with the files an office adds under
// velmora/dati in the XDG data folders.
namespace velmora {

// The built-in data, read from the program's resources at first use: nothing
// is read from disk, so a damaged install still values.
const LegalData& BuiltInLegalData();
// What was wrong with the embedded files; nothing in a good build.
const std::vector<DataProblem>& BuiltInProblems();

// The folders of the added files: velmora/dati under the data home ($XDG_DATA_HOME,
// by default ~/.local/share), then under each of $XDG_DATA_DIRS (by default
// /usr/local/share:/usr/share). Relative folders are ignored; each folder once.
QStringList AdditionFolders(const QString& dataHome, const QString& dataDirs, const QString& home);
// The same, from the environment.
QStringList AdditionFolders();

// The regular files ending in .tsv of the folders, in name order, folder after
// folder; a file that cannot be read is a problem, a missing folder none.
std::vector<AddedFile> ReadAddedFiles(const QStringList& folders,
                                      std::vector<DataProblem>& problems);

// The added files with one more, as if copied into `folder` (the first of
// the addition folders) under its name: a file that is already one of them
// keeps its place, any other takes the place of its name among the files of
// the folder, and replaces a file of the same name there.
std::vector<AddedFile> WithAddition(std::vector<AddedFile> added, const AddedFile& file,
                                    const QString& folder);
// The built-in data with the added files and one more, placed by
// WithAddition. Nothing is put in use.
MergedLegalData MergeWithAddition(const AddedFile& file);

// The legal data in use, loaded at first use: the built-in data with the
// added files. References stay valid for the life of the process.
const MergedLegalData& LawInUse();
// Puts the given data in use in place of the loaded ones (for tests).
void PutLawInUse(MergedLegalData law);

}  // namespace velmora
