#include "importscreen.h"

#include "accountformdialog.h"
#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/datetimes.h"
#include "data/identifiers.h"
#include "data/transactionrepository.h"
#include "importpreviewtable.h"
#include "register/themecolors.h"
#include "services/accountservice.h"
#include "services/categoryservice.h"
#include "services/importservice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString kCreate = QStringLiteral("__create__");
const QString kSkip = QStringLiteral("__skip__");
enum ColumnCombo
{
    DateCombo,
    PayeeCombo,
    AmountCombo,
    MemoCombo,
    CategoryCombo,
    DepositCombo
};

bool isOptional(int combo)
{
    return combo >= MemoCombo;
}

const QString kBoldTitle = QStringLiteral("QGroupBox { font-weight: bold; }");

QFont weighted(QFont font, int points, QFont::Weight weight)
{
    if (points > 0) {
        font.setPointSize(points);
    }
    font.setWeight(weight);
    return font;
}

} // namespace

ImportScreen::ImportScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_chooseFile([](QWidget *parentWidget, const QString &filter) {
        return QFileDialog::getOpenFileName(parentWidget, tr("Select File"), QString(), filter);
    })
    , m_question(Prompts::yesNo(QMessageBox::Yes))
    , m_runDialog(Prompts::modal())
{
    auto *layout = new QVBoxLayout(this);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildForm());
    auto *summaryPage = new QWidget(this);
    auto *summaryLayout = new QVBoxLayout(summaryPage);
    m_summary = new QLabel(summaryPage);
    m_summary->setFont(weighted(m_summary->font(), 14, QFont::Normal));
    auto *done = new QPushButton(tr("Done"), summaryPage);
    connect(done, &QPushButton::clicked, this, [this] {
        emit importCompleted();
        reset();
        window()->close();
    });
    summaryLayout->addWidget(m_summary);
    summaryLayout->addWidget(done, 0, Qt::AlignLeft);
    summaryLayout->addStretch();
    m_pages->addWidget(summaryPage);
    layout->addWidget(m_pages);
    reloadAccounts();
    reset();
}

QWidget *ImportScreen::buildForm()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    auto *heading = new QLabel(tr("Import Transactions"), page);
    heading->setFont(weighted(heading->font(), 16, QFont::Bold));
    layout->addWidget(heading);
    auto *form = new QFormLayout;
    auto *formats = new QHBoxLayout;
    m_csv = new QRadioButton(tr("CSV"), page);
    m_qif = new QRadioButton(tr("QIF"), page);
    m_csv->setChecked(true);
    formats->addWidget(m_csv);
    formats->addWidget(m_qif);
    formats->addStretch();
    connect(m_csv, &QRadioButton::toggled, this, &ImportScreen::onFormatChanged);
    m_account = new QComboBox(page);
    // Amounts are read as the target account's money.
    connect(m_account, &QComboBox::currentIndexChanged, this, &ImportScreen::updateCsvPreview);
    auto *fileRow = new QHBoxLayout;
    m_fileLabel = new QLabel(page);
    auto *browse = new QPushButton(tr("Browse..."), page);
    connect(browse, &QPushButton::clicked, this, &ImportScreen::selectFile);
    fileRow->addWidget(m_fileLabel, 1);
    fileRow->addWidget(browse);
    auto *formatLabel = new QLabel(tr("&Format:"), page);
    formatLabel->setBuddy(m_csv);
    form->addRow(formatLabel, formats);
    form->addRow(tr("&Account:"), m_account);
    form->addRow(tr("File:"), fileRow);
    layout->addLayout(form);

    layout->addWidget(buildCsvGroup(page), 1);
    m_qifGroup = new QGroupBox(tr("QIF source accounts:"), page);
    m_qifGroup->setStyleSheet(kBoldTitle);
    auto *qifLayout = new QVBoxLayout(m_qifGroup);
    auto *note = new QLabel(tr("This file contains multiple accounts. Choose where each should "
                               "be imported."),
                            m_qifGroup);
    note->setWordWrap(true);
    qifLayout->addWidget(note);
    m_qifRows = new QVBoxLayout;
    m_qifRows->setObjectName(QStringLiteral("qifMapRowsLayout"));
    qifLayout->addLayout(m_qifRows);
    layout->addWidget(m_qifGroup);
    layout->addWidget(buildQifPreview(page), 1);
    // Keeps the heading and the form at the top while no preview is shown.
    layout->addStretch();

    auto *import = new QPushButton(tr("Import"), page);
    connect(import, &QPushButton::clicked, this, &ImportScreen::runImport);
    layout->addWidget(import, 0, Qt::AlignRight);
    return page;
}

