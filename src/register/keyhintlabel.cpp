#include "keyhintlabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace {

const QString kSeparator = QStringLiteral("  |  ");
const QString kMore = QStringLiteral("…");

} // namespace

KeyHintLabel::KeyHintLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QSize KeyHintLabel::minimumSizeHint() const
{
    const QMargins margins = contentsMargins();
    return {fontMetrics().horizontalAdvance(kMore) + margins.left() + margins.right(),
            fontMetrics().height() + margins.top() + margins.bottom()};
}

QSize KeyHintLabel::sizeHint() const
{
    const QMargins margins = contentsMargins();
    return {fontMetrics().horizontalAdvance(text()) + margins.left() + margins.right(),
            fontMetrics().height() + margins.top() + margins.bottom()};
}

QString KeyHintLabel::fitted(const QString &text, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width) {
        return text;
    }
    const QStringList keys = text.split(kSeparator);
    for (qsizetype count = keys.size() - 1; count > 0; --count) {
        const QString shown = QStringList(keys.mid(0, count)).join(kSeparator) + kSeparator + kMore;
        if (metrics.horizontalAdvance(shown) <= width) {
            return shown;
        }
    }
    // Not even the first key fits: cut it like any other text.
    return metrics.elidedText(keys.first(), Qt::ElideRight, width);
}

QString KeyHintLabel::shownText() const
{
    return fitted(text(), fontMetrics(), contentsRect().width());
}

void KeyHintLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(),
                          shownText(), foregroundRole());
}

void KeyHintLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    updateToolTip();
}

void KeyHintLabel::updateToolTip()
{
    // One key a line: the list is easier to read down than across.
    setToolTip(shownText() == text() ? QString()
                                     : text().split(kSeparator).join(QLatin1Char('\n')));
}
