#include "accountsidebar.h"

#include "sidebardelegate.h"
#include "sidebarmodel.h"

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kBackground = QStringLiteral("#152420");
const QString kMuted = QStringLiteral("#8FAF9F");
constexpr int kMinimumWidth = 260;
// On a screen too small for both, the list gives way to the register down to this.
constexpr int kNarrowestWidth = 180;
// What a window manager's frame may add before the frame is known.
constexpr int kFrameAllowance = 8;

QString listStyle()
{
    return QStringLiteral("QListView {  background-color: %1;  border: none;  outline: none;  "
                          "padding: 6px 0;  font-size: 10pt;}QListView::item {  color: %2;  "
                          "padding: 7px 14px;  border: none;}QListView::item:hover {  "
                          "background-color: %3;  color: %4;}QListView::item:selected {  "
                          "background-color: %5;  color: %4;}QListView::item:disabled {  color: "
                          "%6;  padding: 10px 14px 4px 14px;  background: transparent;}")
        .arg(kBackground, kMuted, QStringLiteral("#1E3530"), QStringLiteral("#FFFFFF"),
             QStringLiteral("#26574A"), QStringLiteral("#5A7A6E"));
}

} // namespace

AccountSidebar::AccountSidebar(QWidget *parent)
    : QWidget(parent)
    , m_model(new SidebarModel(this))
    , m_view(new QListView(this))
    , m_total(new QLabel(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_view->setModel(m_model);
    m_view->setItemDelegate(new SidebarDelegate(m_view));
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setDragDropMode(QAbstractItemView::InternalMove);
    m_view->setDefaultDropAction(Qt::MoveAction);
    m_view->setResizeMode(QListView::Adjust);
    m_view->setStyleSheet(listStyle());
    connect(m_view, &QListView::clicked, this, [this](const QModelIndex &index) {
        const QString id = m_model->accountIdAt(index.row());
        if (!id.isEmpty()) {
            emit accountChosen(id);
        }
    });
    connect(m_view, &QWidget::customContextMenuRequested, this,
            &AccountSidebar::contextMenuRequested);
    // The order is read once the drop has finished moving the rows.
    connect(m_model, &QAbstractItemModel::rowsMoved, this, [this] {
        QTimer::singleShot(0, this, [this] { emit orderChanged(m_model->order()); });
    });
    QFont totalFont = QApplication::font();
    totalFont.setWeight(QFont::Medium);
    m_total->setFont(totalFont);
    m_total->setAlignment(Qt::AlignCenter);
    m_total->setFixedHeight(32);
    m_total->setStyleSheet(
        QStringLiteral("background: %1; color: %2; border-top: 1px solid %3; padding: 4px;")
            .arg(kBackground, kMuted, QStringLiteral("#1E3028")));
    layout->addWidget(m_view, 1);
    layout->addWidget(m_total);
    setMaximumWidth(500);
}

QSize AccountSidebar::minimumSizeHint() const
{
    return {minimumWidthOnScreen(), QWidget::minimumSizeHint().height()};
}

int AccountSidebar::minimumWidthOnScreen() const
{
    // 260 wherever the screen holds it beside the register at its narrowest. An 800-pixel
    // screen does not: there the register's columns keep their text and the list yields the
    // few pixels they lack, rather than the window growing past the screen's edge.
    const auto *splitter = qobject_cast<const QSplitter *>(parentWidget());
    const QScreen *screen = this->screen();
    if (!splitter || !screen || splitter->count() != 2) {
        return kMinimumWidth;
    }
    const QWidget *other = splitter->widget(splitter->widget(0) == this ? 1 : 0);
    const QWidget *top = window();
    const int frame = std::max(kFrameAllowance, top->frameGeometry().width() - top->width());
    const int room = screen->availableGeometry().width() - frame - splitter->handleWidth() -
                     other->minimumSizeHint().width();
    return std::clamp(room, kNarrowestWidth, kMinimumWidth);
}

QString AccountSidebar::totalText() const
{
    return m_total->text();
}

QString AccountSidebar::accountIdAt(const QPoint &position) const
{
    return m_model->accountIdAt(m_view->indexAt(position).row());
}

void AccountSidebar::setAccounts(const QList<Account> &accounts, const QHash<QString, qint64> &sums,
                                 const QString &currentId)
{
    m_model->setAccounts(accounts, sums);
    m_total->setText(m_model->totalText());
    m_total->setToolTip(m_total->text());
    rebuildShortcuts();
    select(currentId);
}

void AccountSidebar::select(const QString &accountId)
{
    const int row = m_model->rowOf(accountId);
    if (row >= 0) {
        m_view->setCurrentIndex(m_model->index(row));
    }
}

void AccountSidebar::rebuildShortcuts()
{
    qDeleteAll(m_shortcuts);
    m_shortcuts.clear();
    for (int i = 0; i < std::min(m_model->rowCount(), 10); ++i) {
        const QString id = m_model->accountIdAt(i);
        auto *shortcut = new QShortcut(QKeySequence(QStringLiteral("Alt+%1").arg((i + 1) % 10)),
                                       this, nullptr, nullptr, Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, id] { emit accountChosen(id); });
        m_shortcuts << shortcut;
    }
}