QWidget *ImportScreen::buildCsvGroup(QWidget *page)
{
    m_csvGroup = new QGroupBox(tr("CSV Column Mapping:"), page);
    // A style sheet's font, unlike setFont, is not inherited by the rows inside the box.
    m_csvGroup->setStyleSheet(kBoldTitle);
    auto *csvLayout = new QVBoxLayout(m_csvGroup);
    auto *columns = new QHBoxLayout;
    auto *csvForm = new QFormLayout;
    auto *moreForm = new QFormLayout;
    const char *labels[] = {QT_TR_NOOP("Date column:"),     QT_TR_NOOP("Payee column:"),
                            QT_TR_NOOP("Amount column:"),   QT_TR_NOOP("Memo column:"),
                            QT_TR_NOOP("Category column:"), QT_TR_NOOP("Deposit column:")};
    for (int i = 0; i < kColumnCombos; ++i) {
        m_columns[i] = new QComboBox(m_csvGroup);
        (i < 3 ? csvForm : moreForm)->addRow(tr(labels[i]), m_columns[i]);
        connect(m_columns[i], &QComboBox::currentIndexChanged, this,
                &ImportScreen::updateCsvPreview);
    }
    m_columns[DepositCombo]->setToolTip(
        tr("For files with separate columns for money in and money out: the amount column then "
           "holds the money out"));
    m_dateFormat = new QComboBox(m_csvGroup);
    m_dateFormat->addItems({QStringLiteral("MM/dd/yyyy"), QStringLiteral("dd/MM/yyyy"),
                            QStringLiteral("yyyy-MM-dd"), QStringLiteral("MM/dd/yy"),
                            QStringLiteral("M/d/yyyy")});
    // Only a choice made by hand counts as picked; the file's own guess may change later.
    connect(m_dateFormat, &QComboBox::activated, this, [this] { m_formatPicked = true; });
    connect(m_dateFormat, &QComboBox::currentIndexChanged, this, &ImportScreen::updateCsvPreview);
    m_header = new QCheckBox(tr("First row is header"), m_csvGroup);
    connect(m_header, &QCheckBox::toggled, this, &ImportScreen::loadCsvPreview);
    csvForm->addRow(tr("Date format:"), m_dateFormat);
    moreForm->addRow(m_header);
    columns->addLayout(csvForm, 1);
    columns->addSpacing(24);
    columns->addLayout(moreForm, 1);
    csvLayout->addLayout(columns);
    m_formatNote = new QLabel(m_csvGroup);
    m_formatNote->setWordWrap(true);
    csvLayout->addWidget(m_formatNote);
    m_preview = new ImportPreviewTable(m_csvGroup);
    csvLayout->addWidget(m_preview, 1);
    return m_csvGroup;
}

QWidget *ImportScreen::buildQifPreview(QWidget *page)
{
    m_qifPreviewGroup = new QGroupBox(tr("First records in the file:"), page);
    m_qifPreviewGroup->setStyleSheet(kBoldTitle);
    auto *layout = new QVBoxLayout(m_qifPreviewGroup);
    m_qifPreview = new ImportPreviewTable(m_qifPreviewGroup);
    layout->addWidget(m_qifPreview);
    m_qifPreviewGroup->hide();
    return m_qifPreviewGroup;
}

