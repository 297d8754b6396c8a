#pragma once

#include <QList>

// How the register's columns share the width of the view. Columns of fixed content (dates,
// amounts, marks) keep their width; the text columns share what is left in proportion to their
// weights. When the view is too narrow for that, the fixed columns first give up the room the user
// added beyond their contents, then the text columns shrink to their minimums (the width of the
// header text), and only then do the fixed columns shrink below their contents.
class ColumnFit final
{
public:
    struct Column
    {
        int minimum = 0;
        // A fixed column's contents (never less than its minimum); unused for text columns.
        int natural = 0;
        // A fixed column's width chosen by the user (0: its contents), or a text column's weight.
        int preferred = 0;
        bool flexible = false;
        bool hidden = false;
    };

    // The widths, hidden columns 0; they add up to `available` unless the minimums exceed it.
    static QList<int> fit(const QList<Column> &columns, int available);
    // The text columns' weights after the user made `resized` `width` pixels wide in a view
    // `available` wide: the resized column keeps its width at the next fit and the other text
    // columns share the rest as before.
    static QList<int> weightsAfterResize(const QList<Column> &columns, const QList<int> &widths,
                                         int resized, int width, int available);

private:
    // Takes up to `excess` pixels from the fixed columns' room above `floors`; what it took.
    static int shrinkFixed(const QList<Column> &columns, QList<int> &widths, int excess,
                           const QList<int> &floors);
    static void share(const QList<Column> &columns, QList<int> &widths, int space);
};
