#pragma once

#include "data/currency.h"

#include <QList>
#include <QStringList>

#include <optional>

class QComboBox;
class QCompleter;
class QDialog;
class QDialogButtonBox;
class QDoubleSpinBox;
class CategoryPrompt;
class QObject;
class QWidget;
struct Category;

// What the record forms share: amount rounding, category lists, payee completion, amounts.
namespace FormHelpers {

// Spin-box value to cents, halves away from zero (-0.005 gives -1, 0.005 gives 1).
qint64 centsFromValue(double value);
// The value of an amount box in `currency` to its minor units (cents, or whole yen), halves away
// from zero; and back.
qint64 minorUnits(double value, Currency currency);
double valueOf(qint64 minorUnits, Currency currency);
// Shows amounts of `currency` in the box: its symbol as prefix, and two decimals or none (yen).
void setUpAmount(QDoubleSpinBox *box, Currency currency);
// The category id the combo's text names: the picked item, an item whose text was typed in any
// case, else what the prompt makes of the text (nullopt when the user declined to create it).
std::optional<QString> readCategory(QComboBox *combo, CategoryPrompt &prompt, qint64 amount,
                                    QWidget *parent);
// readCategory for a form's OK: when the text names no category and none was made, says why
// (when creating failed) and puts the focus back on the combo, so the text stays for correcting.
std::optional<QString> confirmCategory(QComboBox *combo, CategoryPrompt &prompt, qint64 amount,
                                       QDialog *form);
// `firstText` with empty data, then every category with its id, shown as "Parent > Name" when
// its parent is among them.
void fillCategories(QComboBox *combo, const QList<Category> &categories, const QString &firstText);
// An editable combo filled as above whose typing completes any part of a category's name.
QComboBox *categoryCombo(const QList<Category> &categories, const QString &firstText,
                         QWidget *parent);
// Case-insensitive, matching anywhere, popup, at most `visibleItems` rows.
QCompleter *payeeCompleter(const QStringList &payees, QObject *parent, int visibleItems = 10);
// OK and Cancel, wired to the dialog's accept and reject.
QDialogButtonBox *okCancelButtons(QDialog *dialog);

} // namespace FormHelpers
