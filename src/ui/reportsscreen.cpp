#include "reportsscreen.h"

#include "app/appstate.h"
#include "app/weekstart.h"
#include "data/accountrepository.h"
#include "data/displaydates.h"
#include "moneyaxis.h"
#include "pielegend.h"
#include "piesummary.h"
#include "register/themecolors.h"
#include "reportpresets.h"
#include "services/reportrunner.h"
#include "services/reporttable.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCalendarWidget>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTabWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMaxPieSlices = 8;

QDateEdit *dateEdit(QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    edit->setDisplayFormat(DisplayDates::kShortFormat);
    edit->setCalendarPopup(true);
    edit->calendarWidget()->setFirstDayOfWeek(QLocale().firstDayOfWeek());
    return edit;
}

QString shortDate(const QDate &date)
{
    return DisplayDates::shortDate(date);
}

QTableWidget *reportTable(QWidget *parent)
{
    auto *table = new QTableWidget(parent);
    table->setAlternatingRowColors(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(36);
    table->setShowGrid(false);
    table->setWordWrap(false);
    table->horizontalHeader()->setStretchLastSection(false);
    // Names and amounts are read whole; the first column takes what is left.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

// The chart follows the theme: transparent background, the palette's text colour.
QChartView *chartView(QWidget *parent)
{
    auto *view = new QChartView(parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumWidth(320);
    view->chart()->setBackgroundVisible(false);
    view->chart()->legend()->setAlignment(Qt::AlignBottom);
    view->chart()->setMargins(QMargins(4, 4, 4, 4));
    return view;
}

} // namespace

ReportsScreen::ReportsScreen(AppState *state, QWidget *parent, std::function<QDate()> today)
    : QWidget(parent)
    , m_state(state)
    , m_runner(std::make_unique<ReportRunner>(state->database()))
    , m_today(std::move(today))
    , m_chooseFile([](QWidget *parentWidget, const QString &proposed) {
        return QFileDialog::getSaveFileName(parentWidget, tr("Export CSV"), proposed,
                                            tr("CSV Files (*.csv)"));
    })
{
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(tr("Reports"), this);
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() + 8);
    font.setWeight(QFont::DemiBold);
    heading->setFont(font);
    layout->addWidget(heading);

    auto *filters = new QHBoxLayout;
    m_account = new QComboBox(this);
    m_account->setMinimumWidth(140);
    m_period = new QComboBox(this);
    m_period->setMinimumWidth(130);
    for (const auto &preset : ReportPresets::periods(m_today())) {
        m_period->addItem(preset.label);
    }
    m_from = dateEdit(this);
    m_to = dateEdit(this);
    m_range = new QLabel(this);
    m_range->setStyleSheet(QStringLiteral("color: %1;").arg(QStringLiteral("#6E8A7E")));
    auto *exportButton = new QPushButton(tr("Export CSV"), this);
    filters->addWidget(new QLabel(tr("Account:"), this));
    filters->addWidget(m_account);
    filters->addWidget(new QLabel(tr("Period:"), this));
    filters->addWidget(m_period);
    filters->addWidget(m_from);
    filters->addWidget(m_to);
    filters->addWidget(m_range);
    m_includeTransfers = new QCheckBox(tr("Include transfers"), this);
    m_includeTransfers->setChecked(true);
    filters->addWidget(m_includeTransfers);
    filters->addStretch();
    filters->addWidget(exportButton);
    layout->addLayout(filters);

    m_tabs = new QTabWidget(this);
    for (int tab = 0; tab < TabCount; ++tab) {
        m_tables[tab] = reportTable(this);
    }
    m_spendingChart = chartView(this);
    m_cashFlowChart = chartView(this);
    m_spendingLegend = new PieLegend(this);
    auto *spendingPanel = new QWidget(this);
    auto *spendingLayout = new QVBoxLayout(spendingPanel);
    spendingLayout->setContentsMargins(0, 0, 0, 0);
    spendingLayout->addWidget(m_spendingChart, 3);
    spendingLayout->addWidget(m_spendingLegend, 2);
    m_tabs->addTab(withChart(m_tables[CategoryTab], spendingPanel), tr("Category Spending"));
    m_tabs->addTab(m_tables[PayeeTab], tr("Payee Summary"));
    m_tabs->addTab(m_tables[TaxTab], tr("Tax Report"));
    QWidget *cashFlow = withChart(m_tables[CashFlowTab], m_cashFlowChart);
    // Four short columns need less room than a dozen months of bars.
    static_cast<QSplitter *>(cashFlow)->setStretchFactor(0, 2);
    static_cast<QSplitter *>(cashFlow)->setStretchFactor(1, 3);
    m_tabs->addTab(cashFlow, tr("Cash Flow"));
    m_tables[TaxTab]->setObjectName(QStringLiteral("taxTable"));
    m_tabs->addTab(buildComparisonTab(), tr("Year-over-Year"));
    m_tabs->addTab(m_tables[AccountTab], tr("Account Summary"));
    layout->addWidget(m_tabs, 1);

    fillAccounts();
    connect(m_period, &QComboBox::currentIndexChanged, this, &ReportsScreen::onDatePresetChanged);
    connect(m_account, &QComboBox::currentIndexChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_from, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_to, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_includeTransfers, &QCheckBox::toggled, this, &ReportsScreen::onFilterChanged);
    connect(exportButton, &QPushButton::clicked, this, &ReportsScreen::exportCurrentTab);
    // The first preset applies without running: the window runs the reports when shown.
    m_guard = true;
    onDatePresetChanged(0);
    m_guard = false;
}

ReportsScreen::~ReportsScreen() = default;

QWidget *ReportsScreen::withChart(QTableWidget *table, QWidget *chart)
{
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(table);
    splitter->addWidget(chart);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    return splitter;
}

QWidget *ReportsScreen::buildComparisonTab()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *row = new QHBoxLayout;
    m_comparison = new QComboBox(page);
    for (const auto &preset : ReportPresets::comparisons(m_today())) {
        m_comparison->addItem(preset.label);
    }
    m_comparisonSummary = new QLabel(page);
    m_comparisonSummary->setStyleSheet(QStringLiteral("color: #6E8A7E;"));
    m_customComparison = new QWidget(page);
    auto *custom = new QHBoxLayout(m_customComparison);
    custom->setContentsMargins(0, 0, 0, 0);
    const int year = m_today().year();
    const QDate initial[4] = {QDate(year - 1, 1, 1), QDate(year - 1, 12, 31), QDate(year, 1, 1),
                              m_today()};
    for (int i = 0; i < 4; ++i) {
        m_compare[i] = dateEdit(m_customComparison);
        m_compare[i]->setDate(initial[i]);
        if (i % 2 == 0) {
            custom->addWidget(new QLabel(i == 0 ? tr("P1:") : tr("P2:"), m_customComparison));
        }
        custom->addWidget(m_compare[i]);
        connect(m_compare[i], &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    }
    m_customComparison->hide();
    row->addWidget(new QLabel(tr("Compare:"), page));
    row->addWidget(m_comparison);
    row->addWidget(m_comparisonSummary);
    row->addWidget(m_customComparison);
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(m_tables[ComparisonTab]);
    connect(m_comparison, &QComboBox::currentIndexChanged, this,
            &ReportsScreen::onComparisonPresetChanged);
    onComparisonPresetChanged(0);
    return page;
}

void ReportsScreen::fillAccounts()
{
    const bool guard = m_guard;
    m_guard = true;
    const QString selected = m_account->currentData().toString();
    m_account->clear();
    m_account->addItem(tr("All Accounts"), QString());
    for (const Account &account : m_state->accountRepository()->findAll()) {
        m_account->addItem(account.name, account.id);
    }
    m_account->setCurrentIndex(std::max(0, m_account->findData(selected)));
    m_guard = guard;
}

QDate ReportsScreen::fromDate() const
{
    return m_from->date();
}

QDate ReportsScreen::toDate() const
{
    return m_to->date();
}

QString ReportsScreen::rangeText() const
{
    return m_range->text();
}

void ReportsScreen::onDatePresetChanged(int index)
{
    const QList<ReportPresets::Period> presets = ReportPresets::periods(m_today());
    const bool custom = index == int(presets.size()) - 1;
    m_from->setVisible(custom);
    m_to->setVisible(custom);
    m_range->setVisible(!custom);
    if (!custom && index >= 0) {
        const bool guard = m_guard;
        m_guard = true;
        m_from->setDate(presets[index].from);
        m_to->setDate(presets[index].to);
        m_guard = guard;
        m_range->setText(QStringLiteral("%1 \u2013 %2")
                             .arg(shortDate(presets[index].from), shortDate(presets[index].to)));
    }
    if (!m_guard) {
        runReport();
    }
}

void ReportsScreen::onComparisonPresetChanged(int index)
{
    const QList<ReportPresets::Comparison> presets = ReportPresets::comparisons(m_today());
    const bool custom = index == int(presets.size()) - 1;
    m_customComparison->setVisible(custom);
    m_comparisonSummary->setVisible(!custom);
    if (!custom && index >= 0) {
        const ReportPresets::Comparison &c = presets[index];
        const bool guard = m_guard;
        m_guard = true;
        const QDate dates[4] = {c.from1, c.to1, c.from2, c.to2};
        for (int i = 0; i < 4; ++i) {
            m_compare[i]->setDate(dates[i]);
        }
        m_guard = guard;
        m_comparisonSummary->setText(
            tr("P1: %1 \u2013 %2    P2: %3 \u2013 %4")
                .arg(shortDate(c.from1), shortDate(c.to1), shortDate(c.from2), shortDate(c.to2)));
    }
    if (!m_guard) {
        runReport();
    }
}

void ReportsScreen::onFilterChanged()
{
    if (!m_guard) {
        runReport();
    }
}

void ReportsScreen::refresh()
{
    fillAccounts();
    runReport();
}

void ReportsScreen::fill(Tab tab, const ReportTable &report)
{
    QTableWidget *table = m_tables[tab];
    table->clear();
    table->setColumnCount(int(report.headers.size()));
    table->setHorizontalHeaderLabels(report.headers);
    table->setRowCount(int(report.rows.size()));
    // Money columns: every column but the first, except the tax code and the count.
    for (int r = 0; r < report.rows.size(); ++r) {
        for (int c = 0; c < report.rows[r].size(); ++c) {
            auto *item = new QTableWidgetItem(report.rows[r][c]);
            const bool text = c == 0 || (tab == TaxTab && c != 2) || (tab == AccountTab && c == 1);
            const bool count = tab == PayeeTab && c == 2;
            if (!text && !count) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            table->setItem(r, c, item);
        }
    }
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    if (tab == TaxTab) {
        // The stored key is for the exported file; the table shows the code's name.
        table->setColumnHidden(3, true);
    }
}

void ReportsScreen::runReport()
{
    ReportRequest request;
    request.accountId = m_account->currentData().toString();
    request.from = m_from->date();
    request.to = m_to->date();
    request.compareFrom1 = m_compare[0]->date();
    request.compareTo1 = m_compare[1]->date();
    request.compareFrom2 = m_compare[2]->date();
    request.compareTo2 = m_compare[3]->date();
    request.includeTransfers = m_includeTransfers->isChecked();
    const ReportResults results = m_runner->run(request);
    // One account's reports are in its money; across accounts, in the default currency.
    Currency currency = Currency::USD;
    if (const auto account = m_state->accountRepository()->findById(request.accountId)) {
        currency = account->currency;
    }
    fill(CategoryTab, ReportTable::categorySpending(results.categorySpending, currency));
    fill(PayeeTab, ReportTable::payeeSummary(results.payeeSummary, currency));
    fill(TaxTab, ReportTable::taxReport(results.taxReport));
    fill(CashFlowTab, ReportTable::cashFlow(results.cashFlow, currency));
    fill(ComparisonTab, ReportTable::yearOverYear(results.comparison, currency));
    fill(AccountTab, ReportTable::accountSummary(results.accountSummary));
    updateCharts(results.categorySpending, results.cashFlow, currency);
}

void ReportsScreen::updateCharts(const QList<CategoryAmount> &rows,
                                 const QList<MonthlyCashFlow> &flows, Currency currency)
{
    updateSpendingChart(PieSummary::build(rows, kMaxPieSlices, tr("Other")), currency);
    updateCashFlowChart(flows, currency);
}

void ReportsScreen::updateSpendingChart(const QList<PieSlice> &slices, Currency currency)
{
    const QColor text = palette().color(QPalette::WindowText);
    QChart *spending = m_spendingChart->chart();
    spending->removeAllSeries();
    auto *pie = new QPieSeries(spending);
    pie->setPieSize(0.62);
    for (const PieSlice &slice : slices) {
        QPieSlice *item = pie->append(slice.name, double(slice.amount));
        item->setColor(slice.color);
        item->setBorderColor(palette().color(QPalette::Base));
        // Only the large slices carry their name; the legend names every one.
        if (slice.share >= PieSummary::kLabelledShare) {
            item->setLabelVisible(true);
            item->setLabelColor(text);
            item->setLabelArmLengthFactor(0.08);
        }
    }
    spending->addSeries(pie);
    spending->legend()->hide();
    spending->setTitle(tr("Spending by category"));
    spending->setTitleBrush(text);
    m_spendingLegend->setSlices(slices, currency);
}

void ReportsScreen::updateCashFlowChart(const QList<MonthlyCashFlow> &flows, Currency currency)
{
    const QColor text = palette().color(QPalette::WindowText);
    QChart *flow = m_cashFlowChart->chart();
    flow->removeAllSeries();
    for (QAbstractAxis *axis : flow->axes()) {
        flow->removeAxis(axis);
        delete axis;
    }
    auto *income = new QBarSet(tr("Income"));
    auto *expenses = new QBarSet(tr("Expenses"));
    income->setColor(ThemeColors::positiveAmount());
    expenses->setColor(ThemeColors::negativeAmount());
    QStringList months;
    qint64 highest = 0;
    for (const MonthlyCashFlow &row : flows) {
        months << DisplayDates::monthKey(row.month);
        *income << double(row.income);
        *expenses << double(-row.expenses);
        highest = std::max({highest, row.income, -row.expenses});
    }
    auto *bars = new QBarSeries(flow);
    bars->append({income, expenses});
    flow->addSeries(bars);
    auto *x = new QBarCategoryAxis(flow);
    x->append(months);
    x->setLabelsColor(text);
    if (months.size() > 2) {
        x->setLabelsAngle(-45); // "Nov 2026" side by side fits level for two months only
    }
    flow->addAxis(x, Qt::AlignBottom);
    bars->attachAxis(x);
    QCategoryAxis *y = moneyAxis(MoneyAxisScale::covering(0, highest, currency), currency);
    y->setLabelsColor(text);
    flow->addAxis(y, Qt::AlignLeft);
    bars->attachAxis(y);
    flow->setTitle(tr("Income and expenses by month"));
    flow->setTitleBrush(text);
    flow->legend()->setLabelColor(text);
}

QCategoryAxis *ReportsScreen::moneyAxis(const MoneyAxisScale &scale, Currency currency)
{
    auto *axis = new QCategoryAxis(m_cashFlowChart->chart());
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(double(scale.minimum), double(scale.maximum));
    axis->setStartValue(double(scale.minimum));
    for (const qint64 tick : scale.ticks) {
        axis->append(MoneyAxisScale::label(tick, currency), double(tick));
    }
    return axis;
}

QStringList ReportsScreen::cashFlowTickLabels() const
{
    for (QAbstractAxis *axis : m_cashFlowChart->chart()->axes(Qt::Vertical)) {
        if (auto *category = qobject_cast<QCategoryAxis *>(axis)) {
            return category->categoriesLabels();
        }
    }
    return {};
}

QStringList ReportsScreen::cashFlowMonths() const
{
    for (QAbstractAxis *axis : m_cashFlowChart->chart()->axes(Qt::Horizontal)) {
        if (auto *category = qobject_cast<QBarCategoryAxis *>(axis)) {
            return category->categories();
        }
    }
    return {};
}

QString ReportsScreen::csvFileName(Tab tab)
{
    static const char *const names[] = {"category_spending.csv", "payee_summary.csv",
                                        "tax_report.csv",        "cash_flow.csv",
                                        "year_over_year.csv",    "account_summary.csv"};
    return QString::fromLatin1(names[tab]);
}

void ReportsScreen::exportCurrentTab()
{
    const Tab tab = Tab(m_tabs->currentIndex());
    QTableWidget *table = m_tables[tab];
    if (table->rowCount() == 0) {
        return;
    }
    const QString path = m_chooseFile(this, csvFileName(tab));
    if (path.isEmpty()) {
        return;
    }
    ReportTable report;
    for (int c = 0; c < table->columnCount(); ++c) {
        report.headers << table->horizontalHeaderItem(c)->text();
    }
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList fields;
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem *item = table->item(r, c);
            fields << (item ? item->text() : QString());
        }
        report.rows << fields;
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        file.write(report.toCsv().toUtf8());
    }
}
