#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// The "Keyboard Shortcuts" box of the Help menu. A key that means different things in different
// places (Ctrl+I inserts a line in the register and imports elsewhere) is listed once per
// meaning, each saying where it applies.
class ShortcutsBox
{
    Q_DECLARE_TR_FUNCTIONS(ShortcutsBox)

public:
    static QString html();
    static void show(QWidget *parent);
};
