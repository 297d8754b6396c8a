#pragma once

#include "columnfit.h"

#include <QTableView>

class RegisterScreen;

// The register's table: Tab moves between the fields of the line being edited, never into other
// widgets, and the balance column is never a cursor stop.
class RegisterTableView final : public QTableView
{
    Q_OBJECT

public:
    explicit RegisterTableView(RegisterScreen *screen, QWidget *parent = nullptr);

    // Every column resizable by the user; the date, number, amount and mark columns as wide as
    // their contents, the text columns sharing the rest (ColumnFit).
    void sizeColumns();
    // Fits the columns to the viewport again, after a resize or new rows.
    void fitColumns();
    // Per column: the user's width of a fixed column or weight of a text column, 0 for none.
    QList<int> userWidths() const { return m_userWidths; }
    void setUserWidths(const QList<int> &widths);
    QList<ColumnFit::Column> columnSpecs() const;
    // The field after (or before) `column` in the order Enter and Tab take, skipping hidden
    // columns; -1 past the last (first) one. From a column that is no field: the first (last).
    int nextField(int column, bool forward) const;

    bool isEditing() const { return state() == EditingState; }
    // Wide enough for every column's contents (the text columns' headers): the window gives way
    // (the account list narrows) before the register's columns do.
    QSize minimumSizeHint() const override;

signals:
    // The user resized a column; the widths to remember (see userWidths).
    void userWidthsChanged(const QList<int> &widths);

protected:
    bool event(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    bool focusInPayeeMemoEditor() const;
    int contentWidth(const QString &text, const QFont &font) const;
    void takeUserResize();

    RegisterScreen *m_screen;
    QList<int> m_userWidths;
    bool m_fitting = false;
    int m_userResized = -1;
    int m_fittedWidth = -1;
};