void ImportScreen::reloadAccounts()
{
    const QString selected = m_account->currentData().toString();
    m_account->clear();
    for (const Account &account : m_state->accountRepository()->findAll()) {
        m_account->addItem(account.name, account.id);
    }
    const int index = m_account->findData(selected);
    if (index >= 0) {
        m_account->setCurrentIndex(index);
    }
}

void ImportScreen::reset()
{
    m_path.clear();
    m_fileLabel->setText(tr("No file selected"));
    m_csv->setChecked(true);
    m_rows.clear();
    {
        const QSignalBlocker block(m_header);
        m_header->setChecked(true);
    }
    fillColumnCombos();
    m_formatPicked = false;
    m_formatNote->clear();
    m_preview->clearPreview();
    m_qifPreview->clearPreview();
    m_qifPreviewGroup->hide();
    clearQifRows();
    m_pages->setCurrentIndex(0);
    onFormatChanged();
}

void ImportScreen::onFormatChanged()
{
    const bool csv = m_csv->isChecked();
    m_csvGroup->setVisible(csv);
    m_qifPreviewGroup->setVisible(!csv && m_qifPreview->rowCount() > 0);
    if (csv) {
        clearQifRows();
    }
}

void ImportScreen::clearQifRows()
{
    while (QLayoutItem *item = m_qifRows->takeAt(0)) {
        if (QWidget *row = item->widget()) {
            delete row;
        }
        delete item;
    }
    m_qifGroup->hide();
}

QList<QComboBox *> ImportScreen::qifMappingCombos() const
{
    QList<QComboBox *> combos;
    for (int i = 0; i < m_qifRows->count(); ++i) {
        if (QWidget *row = m_qifRows->itemAt(i)->widget()) {
            combos << row->findChild<QComboBox *>();
        }
    }
    return combos;
}

void ImportScreen::selectFile()
{
    const QString path =
        m_chooseFile(this, m_qif->isChecked() ? tr("QIF Files (*.qif)")
                                              : tr("CSV Files (*.csv);;All Files (*)"));
    if (!path.isEmpty()) {
        loadFile(path);
    }
}

void ImportScreen::loadFile(const QString &path)
{
    m_path = path;
    m_fileLabel->setText(QFileInfo(path).fileName());
    clearQifRows();
    if (m_qif->isChecked()) {
        // Read as the import reads it, so the preview shows what will be imported.
        const QifScan scan =
            m_state->importService()->scanQifAccounts(path, ImportPreviewTable::kQifRecords);
        if (!scan.accounts.isEmpty()) {
            buildQifRows(scan.accounts);
            m_qifGroup->show();
        }
        showQifPreview(scan.preview);
        return;
    }
    loadCsvPreview();
}

void ImportScreen::chooseFile(const QString &path)
{
    const bool qif =
        QFileInfo(path).suffix().compare(QLatin1String("qif"), Qt::CaseInsensitive) == 0;
    (qif ? m_qif : m_csv)->setChecked(true);
    loadFile(path);
}

void ImportScreen::showQifPreview(const QList<QifTransaction> &records)
{
    m_qifPreview->showQif(records);
    m_qifPreviewGroup->setVisible(m_qif->isChecked() && !records.isEmpty());
}

void ImportScreen::loadCsvPreview()
{
    if (m_path.isEmpty() || !m_csv->isChecked()) {
        return;
    }
    // The import's own reader: a Windows-1252 file shows its accents as they will be stored, and
    // a file of a million rows is not read beyond what the preview shows (plus its header).
    m_rows = ImportService::previewCsv(m_path, ImportPreviewTable::kRows + 1);
    if (m_rows.isEmpty()) {
        return;
    }
    fillColumnCombos();
    guessDateFormat();
    updateCsvPreview();
}

