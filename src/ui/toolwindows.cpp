#include "toolwindows.h"

#include "windowgeometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

ToolWindows::ToolWindows(QWidget *mainWindow)
    : QObject(mainWindow)
    , m_main(mainWindow)
{
}

QString ToolWindows::settingsKey(const QWidget *window)
{
    return QStringLiteral("toolwindows/%1/geometry")
        .arg(QString::fromLatin1(window->metaObject()->className()));
}

void ToolWindows::present(QWidget *window, const QString &title, const QSize &defaultSize)
{
    if (window->parentWidget() != m_main || !window->isWindow()) {
        window->setParent(m_main, Qt::Window);
    }
    window->setWindowTitle(title);
    window->removeEventFilter(this);
    window->installEventFilter(this);
    WindowGeometry::keepInsideWhenShown(window);
    if (!window->isVisible()) {
        place(window, defaultSize);
    }
    window->show();
    // Once shown, the frame the window system adds is known, and kept on the screen too.
    keepInside(window);
    window->raise();
    window->activateWindow();
}

void ToolWindows::place(QWidget *window, const QSize &defaultSize) const
{
    const QByteArray saved = QSettings().value(settingsKey(window)).toByteArray();
    if (saved.isEmpty() || !window->restoreGeometry(saved)) {
        QRect frame(QPoint(), defaultSize);
        frame.moveCenter(m_main->frameGeometry().center());
        window->setGeometry(frame);
    }
    keepInside(window);
}

void ToolWindows::keepInside(QWidget *window) const
{
    WindowGeometry::keepInside(window, availableArea());
}

QRect ToolWindows::availableArea() const
{
    QScreen *screen = m_main->screen();
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen ? screen->availableGeometry() : QRect();
}

QRect ToolWindows::clamped(const QRect &frame, const QRect &available)
{
    return WindowGeometry::clamped(frame, available);
}

bool ToolWindows::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide) {
        auto *window = qobject_cast<QWidget *>(watched);
        if (window && window->isWindow()) {
            QSettings().setValue(settingsKey(window), window->saveGeometry());
        }
    }
    return QObject::eventFilter(watched, event);
}
