#pragma once

#include <QLabel>

class QFontMetrics;

// The register's one-line list of keys ("Ctrl+Enter: save  |  Enter: next  |  ..."). It never
// wraps: when the line is narrower than the list, the keys that do not fit are left off at the
// end and "…" stands in their place, while the tooltip keeps the whole list.
class KeyHintLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyHintLabel)

public:
    explicit KeyHintLabel(const QString &text, QWidget *parent = nullptr);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;
    // The part of `text` shown in `width` pixels: whole keys from the start, then "…".
    static QString fitted(const QString &text, const QFontMetrics &metrics, int width);
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateToolTip();
};
