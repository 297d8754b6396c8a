#pragma once

#include "register/prompts.h"
#include "services/qifrecords.h"

#include <QWidget>

#include <functional>

class AppState;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialog;
class ImportPreviewTable;
class QGroupBox;
class QLabel;
class QRadioButton;
class QStackedWidget;
class QTableWidget;
class QVBoxLayout;
struct CsvColumnMapping;
struct ImportResult;

// Picks a CSV or QIF file, maps its columns or source accounts, runs the import with a progress
// dialog and shows a summary.
class ImportScreen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImportScreen)

public:
    using FileChooser = std::function<QString(QWidget *parent, const QString &filter)>;
    using Question = Prompts::Question;
    using DialogRunner = Prompts::DialogRunner;

    explicit ImportScreen(AppState *state, QWidget *parent = nullptr);

    // Takes this file as if chosen with "Browse...".
    void loadFile(const QString &path);
    // Takes this file in the format its name says (".qif" is QIF, anything else CSV), as when a
    // file manager opens one with the program.
    void chooseFile(const QString &path);
    QString filePath() const { return m_path; }
    void reset();
    void reloadAccounts();
    static QStringList summaryLines(const ImportResult &result);

    QRadioButton *csvButton() const { return m_csv; }
    QRadioButton *qifButton() const { return m_qif; }
    QComboBox *accountCombo() const { return m_account; }
    QComboBox *columnCombo(int index) const { return m_columns[index]; }
    QCheckBox *headerBox() const { return m_header; }
    // Date, Payee, Amount, Memo, Category, Deposit.
    static constexpr int kColumnCombos = 6;
    ImportPreviewTable *preview() const { return m_preview; }
    ImportPreviewTable *qifPreview() const { return m_qifPreview; }
    QComboBox *dateFormatCombo() const { return m_dateFormat; }
    // Which date format the preview reads with, and why.
    QString dateFormatNote() const;
    QList<QComboBox *> qifMappingCombos() const;
    QString summaryText() const;
    int currentPage() const;

    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    void setQuestion(Question question) { m_question = std::move(question); }
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

signals:
    void importCompleted();

public slots:
    void selectFile();
    void runImport();

private:
    QWidget *buildForm();
    void onFormatChanged();
    QWidget *buildCsvGroup(QWidget *page);
    QWidget *buildQifPreview(QWidget *page);
    void loadCsvPreview();
    void showQifPreview(const QList<QifTransaction> &records);
    void fillColumnCombos();
    // While the user has not picked a date format, takes the first one that reads the first data
    // row when the default does not. A format the user picked is never changed.
    void guessDateFormat();
    void updateCsvPreview();
    CsvColumnMapping csvMapping() const;
    void buildQifRows(const QStringList &sources);
    void clearQifRows();
    QString askForTargetAccount();
    QHash<QString, QString> qifMapping();

    AppState *m_state;
    QString m_path;
    QStackedWidget *m_pages = nullptr;
    QRadioButton *m_csv = nullptr;
    QRadioButton *m_qif = nullptr;
    QComboBox *m_account = nullptr;
    QLabel *m_fileLabel = nullptr;
    QGroupBox *m_csvGroup = nullptr;
    QComboBox *m_columns[kColumnCombos] = {};
    QComboBox *m_dateFormat = nullptr;
    bool m_formatPicked = false;
    QLabel *m_formatNote = nullptr;
    QCheckBox *m_header = nullptr;
    ImportPreviewTable *m_preview = nullptr;
    QList<QStringList> m_rows;
    QGroupBox *m_qifPreviewGroup = nullptr;
    ImportPreviewTable *m_qifPreview = nullptr;
    QGroupBox *m_qifGroup = nullptr;
    QVBoxLayout *m_qifRows = nullptr;
    QLabel *m_summary = nullptr;
    FileChooser m_chooseFile;
    Question m_question;
    DialogRunner m_runDialog;
};
