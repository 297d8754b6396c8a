#include "searchscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "register/registermodel.h"
#include "searchresultsmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

SearchScreen::SearchScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_search(new QLineEdit(this))
    , m_debounce(new QTimer(this))
    , m_account(new QComboBox(this))
    , m_category(new QComboBox(this))
    , m_dateRange(new QCheckBox(tr("Date range:"), this))
    , m_from(new QDateEdit(QDate::currentDate().addMonths(-1), this))
    , m_to(new QDateEdit(QDate::currentDate(), this))
    , m_cleared(new QCheckBox(tr("Cleared only"), this))
    , m_results(new RegisterModel(this))
    , m_shown(new SearchResultsModel(m_results, this))
    , m_view(new QTableView(this))
    , m_noResults(new QLabel(tr("No results"), this))
{
    auto *layout = new QVBoxLayout(this);
    m_search->setPlaceholderText(tr("Search payee, memo, check number..."));
    m_search->setClearButtonEnabled(true);
    layout->addWidget(m_search);
    m_debounce->setSingleShot(true);
    m_debounce->setInterval(300);
    connect(m_search, &QLineEdit::textChanged, m_debounce, qOverload<>(&QTimer::start));
    connect(m_debounce, &QTimer::timeout, this, &SearchScreen::performSearch);

    auto *filters = new QHBoxLayout;
    for (QDateEdit *edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
        edit->setEnabled(false);
        connect(edit, &QDateEdit::dateChanged, this, [this] {
            if (m_dateRange->isChecked()) {
                performSearch();
            }
        });
    }
    connect(m_dateRange, &QCheckBox::toggled, this, [this](bool checked) {
        m_from->setEnabled(checked);
        m_to->setEnabled(checked);
        performSearch();
    });
    connect(m_cleared, &QCheckBox::toggled, this, &SearchScreen::performSearch);
    connect(m_account, &QComboBox::currentIndexChanged, this, &SearchScreen::performSearch);
    connect(m_category, &QComboBox::currentIndexChanged, this, &SearchScreen::performSearch);
    filters->addWidget(new QLabel(tr("Account:"), this));
    filters->addWidget(m_account);
    filters->addWidget(new QLabel(tr("Category:"), this));
    filters->addWidget(m_category);
    filters->addStretch();
    layout->addLayout(filters);
    // The dates on a row of their own, so that the window fits a small screen.
    auto *dates = new QHBoxLayout;
    dates->addWidget(m_dateRange);
    dates->addWidget(m_from);
    dates->addWidget(new QLabel(tr("to"), this));
    dates->addWidget(m_to);
    dates->addWidget(m_cleared);
    dates->addStretch();
    layout->addLayout(dates);

    m_view->setModel(m_shown);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setSectionResizeMode(RegisterModel::PayeeColumn,
                                                     QHeaderView::Stretch);
    m_view->horizontalHeader()->setSectionResizeMode(RegisterModel::CategoryColumn,
                                                     QHeaderView::Stretch);
    // Running balances mean nothing in search results.
    m_view->setColumnHidden(RegisterModel::BalanceColumn, true);
    hideEntryRow();
    connect(m_results, &QAbstractItemModel::modelReset, this, &SearchScreen::hideEntryRow);
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (!index.isValid() || m_results->isEntryRow(index.row())) {
            return;
        }
        const Transaction &t = m_results->rowAt(index.row()).transaction;
        emit editTransactionRequested(t.id);
        emit openTransactionRequested(t.accountId, t.id);
    });
    layout->addWidget(m_view, 1);
    m_noResults->setAlignment(Qt::AlignCenter);
    m_noResults->setStyleSheet(QStringLiteral("color: #6E8A7E; padding: 16px;"));
    m_noResults->hide();
    layout->addWidget(m_noResults);
    reset();
}

void SearchScreen::reset()
{
    const QSignalBlocker accounts(m_account);
    const QSignalBlocker categories(m_category);
    m_account->clear();
    m_account->addItem(tr("All Accounts"), QString());
    for (const Account &account : m_state->accountRepository()->findAll()) {
        m_account->addItem(account.name, account.id);
    }
    m_category->clear();
    m_category->addItem(tr("All Categories"), QString());
    for (const Category &category : m_state->categoryRepository()->findAll()) {
        m_category->addItem(category.name, category.id);
    }
}

void SearchScreen::focusSearch()
{
    m_search->setFocus();
    m_search->selectAll();
}

void SearchScreen::performSearch()
{
    ++m_searches;
    SearchFilter filter;
    filter.accountId = m_account->currentData().toString();
    filter.categoryId = m_category->currentData().toString();
    if (m_dateRange->isChecked()) {
        filter.fromDate = m_from->date();
        filter.toDate = m_to->date();
    }
    if (m_cleared->isChecked()) {
        filter.cleared = true;
    }
    QHash<QString, QString> names;
    QHash<QString, Currency> currencies;
    for (const Account &account : m_state->accountRepository()->findAll()) {
        names.insert(account.id, account.name);
        currencies.insert(account.id, account.currency);
    }
    m_shown->setAccountNames(std::move(names));
    m_shown->setAccountCurrencies(std::move(currencies));
    const QList<RegisterRow> rows =
        m_state->transactionRepository()->search(prefixQuery(m_search->text()), filter);
    m_results->setRows(rows, false);
    m_noResults->setVisible(rows.isEmpty());
}

QString SearchScreen::prefixQuery(const QString &text)
{
    static const QRegularExpression syntax(QStringLiteral("[\"*():^]|\\b(?:OR|NOT|NEAR|AND)\\b"));
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || syntax.match(trimmed).hasMatch()) {
        return trimmed;
    }
    // Each word becomes a quoted prefix: "fresh" finds "Freshway", and a word with a hyphen or
    // a dot in it is still one the full-text index can read.
    QStringList words;
    for (const QString &word : trimmed.split(QRegularExpression(QStringLiteral("\\s+")))) {
        words << QStringLiteral("\"%1\"*").arg(word);
    }
    return words.join(QLatin1Char(' '));
}

void SearchScreen::hideEntryRow()
{
    for (int row = 0; row < m_results->rowCount(); ++row) {
        m_view->setRowHidden(row, m_results->isEntryRow(row));
    }
}
