#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

// Shows the tool windows of the main window. A window is given the main window as parent (as a
// window of its own) and its title; when it is not showing, it comes back where the user last
// left it (remembered per window class in QSettings) or, the first time, at its default size
// centred on the main window; either way it is kept inside the available screen area.
class ToolWindows final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToolWindows)

public:
    explicit ToolWindows(QWidget *mainWindow);

    void present(QWidget *window, const QString &title, const QSize &defaultSize);

    // `frame` moved (and shrunk when it must be) so that it lies inside `available`.
    static QRect clamped(const QRect &frame, const QRect &available);
    static QString settingsKey(const QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place(QWidget *window, const QSize &defaultSize) const;
    void keepInside(QWidget *window) const;
    QRect availableArea() const;

    QWidget *m_main;
};
