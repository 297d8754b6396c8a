#pragma once

#include <QDate>
#include <QLineEdit>

// The date input of the forms: date shortcuts, F4 or Alt+Down for the calendar, typed dates in
// the formats of DateShortcuts::parse; unreadable text reverts to the stored date when the field
// loses the focus.
class DateField final : public QLineEdit
{
    Q_OBJECT

public:
    explicit DateField(QWidget *parent = nullptr);

    QDate date() const;
    void setDate(const QDate &date);

signals:
    void dateChanged(const QDate &date);

public slots:
    void openCalendarPopup();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showDate();
    void storeDate(const QDate &date);

    QDate m_date;
};