void ImportScreen::fillColumnCombos()
{
    const QStringList first = m_rows.value(0);
    const int columns = int(first.size());
    for (int combo = 0; combo < kColumnCombos; ++combo) {
        const QSignalBlocker block(m_columns[combo]);
        const int keep = m_columns[combo]->currentIndex();
        m_columns[combo]->clear();
        if (isOptional(combo)) {
            m_columns[combo]->addItem(tr("(none)"), -1);
        }
        for (int i = 0; i < columns; ++i) {
            m_columns[combo]->addItem(tr("Col %1: %2").arg(i).arg(first.value(i)), i);
        }
        m_columns[combo]->setCurrentIndex(
            isOptional(combo) && keep < 0
                ? 0
                : std::max(0, std::min(keep, m_columns[combo]->count() - 1)));
    }
    if (columns >= 3) {
        for (int combo = DateCombo; combo <= AmountCombo; ++combo) {
            const QSignalBlocker block(m_columns[combo]);
            m_columns[combo]->setCurrentIndex(m_columns[combo]->findData(combo));
        }
    }
}

CsvColumnMapping ImportScreen::csvMapping() const
{
    CsvColumnMapping mapping;
    mapping.dateColumn = m_columns[DateCombo]->currentData().toInt();
    mapping.payeeColumn = m_columns[PayeeCombo]->currentData().toInt();
    mapping.amountColumn = m_columns[AmountCombo]->currentData().toInt();
    mapping.memoColumn = m_columns[MemoCombo]->currentData().toInt();
    mapping.categoryColumn = m_columns[CategoryCombo]->currentData().toInt();
    mapping.depositColumn = m_columns[DepositCombo]->currentData().toInt();
    mapping.hasHeader = m_header->isChecked();
    mapping.dateFormat = m_dateFormat->currentText();
    if (const auto account =
            m_state->accountRepository()->findById(m_account->currentData().toString())) {
        mapping.currency = account->currency;
    }
    return mapping;
}

void ImportScreen::guessDateFormat()
{
    const QString sample = CsvPreview::firstDate(m_rows, csvMapping());
    if (m_formatPicked || sample.isEmpty() ||
        QDate::fromString(sample, m_dateFormat->currentText()).isValid()) {
        return; // the user's own choice, nothing to go by, or the format already reads the file
    }
    QStringList formats;
    for (int i = 0; i < m_dateFormat->count(); ++i) {
        formats << m_dateFormat->itemText(i);
    }
    const int reading = CsvPreview::formatReading(sample, formats);
    if (reading >= 0) {
        const QSignalBlocker block(m_dateFormat);
        m_dateFormat->setCurrentIndex(reading);
    }
}

void ImportScreen::updateCsvPreview()
{
    if (m_rows.isEmpty()) {
        return;
    }
    const CsvColumnMapping mapping = csvMapping();
    const QString sample = CsvPreview::firstDate(m_rows, mapping);
    const bool reads = sample.isEmpty() || QDate::fromString(sample, mapping.dateFormat).isValid();
    m_formatNote->setText(
        reads ? tr("Dates are read as %1.").arg(mapping.dateFormat)
              : tr("Dates are read as %1, which cannot read \"%2\" in the first row: choose "
                   "another date format.")
                    .arg(mapping.dateFormat, sample));
    m_formatNote->setStyleSheet(
        reads ? QString() : QStringLiteral("color: %1;").arg(ThemeColors::warning().name()));
    m_preview->showCsv(
        mapping.hasHeader ? m_rows.first() : QStringList(), int(m_rows.first().size()),
        CsvPreview::read(m_rows, mapping, ImportPreviewTable::kRows), mapping.currency);
}

QString ImportScreen::dateFormatNote() const
{
    return m_formatNote->text();
}

void ImportScreen::buildQifRows(const QStringList &sources)
{
    const QList<Account> accounts = m_state->accountRepository()->findAll();
    for (const QString &source : sources) {
        auto *row = new QWidget(m_qifGroup);
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *label = new QLabel(source, row);
        auto *combo = new QComboBox(row);
        combo->addItem(tr("\u2014 Create new account \"%1\" \u2014").arg(source), kCreate);
        combo->addItem(tr("\u2014 Skip these transactions \u2014"), kSkip);
        int preselect = 0;
        for (const Account &account : accounts) {
            combo->addItem(account.name, account.id);
            if (preselect == 0 && account.name.compare(source, Qt::CaseInsensitive) == 0) {
                preselect = combo->count() - 1;
            }
        }
        combo->setCurrentIndex(preselect);
        combo->setProperty("source", source);
        layout->addWidget(label);
        layout->addWidget(combo, 1);
        m_qifRows->addWidget(row);
    }
}

