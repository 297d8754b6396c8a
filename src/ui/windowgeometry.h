#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

// Keeps a top-level window inside the available area of its screen. Geometry saved on another
// screen, at another scale factor or before the screen shrank comes back moved and shrunk so that
// the whole frame, title bar included, can be reached; a default size larger than the screen is
// shrunk the same way.
class WindowGeometry final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowGeometry)

public:
    // Restores `saved` (or, when it is empty or refused, resizes to `fallback`), keeps the window
    // inside its screen now, and again each time it is shown, once the window system has added
    // its frame.
    static void restore(QWidget *window, const QByteArray &saved, const QSize &fallback);
    // Keeps the window inside its screen each time it is shown, once the window system has added
    // its frame (a window manager may add it a little after the window shows).
    static void keepInsideWhenShown(QWidget *window);
    // Moves (and when it must, shrinks) the window so that its frame lies inside `available`, or
    // inside the available area of its screen when `available` is empty.
    static void keepInside(QWidget *window, const QRect &available = QRect());
    // `frame` moved, and shrunk when it must be, so that it lies inside `available`.
    static QRect clamped(const QRect &frame, const QRect &available);
    static QRect availableArea(const QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit WindowGeometry(QWidget *window);
};
