#include "sidebardelegate.h"

#include "data/account.h"
#include "sidebarmodel.h"

#include <QApplication>
#include <QPainter>

namespace {

// The list's style sheet pads every item by 14 pixels at the sides and 7 above and below; the
// row's own margins come inside that.
constexpr int kPadX = 14;
constexpr int kPadY = 7;
constexpr int kLeft = 6;
constexpr int kRight = 8;
constexpr int kVertical = 8;
constexpr int kIconSize = 24;
constexpr int kSpacing = 8;
constexpr int kRowGap = 2;
constexpr int kAmountGap = 6;
// Room the item keeps above its content, as the item widgets had.
constexpr int kSpare = 10;

const QColor kIconColor(QStringLiteral("#4DB6AC"));
const QColor kNameColor(QStringLiteral("#FFFFFF"));
const QColor kMutedColor(QStringLiteral("#8FAF9F"));

} // namespace

SidebarDelegate::SidebarDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

QString SidebarDelegate::balanceColor(qint64 balance, bool selected)
{
    // The selected row's teal leaves the usual green and red at about 3.5:1, too faint to read
    // at a glance; lighter tints of the same hues keep them above 4.5:1 there.
    if (selected) {
        return balance >= 0 ? QStringLiteral("#A5D6A7") : QStringLiteral("#FFCDD2");
    }
    return balance >= 0 ? QStringLiteral("#66BB6A") : QStringLiteral("#FF8A80");
}

char16_t SidebarDelegate::typeGlyph(int accountType)
{
    switch (AccountType(accountType)) {
    case AccountType::Checking:
        return 0xE84F;
    case AccountType::Savings:
        return 0xE2EB;
    case AccountType::CreditCard:
        return 0xE870;
    case AccountType::Cash:
        return 0xE57D;
    case AccountType::Investment:
        return 0xE8E5;
    case AccountType::Other:
        break;
    }
    return 0xE850;
}

SidebarDelegate::Fonts SidebarDelegate::fonts()
{
    Fonts f;
    f.icon = QFont(QStringLiteral("Material Icons"));
    f.icon.setPixelSize(22);
    f.name = QApplication::font();
    f.name.setWeight(QFont::Medium);
    f.amount = QFont(QStringLiteral("monospace"));
    f.amount.setStyleHint(QFont::Monospace);
    f.amount.setPointSizeF(QApplication::font().pointSizeF());
    f.detail = QApplication::font();
    f.detail.setPointSizeF(std::max(7.0, f.detail.pointSizeF() - 2));
    return f;
}

int SidebarDelegate::contentHeight(const Fonts &fonts)
{
    const int first =
        std::max(QFontMetrics(fonts.name).height(), QFontMetrics(fonts.amount).height());
    return std::max(kIconSize, first + kRowGap + QFontMetrics(fonts.detail).height());
}

QSize SidebarDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    const int height = kVertical + contentHeight(fonts()) + kVertical;
    return {option.rect.width(), height + kSpare + 2 * kPadY};
}

void SidebarDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    // The background (hover, selection) comes from the list's style sheet.
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    const Fonts f = fonts();
    const QRect box =
        option.rect.adjusted(kPadX + kLeft, kPadY + kVertical, -kPadX - kRight, -kPadY - kVertical);
    painter->save();
    painter->setFont(f.icon);
    painter->setPen(kIconColor);
    const QRect icon(box.left(), box.top() + (box.height() - kIconSize) / 2, kIconSize, kIconSize);
    painter->drawText(icon, Qt::AlignCenter,
                      QString(QChar(typeGlyph(index.data(SidebarModel::TypeRole).toInt()))));

    const int left = icon.right() + 1 + kSpacing;
    const QFontMetrics nameMetrics(f.name);
    const QFontMetrics amountMetrics(f.amount);
    const QFontMetrics detailMetrics(f.detail);
    // As a layout would: the spare height is shared by the two rows, each centred in its share.
    const int spare = std::max(0, box.height() - contentHeight(f));
    const int firstHeight =
        std::max(nameMetrics.height(), amountMetrics.height()) + spare - spare / 2;
    const int top = box.top();
    const QString amount = index.data(SidebarModel::BalanceTextRole).toString();
    const int amountWidth = amountMetrics.horizontalAdvance(amount) + 4;
    const QRect amountRect(box.right() + 1 - amountWidth, top, amountWidth, firstHeight);
    painter->setFont(f.amount);
    painter->setPen(QColor(balanceColor(index.data(SidebarModel::BalanceRole).toLongLong(),
                                        option.state.testFlag(QStyle::State_Selected))));
    painter->drawText(amountRect, Qt::AlignRight | Qt::AlignVCenter, amount);

    const QRect nameRect(left, top, std::max(0, amountRect.left() - kAmountGap - left),
                         firstHeight);
    painter->setFont(f.name);
    painter->setPen(kNameColor);
    painter->drawText(
        nameRect, Qt::AlignLeft | Qt::AlignVCenter,
        nameMetrics.elidedText(index.data().toString(), Qt::ElideRight, nameRect.width()));

    const QRect detailRect(left, top + firstHeight + kRowGap, box.right() + 1 - left,
                           detailMetrics.height() + spare / 2);
    painter->setFont(f.detail);
    painter->setPen(kMutedColor);
    painter->drawText(detailRect, Qt::AlignLeft | Qt::AlignVCenter,
                      detailMetrics.elidedText(index.data(SidebarModel::DetailRole).toString(),
                                               Qt::ElideRight, detailRect.width()));
    painter->restore();
}
