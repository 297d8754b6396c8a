#include "pielegend.h"

#include <QPainter>
#include <QPixmap>

namespace {

QIcon swatch(const QColor &color)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRoundedRect(QRectF(0, 0, 12, 12), 2, 2);
    return QIcon(pixmap);
}

} // namespace

PieLegend::PieLegend(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setIconSize(QSize(12, 12));
    setTextElideMode(Qt::ElideMiddle);
    // The legend takes the window's colours, so it reads in both themes like any other list.
    viewport()->setAutoFillBackground(false);
}

void PieLegend::setSlices(const QList<PieSlice> &slices, Currency currency)
{
    clear();
    for (const PieSlice &slice : slices) {
        auto *item =
            new QListWidgetItem(swatch(slice.color), PieSummary::legendText(slice, currency), this);
        item->setData(Qt::UserRole, slice.color);
        item->setToolTip(item->text());
    }
}

QStringList PieLegend::texts() const
{
    QStringList list;
    for (int row = 0; row < count(); ++row) {
        list << item(row)->text();
    }
    return list;
}

QColor PieLegend::swatchColor(int row) const
{
    return item(row) ? item(row)->data(Qt::UserRole).value<QColor>() : QColor();
}
