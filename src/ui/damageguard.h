#pragma once

#include "register/prompts.h"

#include <QObject>
#include <QString>

#include <functional>

class AppState;
class QWidget;

// Watches the data file for damage on the window's behalf. A read that fails (a damaged page)
// is said once in a warning instead of showing 0.00 balances and empty reports as if they were
// true. A run that did not end normally leaves a marker behind; the next start then runs
// SQLite's quick check and, when the file is damaged, offers to save what can still be read.
class DamageGuard final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DamageGuard)

public:
    using FileChooser = std::function<QString(QWidget *parent, const QString &proposal)>;

    DamageGuard(AppState *state, QWidget *window);
    ~DamageGuard() override;

    // Tests answer in the user's place.
    void setPrompts(Prompts::Question ask, Prompts::Message inform, FileChooser chooseFile);
    // Runs the start-up check now when the last run ended uncleanly (the window does it once,
    // just after it is shown); true when the file was found damaged.
    bool checkAfterUncleanEnd();
    static QString markerPath();

private:
    void readFailed(const QString &message);
    void offerSalvage(const QStringList &problems);

    AppState *m_state;
    QWidget *m_window;
    bool m_unclean = false;
    bool m_warned = false;
    Prompts::Question m_ask;
    Prompts::Message m_inform;
    Prompts::Message m_warn;
    FileChooser m_chooseFile;
};
