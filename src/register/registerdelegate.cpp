#include "registerdelegate.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "dateshortcuts.h"
#include "registercombobox.h"
#include "registerlineedit.h"
#include "registermodel.h"
#include "smartdateedit.h"
#include "tabcompleter.h"
#include "themecolors.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int kLineHeight = 36;
constexpr int kTwoLineHeight = 52;
constexpr int kInset = 4;

QFont memoFont(QFont font)
{
    font.setItalic(true);
    font.setPointSizeF(std::max(7.0, font.pointSizeF() - 1));
    return font;
}

int alignmentFor(int column)
{
    switch (column) {
    case RegisterModel::PaymentColumn:
    case RegisterModel::DepositColumn:
    case RegisterModel::BalanceColumn:
        return Qt::AlignRight | Qt::AlignVCenter;
    case RegisterModel::ClearedColumn:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

RegisterDelegate::RegisterDelegate(AppState *state, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_state(state)
{
}

QStringList RegisterDelegate::payeeItems() const
{
    QStringList payees = m_state->transactionRepository()->distinctPayees();
    for (const Account &account : m_state->accountRepository()->findAll()) {
        const QString transfer = QStringLiteral("[Transfer] %1").arg(account.name);
        if (account.id != m_accountId && !payees.contains(transfer)) {
            payees << transfer;
        }
    }
    return payees;
}

QList<std::pair<QString, QString>> RegisterDelegate::categoryItems() const
{
    const QList<Category> categories = m_state->categoryRepository()->findAll();
    QHash<QString, QString> names;
    for (const Category &c : categories) {
        names.insert(c.id, c.name);
    }
    QList<std::pair<QString, QString>> items{{QString(), QString()}};
    for (const Category &c : categories) {
        const bool underParent = !c.parentId.isEmpty() && names.contains(c.parentId);
        items.append(
            {underParent ? QStringLiteral("%1 > %2").arg(names.value(c.parentId), c.name) : c.name,
             c.id});
    }
    return items;
}

QWidget *RegisterDelegate::payeeEditor(QWidget *parent, bool entryRow) const
{
    auto *payee = new RegisterLineEdit;
    auto *completer = new TabCompleter(payeeItems(), payee);
    payee->setCompleter(completer);
    QWidget *editor = payee;
    QLineEdit *memo = nullptr;
    if (m_twoLine) {
        editor = new QWidget(parent);
        editor->setObjectName(QStringLiteral("PayeeMemoEditor"));
        auto *layout = new QVBoxLayout(editor);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        payee->setObjectName(QStringLiteral("payeeEdit"));
        memo = new RegisterLineEdit(editor);
        memo->setObjectName(QStringLiteral("memoEdit"));
        memo->setFont(memoFont(memo->font()));
        memo->setPlaceholderText(tr("Memo"));
        layout->addWidget(payee);
        layout->addWidget(memo);
        editor->setFocusProxy(payee);
    } else {
        payee->setParent(parent);
    }
    if (entryRow) {
        connect(completer, qOverload<const QString &>(&QCompleter::activated), editor,
                [this, editor](const QString &text) {
                    if (m_payeeHandler) {
                        m_payeeHandler(text, true, editor);
                    }
                });
    }
    return editor;
}

QWidget *RegisterDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &index) const
{
    const auto *model = qobject_cast<const RegisterModel *>(index.model());
    QWidget *editor = nullptr;
    switch (index.column()) {
    case RegisterModel::DateColumn:
        editor = new SmartDateEdit(parent);
        break;
    case RegisterModel::PayeeColumn:
        editor = payeeEditor(parent, model && model->isEntryRow(index.row()));
        break;
    case RegisterModel::CategoryColumn: {
        auto *combo = new RegisterComboBox(parent);
        for (const auto &[text, id] : categoryItems()) {
            combo->addItem(text, id);
        }
        combo->setCompleter(new TabCompleter(combo));
        editor = combo;
        break;
    }
    default: {
        auto *edit = new RegisterLineEdit(parent);
        if (index.column() == RegisterModel::PaymentColumn ||
            index.column() == RegisterModel::DepositColumn) {
            edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        } else if (index.column() == RegisterModel::ClearedColumn) {
            edit->setMaxLength(1);
            edit->setAlignment(Qt::AlignCenter);
        }
        editor = edit;
        break;
    }
    }
    editor->setFocusPolicy(Qt::ClickFocus);
    m_openEditor = editor;
    m_openIndex = index;
    return editor;
}

void RegisterDelegate::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    if (editor == m_openEditor) {
        m_openEditor = nullptr;
        m_openIndex = QPersistentModelIndex();
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

void RegisterDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto *date = qobject_cast<SmartDateEdit *>(editor)) {
        const QDate parsed = DateShortcuts::parse(text);
        if (parsed.isValid()) {
            date->setDate(parsed);
        } else if (!text.trimmed().isEmpty()) {
            // Text refused as a date comes back as typed, for correcting.
            date->setText(text);
            date->selectAll();
        }
    } else if (editor->objectName() == QLatin1String("PayeeMemoEditor")) {
        editor->findChild<QLineEdit *>(QStringLiteral("payeeEdit"))->setText(text);
        editor->findChild<QLineEdit *>(QStringLiteral("memoEdit"))
            ->setText(
                index.siblingAtColumn(RegisterModel::MemoColumn).data(Qt::EditRole).toString());
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const int item = combo->findText(text, Qt::MatchFixedString);
        if (item >= 0) {
            combo->setCurrentIndex(item);
        } else {
            combo->setEditText(text);
        }
    } else if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        edit->setText(text);
    }
}

