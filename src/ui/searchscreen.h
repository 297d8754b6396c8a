#pragma once

#include <QWidget>

class AppState;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;
class RegisterModel;
class SearchResultsModel;

// Finds transactions across accounts by text, account, category, dates and cleared state.
class SearchScreen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SearchScreen)

public:
    explicit SearchScreen(AppState *state, QWidget *parent = nullptr);

    // Refills the account and category filters.
    void reset();
    // Focuses the search field with its text selected.
    void focusSearch();
    int searchCount() const { return m_searches; }

    QLineEdit *searchField() const { return m_search; }
    QComboBox *accountFilter() const { return m_account; }
    QCheckBox *dateRangeBox() const { return m_dateRange; }
    QDateEdit *fromEdit() const { return m_from; }
    QCheckBox *clearedBox() const { return m_cleared; }
    RegisterModel *results() const { return m_results; }
    // What the view shows: the results with an Account column at the end.
    SearchResultsModel *shownResults() const { return m_shown; }
    QLabel *noResultsLabel() const { return m_noResults; }

    // What the search field's text asks the full-text index: text without query syntax (quotes,
    // "*", OR, NOT, NEAR, AND, parentheses, ":", "^") matches word beginnings, so every word
    // becomes a prefix; text with query syntax goes unchanged.
    static QString prefixQuery(const QString &text);
    QTableView *view() const { return m_view; }

signals:
    // A result line was opened: (account id, transaction id).
    void editTransactionRequested(const QString &transactionId);
    void openTransactionRequested(const QString &accountId, const QString &transactionId);

public slots:
    void performSearch();

private:
    // The blank entry line means nothing among search results.
    void hideEntryRow();

    AppState *m_state;
    QLineEdit *m_search;
    QTimer *m_debounce;
    QComboBox *m_account;
    QComboBox *m_category;
    QCheckBox *m_dateRange;
    QDateEdit *m_from;
    QDateEdit *m_to;
    QCheckBox *m_cleared;
    RegisterModel *m_results;
    SearchResultsModel *m_shown;
    QTableView *m_view;
    QLabel *m_noResults;
    int m_searches = 0;
};
