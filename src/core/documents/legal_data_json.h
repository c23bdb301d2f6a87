#pragma once

#include <QJsonObject>

#include "core/law/legal_data_merge.h"

// The legal data in use as one JSON object for an assistant: the same rows
// as velmora dati, each with its decree or citation and where it came from.
namespace velmora {

QJsonObject LegalDataObject(const MergedLegalData& law);

// The schema of that object.
QJsonObject LegalDataSchema();

}  // namespace velmora
