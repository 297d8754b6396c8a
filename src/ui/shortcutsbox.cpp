#include "shortcutsbox.h"

#include <QList>
#include <QMessageBox>

#include <utility>

namespace {

using Rows = QList<std::pair<const char *, const char *>>;

const QList<std::pair<const char *, Rows>> &sections()
{
    static const QList<std::pair<const char *, Rows>> list = {
        {QT_TRANSLATE_NOOP("ShortcutsBox", "Register"),
         {{"Ctrl+Enter", QT_TRANSLATE_NOOP("ShortcutsBox", "Save transaction")},
          {"Ctrl+I", QT_TRANSLATE_NOOP("ShortcutsBox", "Insert new transaction (in the register)")},
          {"Ctrl+N", QT_TRANSLATE_NOOP("ShortcutsBox", "New transaction form (in the register)")},
          {"Ctrl+D", QT_TRANSLATE_NOOP("ShortcutsBox", "Delete current transaction")},
          {"Tab / Shift+Tab", QT_TRANSLATE_NOOP("ShortcutsBox", "Next / previous field")},
          {"' (apostrophe)", QT_TRANSLATE_NOOP("ShortcutsBox", "Copy value from field above")}}},
        {QT_TRANSLATE_NOOP("ShortcutsBox", "Date Field"),
         {{"t", QT_TRANSLATE_NOOP("ShortcutsBox", "Today")},
          {"+ / -", QT_TRANSLATE_NOOP("ShortcutsBox", "Next / previous day")},
          {"m / h", QT_TRANSLATE_NOOP("ShortcutsBox", "First / last day of month")},
          {"y / r", QT_TRANSLATE_NOOP("ShortcutsBox", "First / last day of year")},
          {"w / k", QT_TRANSLATE_NOOP("ShortcutsBox", "First / last day of week")}}},
        {QT_TRANSLATE_NOOP("ShortcutsBox", "General"),
         {{"Ctrl+N", QT_TRANSLATE_NOOP("ShortcutsBox", "New transaction (outside the register)")},
          {"Ctrl+Shift+N", QT_TRANSLATE_NOOP("ShortcutsBox", "New account (everywhere)")},
          {"Ctrl+R", QT_TRANSLATE_NOOP("ShortcutsBox", "Reconcile account")},
          {"Ctrl+F", QT_TRANSLATE_NOOP("ShortcutsBox", "Search transactions")},
          {"Ctrl+I", QT_TRANSLATE_NOOP("ShortcutsBox", "Import (outside the register)")},
          {"Ctrl+2", QT_TRANSLATE_NOOP("ShortcutsBox", "Reports")},
          {"Ctrl+3", QT_TRANSLATE_NOOP("ShortcutsBox", "Recurring transactions")},
          {"Ctrl+4", QT_TRANSLATE_NOOP("ShortcutsBox", "Categories")}}},
        {QT_TRANSLATE_NOOP("ShortcutsBox", "Accounts"),
         {{"Alt+1 &ndash; Alt+9", QT_TRANSLATE_NOOP("ShortcutsBox", "Switch to account 1&ndash;9")},
          {"Alt+0", QT_TRANSLATE_NOOP("ShortcutsBox", "Switch to account 10")}}},
    };
    return list;
}

} // namespace

QString ShortcutsBox::html()
{
    QString html;
    for (const auto &[title, rows] : sections()) {
        html += QStringLiteral("<h3>%1</h3><table cellspacing=\"6\">").arg(tr(title));
        for (const auto &[keys, meaning] : rows) {
            html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                        .arg(QString::fromUtf8(keys), tr(meaning));
        }
        html += QStringLiteral("</table>");
    }
    return html;
}

void ShortcutsBox::show(QWidget *parent)
{
    QMessageBox::information(parent, tr("Keyboard Shortcuts"), html());
}
