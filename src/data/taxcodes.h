#pragma once

#include <QString>
#include <QStringList>

// The tax codes a category can be filed under: a stored key ("medical_dental") and the name a
// user reads ("Medical and dental expenses"). Keys stay as they are in files and exports.
namespace TaxCodes {

// Every known key, in the order the choosers list them.
QStringList keys();
// The translated display name of a key; an unknown key is shown as it is stored.
QString displayName(const QString &key);

} // namespace TaxCodes
