#include "formhelpers.h"

#include "data/category.h"
#include "register/categoryprompt.h"

#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QHash>

namespace FormHelpers {

qint64 centsFromValue(double value)
{
    const double scaled = value * 100.0;
    return static_cast<qint64>(scaled >= 0 ? scaled + 0.5 : scaled - 0.5);
}

qint64 minorUnits(double value, Currency currency)
{
    if (currencyHasCents(currency)) {
        return centsFromValue(value);
    }
    return static_cast<qint64>(value >= 0 ? value + 0.5 : value - 0.5);
}

double valueOf(qint64 minorUnits, Currency currency)
{
    return currencyHasCents(currency) ? double(minorUnits) / 100.0 : double(minorUnits);
}

void setUpAmount(QDoubleSpinBox *box, Currency currency)
{
    const double value = box->value();
    box->setDecimals(currencyHasCents(currency) ? 2 : 0);
    box->setPrefix(currencySymbol(currency) + QLatin1Char(' '));
    box->setValue(value);
}

std::optional<QString> readCategory(QComboBox *combo, CategoryPrompt &prompt, qint64 amount,
                                    QWidget *parent)
{
    const QString typed = combo->currentText();
    const int current = combo->currentIndex();
    if (current >= 0 && combo->itemText(current) == typed) {
        return combo->itemData(current).toString();
    }
    if (typed.trimmed().isEmpty()) {
        return QString();
    }
    const int listed = combo->findText(typed.trimmed(), Qt::MatchFixedString);
    if (listed >= 0) {
        return combo->itemData(listed).toString();
    }
    return prompt.resolve(typed, amount, parent);
}

std::optional<QString> confirmCategory(QComboBox *combo, CategoryPrompt &prompt, qint64 amount,
                                       QDialog *form)
{
    std::optional<QString> id = readCategory(combo, prompt, amount, form);
    if (!id) {
        if (!prompt.error().isEmpty()) {
            Prompts::warning()(form, form->windowTitle(), prompt.error());
        }
        combo->setFocus();
    }
    return id;
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

QDialogButtonBox *okCancelButtons(QDialog *dialog)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace FormHelpers
