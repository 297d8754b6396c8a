#include "smartamountfield.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

SmartAmountField::SmartAmountField(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    setDecimals(2);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void SmartAmountField::keyPressEvent(QKeyEvent *event)
{
    QString point = locale().decimalPoint();
    if (point.isEmpty()) {
        point = QStringLiteral(".");
    }
    const QString typed = event->text();
    const bool separator =
        typed == point || typed == QLatin1String(",") || typed == QLatin1String(".");
    const qsizetype at = lineEdit()->text().indexOf(point);
    if (separator && at >= 0) {
        lineEdit()->deselect();
        lineEdit()->setCursorPosition(int(at + point.size()));
        event->accept();
        return;
    }
    QDoubleSpinBox::keyPressEvent(event);
}
