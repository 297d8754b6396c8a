#include "taxcodes.h"

#include <QCoreApplication>

namespace {

struct TaxCode
{
    const char *key;
    const char *name;
};

const TaxCode kCodes[] = {
    {"charitable_contributions", QT_TRANSLATE_NOOP("TaxCodes", "Charitable contributions")},
    {"medical_dental", QT_TRANSLATE_NOOP("TaxCodes", "Medical and dental expenses")},
    {"business_expense", QT_TRANSLATE_NOOP("TaxCodes", "Business expenses")},
    {"home_office", QT_TRANSLATE_NOOP("TaxCodes", "Home office")},
    {"education", QT_TRANSLATE_NOOP("TaxCodes", "Education expenses")},
    {"salt", QT_TRANSLATE_NOOP("TaxCodes", "State and local taxes")},
    {"mortgage_interest", QT_TRANSLATE_NOOP("TaxCodes", "Mortgage interest")},
    {"schedule_a_property_tax", QT_TRANSLATE_NOOP("TaxCodes", "Property tax")},
    {"interest_income", QT_TRANSLATE_NOOP("TaxCodes", "Interest income")},
    {"dividend_income", QT_TRANSLATE_NOOP("TaxCodes", "Dividend income")},
    {"rental_income", QT_TRANSLATE_NOOP("TaxCodes", "Rental income")},
    {"self_employment", QT_TRANSLATE_NOOP("TaxCodes", "Self-employment income")},
};

} // namespace

namespace TaxCodes {

QStringList keys()
{
    QStringList list;
    for (const TaxCode &code : kCodes) {
        list << QString::fromLatin1(code.key);
    }
    return list;
}

QString displayName(const QString &key)
{
    for (const TaxCode &code : kCodes) {
        if (key == QLatin1String(code.key)) {
            return QCoreApplication::translate("TaxCodes", code.name);
        }
    }
    return key;
}

} // namespace TaxCodes
