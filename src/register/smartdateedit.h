#pragma once

#include "registerlineedit.h"

#include <QDate>

// The register's in-place date editor: date shortcuts, F4 or Alt+Down for the calendar, and the
// typed formats of the date fields.
class SmartDateEdit final : public RegisterLineEdit
{
    Q_OBJECT

public:
    explicit SmartDateEdit(QWidget *parent = nullptr);

    // The date read from the text, else the stored date.
    QDate date() const;
    // Stores the date, rewrites the text as M/d/yyyy and selects it.
    void setDate(const QDate &date);

public slots:
    void openCalendarPopup();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QDate m_date;
};
