#pragma once
// The longest stall of the event loop of this thread: a 1 ms timer notes the largest gap between
// two of its ticks while it runs.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class TStallMeter final : public QObject {
public:
    TStallMeter()
    {
        m_tick.setTimerType(Qt::PreciseTimer);
        m_tick.setInterval(1);
        connect(&m_tick, &QTimer::timeout, this, [this] {
            m_longestMs = std::max(m_longestMs, double(m_sinceTick.nsecsElapsed()) / 1e6);
            m_sinceTick.start();
        });
        m_sinceTick.start();
        m_tick.start();
    }
    double LongestMs() const { return m_longestMs; }

private:
    QTimer m_tick;
    QElapsedTimer m_sinceTick;
    double m_longestMs = 0;
};
