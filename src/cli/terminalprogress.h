#pragma once

#include <QString>

// A one-line progress bar on standard error, drawn only when it is a terminal and the work is
// long enough to be worth watching.
class TerminalProgress
{
public:
    static constexpr int kMinimumTotal = 1000;

    explicit TerminalProgress(const QString &label);
    ~TerminalProgress();

    void update(int current, int total);

private:
    QString m_label;
    bool m_enabled;
    bool m_drawn = false;
    int m_lastPercent = -1;
};
