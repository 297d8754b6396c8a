#include "formhelpers.h"

#include "app/weekstart.h"
#include "data/category.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHash>
#include <QLocale>

namespace FormHelpers {

qint64 centsFromValue(double value)
{
    const double scaled = value * 100.0;
    return static_cast<qint64>(scaled >= 0 ? scaled + 0.5 : scaled - 0.5);
}

void fillCategories(QComboBox *combo, const QList<Category> &categories, const QString &firstText)
{
    QHash<QString, QString> names;
    for (const Category &c : categories) {
        names.insert(c.id, c.name);
    }
    combo->addItem(firstText, QString());
    for (const Category &c : categories) {
        const QString parent = names.value(c.parentId);
        const bool hasParent = !c.parentId.isEmpty() && names.contains(c.parentId);
        combo->addItem(hasParent ? QStringLiteral("%1 > %2").arg(parent, c.name) : c.name, c.id);
    }
}

QComboBox *categoryCombo(const QList<Category> &categories, const QString &firstText,
                         QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    fillCategories(combo, categories, firstText);
    combo->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    combo->completer()->setFilterMode(Qt::MatchContains);
    combo->completer()->setCompletionMode(QCompleter::PopupCompletion);
    return combo;
}

QCompleter *payeeCompleter(const QStringList &payees, QObject *parent, int visibleItems)
{
    auto *completer = new QCompleter(payees, parent);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setMaxVisibleItems(visibleItems);
    return completer;
}

void setUpDateEdit(QDateEdit *edit)
{
    edit->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    edit->setCalendarPopup(true);
    if (QCalendarWidget *calendar = edit->calendarWidget()) {
        calendar->setFirstDayOfWeek(WeekStart::firstDayOfWeek());
    }
}

QDialogButtonBox *okCancelButtons(QDialog *dialog)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace FormHelpers
