#include "registercombobox.h"

#include "registerlineedit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

RegisterComboBox::RegisterComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setLineEdit(new RegisterLineEdit(this));
    setFocusPolicy(Qt::ClickFocus);
}

int RegisterComboBox::popupWidth() const
{
    const QFontMetrics metrics(view()->font());
    int widest = 0;
    for (int i = 0; i < count(); ++i) {
        widest = std::max(widest, metrics.horizontalAdvance(itemText(i)));
    }
    // The item's text margins, the list's frame and a vertical scroll bar beside the items.
    const int extra = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) +
                      2 * view()->frameWidth() + view()->verticalScrollBar()->sizeHint().width() +
                      metrics.averageCharWidth() * 2;
    const int limit = screen() ? screen()->availableGeometry().width() : widest + extra;
    return std::min(widest + extra, limit);
}

void RegisterComboBox::setCompleter(QCompleter *completer)
{
    QComboBox::setCompleter(completer);
    if (completer && completer->popup()) {
        completer->popup()->setMinimumWidth(popupWidth());
    }
}

void RegisterComboBox::showPopup()
{
    view()->setMinimumWidth(std::max(width(), popupWidth()));
    QComboBox::showPopup();
}
