#pragma once

#include <QList>
#include <QStringList>

class QComboBox;
class QCompleter;
class QDateEdit;
class QDialog;
class QDialogButtonBox;
class QObject;
class QWidget;
struct Category;

// What the record forms share: amount rounding, category lists, payee completion, date edits.
namespace FormHelpers {

// Spin-box value to cents, halves away from zero (-0.005 gives -1, 0.005 gives 1).
qint64 centsFromValue(double value);
// `firstText` with empty data, then every category with its id, shown as "Parent > Name" when
// its parent is among them.
void fillCategories(QComboBox *combo, const QList<Category> &categories, const QString &firstText);
// An editable combo filled as above whose typing completes any part of a category's name.
QComboBox *categoryCombo(const QList<Category> &categories, const QString &firstText,
                         QWidget *parent);
// Case-insensitive, matching anywhere, popup, at most `visibleItems` rows.
QCompleter *payeeCompleter(const QStringList &payees, QObject *parent, int visibleItems = 10);
// Locale's short date format, calendar popup starting on the week-start day.
void setUpDateEdit(QDateEdit *edit);
// OK and Cancel, wired to the dialog's accept and reject.
QDialogButtonBox *okCancelButtons(QDialog *dialog);

} // namespace FormHelpers
