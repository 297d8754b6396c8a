#pragma once

#include "piesummary.h"

#include <QListWidget>

// The spending pie's legend beside the chart: a colour swatch, the category, its amount and its
// share on each line, never cut short by the chart's own layout.
class PieLegend final : public QListWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PieLegend)

public:
    explicit PieLegend(QWidget *parent = nullptr);

    void setSlices(const QList<PieSlice> &slices, Currency currency);
    QStringList texts() const;
    QColor swatchColor(int row) const;
};
