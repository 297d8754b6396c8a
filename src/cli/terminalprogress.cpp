#include "terminalprogress.h"

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

TerminalProgress::TerminalProgress(const QString &label)
    : m_label(label)
    , m_enabled(isatty(fileno(stderr)) != 0)
{
}

TerminalProgress::~TerminalProgress()
{
    if (m_drawn) {
        std::fputc('\n', stderr);
    }
}

void TerminalProgress::update(int current, int total)
{
    if (!m_enabled || total <= kMinimumTotal) {
        return;
    }
    const int percent = int(qint64(current) * 100 / total);
    if (percent == m_lastPercent) {
        return;
    }
    m_lastPercent = percent;
    constexpr int width = 30;
    const int filled = percent * width / 100;
    const QByteArray bar = QByteArray(filled, '#') + QByteArray(width - filled, ' ');
    std::fprintf(stderr, "\r%s [%s] %3d%% %d/%d", qPrintable(m_label), bar.constData(), percent,
                 current, total);
    std::fflush(stderr);
    m_drawn = true;
}
