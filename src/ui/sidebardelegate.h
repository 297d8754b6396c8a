#pragma once

#include <QStyledItemDelegate>

// Paints one account of the sidebar: its type icon, its name (elided) with the balance at the
// right, and below them the institution or type with the last four digits.
class SidebarDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SidebarDelegate)

public:
    explicit SidebarDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The balance's colour by its sign, lighter on the selected row's background.
    static QString balanceColor(qint64 balance, bool selected = false);
    static char16_t typeGlyph(int accountType);

private:
    struct Fonts
    {
        QFont icon;
        QFont name;
        QFont amount;
        QFont detail;
    };

    static Fonts fonts();
    static int contentHeight(const Fonts &fonts);
};
