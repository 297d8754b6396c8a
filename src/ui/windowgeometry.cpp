#include "windowgeometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

WindowGeometry::WindowGeometry(QWidget *window)
    : QObject(window)
{
    setObjectName(QStringLiteral("WindowGeometry"));
    window->installEventFilter(this);
}

void WindowGeometry::restore(QWidget *window, const QByteArray &saved, const QSize &fallback)
{
    if (saved.isEmpty() || !window->restoreGeometry(saved)) {
        window->resize(fallback);
    }
    keepInside(window);
    keepInsideWhenShown(window);
}

void WindowGeometry::keepInsideWhenShown(QWidget *window)
{
    if (!window->findChild<WindowGeometry *>(QStringLiteral("WindowGeometry"),
                                             Qt::FindDirectChildrenOnly)) {
        new WindowGeometry(window);
    }
}

QRect WindowGeometry::availableArea(const QWidget *window)
{
    QScreen *screen = window ? window->screen() : nullptr;
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen ? screen->availableGeometry() : QRect();
}

void WindowGeometry::keepInside(QWidget *window, const QRect &available)
{
    const QRect area = available.isValid() ? available : availableArea(window);
    if (window->isMaximized() || window->isFullScreen() || !area.isValid()) {
        return;
    }
    const QRect frame = window->frameGeometry();
    const QRect inside = clamped(frame, area);
    if (inside == frame) {
        return;
    }
    const QSize decoration = frame.size() - window->size();
    window->resize(inside.size() - decoration);
    window->move(inside.topLeft());
}

QRect WindowGeometry::clamped(const QRect &frame, const QRect &available)
{
    if (!available.isValid()) {
        return frame;
    }
    QRect result(frame.topLeft(), frame.size().boundedTo(available.size()));
    result.moveLeft(std::clamp(result.left(), available.left(),
                               available.left() + available.width() - result.width()));
    result.moveTop(std::clamp(result.top(), available.top(),
                              available.top() + available.height() - result.height()));
    return result;
}

bool WindowGeometry::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        // The frame the window system adds is known only once the window is on the screen, and
        // a window manager may add it a little later still.
        auto *window = qobject_cast<QWidget *>(watched);
        for (const int delay : {0, 300}) {
            QTimer::singleShot(delay, this, [window] { keepInside(window); });
        }
    }
    return QObject::eventFilter(watched, event);
}
