#pragma once

#include "data/currency.h"
#include "services/reportrecords.h"

#include <QDate>
#include <QWidget>

#include <functional>
#include <memory>

class AppState;
class ReportRunner;
class PieLegend;
class QCategoryAxis;
class QChartView;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QTableWidget;
class QTabWidget;
struct MoneyAxisScale;
struct PieSlice;
struct ReportTable;

// The six reports in tabs over an account filter and a period, two of them with a chart, and the
// visible tab exported as CSV.
class ReportsScreen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportsScreen)

public:
    enum Tab
    {
        CategoryTab,
        PayeeTab,
        TaxTab,
        CashFlowTab,
        ComparisonTab,
        AccountTab,
        TabCount
    };

    // Asked for the file to export to; an empty text cancels.
    using FileChooser = std::function<QString(QWidget *parent, const QString &proposedName)>;

    ReportsScreen(AppState *state, QWidget *parent = nullptr,
                  std::function<QDate()> today = &QDate::currentDate);
    ~ReportsScreen() override;

    void refresh();
    void runReport();
    void exportCurrentTab();

    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    QTabWidget *tabs() const { return m_tabs; }
    QTableWidget *table(Tab tab) const { return m_tables[tab]; }
    QComboBox *periodCombo() const { return m_period; }
    QComboBox *comparisonCombo() const { return m_comparison; }
    QComboBox *accountCombo() const { return m_account; }
    QCheckBox *includeTransfersBox() const { return m_includeTransfers; }
    QDate fromDate() const;
    QDate toDate() const;
    QString rangeText() const;
    PieLegend *spendingLegend() const { return m_spendingLegend; }
    QChartView *spendingChart() const { return m_spendingChart; }
    QChartView *cashFlowChart() const { return m_cashFlowChart; }
    // The cash-flow chart's value ticks and month labels as drawn.
    QStringList cashFlowTickLabels() const;
    QStringList cashFlowMonths() const;

    static QString csvFileName(Tab tab);

public slots:
    void onDatePresetChanged(int index);
    void onComparisonPresetChanged(int index);
    void onFilterChanged();

private:
    QWidget *buildComparisonTab();
    QWidget *withChart(QTableWidget *table, QWidget *chart);
    void fill(Tab tab, const ReportTable &table);
    void updateCharts(const QList<CategoryAmount> &spending, const QList<MonthlyCashFlow> &flow,
                      Currency currency);
    void updateSpendingChart(const QList<PieSlice> &slices, Currency currency);
    void updateCashFlowChart(const QList<MonthlyCashFlow> &flows, Currency currency);
    QCategoryAxis *moneyAxis(const MoneyAxisScale &scale, Currency currency);
    void fillAccounts();

    AppState *m_state;
    std::unique_ptr<ReportRunner> m_runner;
    std::function<QDate()> m_today;
    bool m_guard = false;
    QComboBox *m_account = nullptr;
    QComboBox *m_period = nullptr;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    QLabel *m_range = nullptr;
    QCheckBox *m_includeTransfers = nullptr;
    QTabWidget *m_tabs = nullptr;
    QTableWidget *m_tables[TabCount] = {};
    QComboBox *m_comparison = nullptr;
    QLabel *m_comparisonSummary = nullptr;
    QDateEdit *m_compare[4] = {};
    QWidget *m_customComparison = nullptr;
    QChartView *m_spendingChart = nullptr;
    QChartView *m_cashFlowChart = nullptr;
    PieLegend *m_spendingLegend = nullptr;
    FileChooser m_chooseFile;
};
