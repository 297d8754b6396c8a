#pragma once

#include <QDoubleSpinBox>

// A two-decimal amount: typing the decimal separator (or "," or ".") jumps to the cents.
class SmartAmountField final : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit SmartAmountField(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
