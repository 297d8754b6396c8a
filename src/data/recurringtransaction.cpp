#include "recurringtransaction.h"

#include "enumtexts.h"

namespace {

constexpr EnumTexts<Frequency, 7> kTexts({{
                                             {Frequency::Daily, "daily"},
                                             {Frequency::Weekly, "weekly"},
                                             {Frequency::Biweekly, "biweekly"},
                                             {Frequency::Monthly, "monthly"},
                                             {Frequency::Quarterly, "quarterly"},
                                             {Frequency::SemiAnnual, "semi_annual"},
                                             {Frequency::Annual, "annual"},
                                         }},
                                         Frequency::Monthly);

} // namespace

QString frequencyToText(Frequency frequency)
{
    return kTexts.toText(frequency);
}

Frequency frequencyFromText(const QString &text)
{
    return kTexts.fromText(text);
}
