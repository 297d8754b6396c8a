#include "settingsscreen.h"

#include "app/appstate.h"
#include "datasyncpage.h"
#include "register/themecolors.h"
#include "services/settingsservice.h"
#include "settingspage.h"
#include "thememanager.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QScrollArea>
#include <QSettings>
#include <QStackedWidget>

namespace {

const QString kLanguageKey = QStringLiteral("ui/language");

// A navigation icon: one glyph of the icon font in the list's icon colour.
QIcon glyphIcon(char16_t glyph)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font(QStringLiteral("Material Icons"));
    font.setPixelSize(20);
    painter.setFont(font);
    painter.setPen(QColor(ThemeColors::isDark() ? "#8FAF9F" : "#4A6358"));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(glyph)));
    return QIcon(pixmap);
}

QString navigationStyle()
{
    const bool dark = ThemeColors::isDark();
    return QStringLiteral("QListWidget {  background: %1;  border: none;  padding: 12px 8px;}"
                          "QListWidget::item {  color: %2;  padding: 8px 12px;  border-radius: "
                          "6px;}QListWidget::item:hover {  background: %3;}"
                          "QListWidget::item:selected {  background: %4;  color: %5;}")
        .arg(dark ? QStringLiteral("#152420") : QStringLiteral("#F0F4F2"),
             dark ? QStringLiteral("#D8E8DF") : QStringLiteral("#1B2D26"),
             dark ? QStringLiteral("#1E3530") : QStringLiteral("#E0EBE5"),
             dark ? QStringLiteral("#26574A") : QStringLiteral("#00897B"),
             QStringLiteral("#FFFFFF"));
}

QCheckBox *checkWithNote(const QString &text, const QString &note, QVBoxLayout *layout,
                         QWidget *parent)
{
    auto *check = new QCheckBox(text, parent);
    layout->addWidget(check);
    QLabel *label = SettingsPage::note(note, parent);
    label->setContentsMargins(24, 0, 0, 0);
    layout->addWidget(label);
    return check;
}

} // namespace

SettingsScreen::SettingsScreen(AppState *state, ThemeManager *theme, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_themeManager(theme)
    , m_inform(Prompts::information())
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildNavigation());
    m_pages = new QStackedWidget(this);
    m_dataSync = new DataSyncPage(state, this);
    for (SettingsPage *page : {buildGeneralPage(), buildRegisterPage(),
                               static_cast<SettingsPage *>(nullptr), buildAboutPage()}) {
        m_pages->addWidget(page ? static_cast<QWidget *>(page) : m_dataSync);
        if (page) {
            m_styledPages << page;
        }
    }
    // On a small screen (or at a large scale factor) the pages scroll rather than push the
    // window's buttons off the screen.
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(m_pages);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scroll, 1);
    connect(m_navigation, &QListWidget::currentRowChanged, m_pages,
            &QStackedWidget::setCurrentIndex);
    connect(m_dataSync, &DataSyncPage::dataRestored, this, &SettingsScreen::deletedAccountRestored);
    if (m_themeManager) {
        connect(m_themeManager, &ThemeManager::themeChanged, this, &SettingsScreen::restyle);
    }
    m_navigation->setCurrentRow(0);
    refresh();
}

QWidget *SettingsScreen::buildNavigation()
{
    m_navigation = new QListWidget(this);
    m_navigation->setFixedWidth(180);
    m_navigation->setIconSize(QSize(20, 20));
    const std::pair<QString, char16_t> items[] = {{tr("General"), 0xE8B8},
                                                  {tr("Register"), 0xE8EF},
                                                  {tr("Data & Sync"), 0xE627},
                                                  {tr("About"), 0xE88E}};
    for (const auto &[text, glyph] : items) {
        auto *item = new QListWidgetItem(glyphIcon(glyph), text, m_navigation);
        item->setData(Qt::UserRole, int(glyph));
    }
    m_navigation->setStyleSheet(navigationStyle());
    return m_navigation;
}

