#pragma once

#include <QVariant>

// SQLite hands integer columns over as qlonglong; reading them natively skips Qt's general
// conversion machinery, which dominates when every register line has several flags. Any other
// stored form is converted exactly as QVariant would.
namespace ColumnValues {

inline bool toBool(const QVariant &value)
{
    return value.userType() == QMetaType::LongLong ? value.toLongLong() != 0 : value.toBool();
}

inline int toInt(const QVariant &value)
{
    return value.userType() == QMetaType::LongLong ? int(value.toLongLong()) : value.toInt();
}

} // namespace ColumnValues