void RegisterDelegate::setModelData(QWidget *editor, QAbstractItemModel *abstractModel,
                                    const QModelIndex &index) const
{
    auto *model = qobject_cast<RegisterModel *>(abstractModel);
    if (!model) {
        return;
    }
    const bool entryRow = model->isEntryRow(index.row());
    if (auto *date = qobject_cast<SmartDateEdit *>(editor)) {
        // Text that is no date goes into the line as typed: the commit refuses it, rather than
        // storing the editor's previous date in its place.
        const QString typed = date->text().trimmed();
        const bool unreadable = !typed.isEmpty() && !DateShortcuts::parse(typed).isValid();
        model->setData(index,
                       unreadable ? typed : date->date().toString(RegisterModel::kDateFormat),
                       Qt::EditRole);
    } else if (editor->objectName() == QLatin1String("PayeeMemoEditor")) {
        const QString memo = editor->findChild<QLineEdit *>(QStringLiteral("memoEdit"))->text();
        const QString payee = editor->findChild<QLineEdit *>(QStringLiteral("payeeEdit"))->text();
        model->setData(index.siblingAtColumn(RegisterModel::MemoColumn), memo, Qt::EditRole);
        model->setData(index, payee, Qt::EditRole);
        if (entryRow && m_payeeHandler) {
            m_payeeHandler(payee, false, editor);
        }
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        // A text that names no item keeps the id the line already has for that same text (a
        // category just created for it is not among this editor's items yet).
        const QString text = combo->currentText();
        const int item = combo->findText(text, Qt::MatchFixedString);
        const bool sameText = text == model->entry().category;
        model->setData(index, text, Qt::EditRole);
        if (item >= 0) {
            model->entry().categoryId = combo->itemData(item).toString();
        } else if (!sameText) {
            model->entry().categoryId.clear();
        }
    } else if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        model->setData(index, edit->text(), Qt::EditRole);
        if (index.column() == RegisterModel::PayeeColumn && entryRow && m_payeeHandler) {
            m_payeeHandler(edit->text(), false, editor);
        }
    }
}

void RegisterDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
    if (!m_twoLine) {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
        return;
    }
    QRect rect = option.rect;
    if (index.column() != RegisterModel::PayeeColumn) {
        rect.setHeight(kLineHeight);
    }
    editor->setGeometry(rect);
}

QSize RegisterDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (m_twoLine) {
        size.setHeight(kTwoLineHeight);
    }
    return size;
}

bool RegisterDelegate::eventFilter(QObject *object, QEvent *event)
{
    // Enter and Return belong to the register (next field, commit): they pass through to the
    // view instead of closing the editor here.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            return false;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

void RegisterDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    if (!m_twoLine) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    paintTwoLine(painter, option, index);
}

void RegisterDelegate::paintTwoLine(QPainter *painter, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const int column = index.column();
    QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
    QRect line = option.rect;
    line.setHeight(kLineHeight);
    if (column == RegisterModel::PayeeColumn) {
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
    } else {
        QStyleOptionViewItem top = opt;
        top.rect = line;
        style->drawControl(QStyle::CE_ItemViewItem, &top, painter, opt.widget);
        QRect rest = option.rect;
        rest.setTop(line.bottom() + 1);
        painter->fillRect(
            rest, option.palette.brush(index.row() % 2 ? QPalette::AlternateBase : QPalette::Base));
    }
    const bool selected = option.state & QStyle::State_Selected;
    const QVariant foreground = index.data(Qt::ForegroundRole);
    QColor color = selected               ? option.palette.color(QPalette::HighlightedText)
                   : foreground.isValid() ? foreground.value<QBrush>().color()
                                          : option.palette.color(QPalette::Text);
    if (column == RegisterModel::BalanceColumn) {
        QString number = text;
        for (const char *strip : {"$", ",", "(", ")"}) {
            number.remove(QLatin1String(strip));
        }
        bool ok = false;
        const double value = number.toDouble(&ok);
        if (ok && (value < 0 || text.contains(QLatin1Char('(')))) {
            color = ThemeColors::negativeAmount();
        }
    }
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(color);
    painter->drawText(line.adjusted(kInset, 0, -kInset, 0), alignmentFor(column), text);
    if (column == RegisterModel::PayeeColumn || column == RegisterModel::CategoryColumn) {
        const QString memo = index.siblingAtColumn(RegisterModel::MemoColumn).data().toString();
        if (!memo.isEmpty()) {
            QRect memoRect = option.rect;
            memoRect.setTop(option.rect.top() + kLineHeight);
            if (column == RegisterModel::CategoryColumn && opt.widget) {
                // The memo runs on under the payee and category columns.
                const auto *view = qobject_cast<const QAbstractItemView *>(opt.widget);
                const QRect payeeRect =
                    view ? view->visualRect(index.siblingAtColumn(RegisterModel::PayeeColumn))
                         : QRect();
                memoRect.setLeft(payeeRect.left() + kInset);
            } else {
                memoRect.setLeft(memoRect.left() + kInset);
            }
            memoRect.setRight(option.rect.right() - kInset);
            painter->setFont(memoFont(opt.font));
            painter->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                                     : ThemeColors::muted());
            painter->setClipRect(memoRect.united(option.rect));
            painter->drawText(memoRect, Qt::AlignLeft | Qt::AlignVCenter, memo);
        }
    }
    painter->restore();
}