SettingsPage *SettingsScreen::buildGeneralPage()
{
    auto *page = new SettingsPage(tr("General"), tr("Control how Varnaby Ledgerwell looks."));
    auto *appearance = new QFormLayout;
    page->addSection(tr("Appearance"), QString())->addLayout(appearance);
    m_theme = new QComboBox(page);
    m_theme->addItem(tr("System Default"), QStringLiteral("system"));
    m_theme->addItem(tr("Light"), QStringLiteral("light"));
    m_theme->addItem(tr("Dark"), QStringLiteral("dark"));
    appearance->addRow(tr("Theme"), m_theme);

    auto *regional = new QFormLayout;
    page->addSection(tr("Regional"), tr("Date and calendar preferences."))->addLayout(regional);
    m_weekStart = new QComboBox(page);
    m_weekStart->addItem(tr("Sunday"), int(Qt::Sunday));
    m_weekStart->addItem(tr("Monday"), int(Qt::Monday));
    m_weekStart->addItem(tr("Saturday"), int(Qt::Saturday));
    regional->addRow(tr("Week starts on"), m_weekStart);
    m_language = new QComboBox(page);
    m_language->addItem(tr("System Default"), QStringLiteral("system"));
    const std::pair<const char16_t *, const char *> languages[] = {{u"English", "en"},
                                                                   {u"Español", "es"},
                                                                   {u"Deutsch", "de"},
                                                                   {u"Français", "fr"},
                                                                   {u"日本語", "ja"}};
    for (const auto &[name, code] : languages) {
        m_language->addItem(QString::fromUtf16(name), QString::fromLatin1(code));
    }
    regional->addRow(tr("Language"), m_language);
    page->finish();
    connect(m_theme, &QComboBox::activated, this, &SettingsScreen::onThemeChanged);
    connect(m_weekStart, &QComboBox::activated, this, &SettingsScreen::onWeekStartChanged);
    connect(m_language, &QComboBox::activated, this, &SettingsScreen::onLanguageChanged);
    return page;
}

SettingsPage *SettingsScreen::buildRegisterPage()
{
    auto *page = new SettingsPage(tr("Register"), tr("How transactions appear in the register."));
    m_twoLine =
        checkWithNote(tr("Two-line rows"), tr("Show memo on a second line below the payee."),
                      page->addSection(tr("Display"), QString()), page);
    m_newestFirst = checkWithNote(
        tr("Show newest transactions first"),
        tr("When enabled, the most recent transactions appear at the top."),
        page->addSection(tr("Sorting"), tr("Control the order of transactions in the register.")),
        page);
    page->finish();
    connect(m_twoLine, &QCheckBox::toggled, this, &SettingsScreen::onTwoLineModeChanged);
    connect(m_newestFirst, &QCheckBox::toggled, this, &SettingsScreen::onRegisterOrderChanged);
    return page;
}

SettingsPage *SettingsScreen::buildAboutPage()
{
    auto *page = new SettingsPage(tr("About"), QString());
    auto *name = new QLabel(tr("Varnaby Ledgerwell"), page);
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() + 8);
    name->setFont(font);
    page->addWidget(name);
    page->addWidget(new QLabel(tr("Version %1").arg(QCoreApplication::applicationVersion()), page));
    page->addWidget(SettingsPage::note(
        tr("A digital ledgerwell register for tracking household finances."), page));
    page->finish();
    return page;
}

void SettingsScreen::selectData(QComboBox *combo, const QVariant &value)
{
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(combo->findData(value));
}

void SettingsScreen::refresh()
{
    SettingsService *settings = m_state->settingsService();
    selectData(m_theme, settings->theme());
    selectData(m_weekStart, int(settings->weekStart()));
    selectData(m_language, QSettings().value(kLanguageKey, QStringLiteral("system")).toString());
    {
        const QSignalBlocker twoLine(m_twoLine);
        const QSignalBlocker newestFirst(m_newestFirst);
        m_twoLine->setChecked(settings->registerTwoLine());
        m_newestFirst->setChecked(settings->registerNewestFirst());
    }
    m_dataSync->refresh();
}

void SettingsScreen::showEvent(QShowEvent *event)
{
    refresh();
    QWidget::showEvent(event);
}

void SettingsScreen::onThemeChanged(int index)
{
    const QString value = m_theme->itemData(index).toString();
    if (m_themeManager) {
        m_themeManager->setTheme(value); // applies it to every window and stores it
    } else {
        m_state->settingsService()->setTheme(value);
    }
}

void SettingsScreen::onWeekStartChanged(int index)
{
    m_state->settingsService()->setWeekStart(Qt::DayOfWeek(m_weekStart->itemData(index).toInt()));
}

void SettingsScreen::onLanguageChanged(int index)
{
    const QString value = m_language->itemData(index).toString();
    QSettings settings;
    if (value == settings.value(kLanguageKey, QStringLiteral("system")).toString()) {
        return;
    }
    settings.setValue(kLanguageKey, value);
    m_inform(this, tr("Language Changed"),
             tr("The new language will take effect the next time you start Varnaby Ledgerwell."));
}

void SettingsScreen::onRegisterOrderChanged(bool checked)
{
    m_state->settingsService()->setRegisterNewestFirst(checked);
}

void SettingsScreen::onTwoLineModeChanged(bool checked)
{
    m_state->settingsService()->setRegisterTwoLine(checked);
}

void SettingsScreen::restyle()
{
    m_navigation->setStyleSheet(navigationStyle());
    for (int row = 0; row < m_navigation->count(); ++row) {
        QListWidgetItem *item = m_navigation->item(row);
        item->setIcon(glyphIcon(char16_t(item->data(Qt::UserRole).toInt())));
    }
    for (SettingsPage *page : std::as_const(m_styledPages)) {
        page->restyle();
    }
    m_dataSync->restyle();
}