QString ImportScreen::askForTargetAccount()
{
    if (!m_question(this, tr("No target account"),
                    tr("This file doesn't declare its own accounts, so you need a target account "
                       "to import into. Create one now?"))) {
        return {};
    }
    AccountFormDialog dialog(this);
    if (!m_runDialog(&dialog)) {
        return {};
    }
    Account account = dialog.account();
    if (account.name.isEmpty()) {
        return {};
    }
    if (!m_state->accountService()->create(account, dialog.asOfDate())) {
        return {};
    }
    reloadAccounts();
    m_account->setCurrentIndex(m_account->findData(account.id));
    return account.id;
}

QHash<QString, QString> ImportScreen::qifMapping()
{
    QHash<QString, QString> mapping;
    for (QComboBox *combo : qifMappingCombos()) {
        const QString source = combo->property("source").toString();
        const QString choice = combo->currentData().toString();
        if (choice == kSkip) {
            mapping.insert(source, QString());
        } else if (choice == kCreate) {
            Account account;
            account.id = Identifiers::newId();
            account.name = source;
            const bool created = m_state->accountService()->create(account, QDate::currentDate());
            mapping.insert(source, created ? account.id : QString());
        } else {
            mapping.insert(source, choice);
        }
    }
    return mapping;
}

void ImportScreen::runImport()
{
    if (m_path.isEmpty()) {
        return;
    }
    const bool qif = m_qif->isChecked();
    QString target = m_account->currentData().toString();
    if (target.isEmpty() && !(qif && !qifMappingCombos().isEmpty())) {
        target = askForTargetAccount();
        if (target.isEmpty()) {
            return;
        }
    }
    QProgressDialog progress(tr("Importing..."), QString(), 0, 0, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    ImportService *service = m_state->importService();
    const QMetaObject::Connection started =
        connect(service, &ImportService::importStarted, &progress, [&progress](int total) {
            progress.setMaximum(total);
            progress.setValue(0);
        });
    const QMetaObject::Connection advanced = connect(
        service, &ImportService::importProgress, &progress, [&progress](int current, int total) {
            progress.setMaximum(total);
            progress.setValue(current);
        });
    ImportResult result;
    if (qif) {
        result = service->importQif(m_path, qifMapping(), target);
    } else {
        CsvColumnMapping mapping = csvMapping();
        if (const auto account = m_state->accountRepository()->findById(target)) {
            mapping.currency = account->currency;
        }
        result = service->importCsv(m_path, target, mapping);
    }
    disconnect(started);
    disconnect(advanced);
    progress.close();
    m_summary->setText(summaryLines(result).join(QLatin1Char('\n')));
    m_pages->setCurrentIndex(1);
}

QStringList ImportScreen::summaryLines(const ImportResult &r)
{
    if (!r.error.isEmpty()) {
        return {tr("Import failed"), QString(), r.error};
    }
    QStringList lines{tr("Import complete!"), QString(),
                      tr("%n transaction(s) imported", nullptr, r.imported)};
    const std::pair<int, const char *> optional[] = {
        {r.duplicates, QT_TR_N_NOOP("%n duplicate(s) skipped")},
        {r.unparseable, QT_TR_N_NOOP("%n record(s) skipped (unparseable)")},
        {r.metadataSkipped, QT_TR_N_NOOP("%n metadata record(s) skipped")},
        {r.unmappedSkipped, QT_TR_N_NOOP("%n record(s) skipped (unmapped source account)")}};
    for (const auto &[count, text] : optional) {
        if (count >= 1) {
            lines << tr(text, nullptr, count);
        }
    }
    return lines;
}

QString ImportScreen::summaryText() const
{
    return m_summary->text();
}

int ImportScreen::currentPage() const
{
    return m_pages->currentIndex();
}
