#pragma once
// The virtual radio as a child process, for the tests and the benchmark: started with its
// options, its port path read from the first line it prints, and stopped with SIGTERM (killed when
// it does not stop) when this goes, so no radio outlives its user.

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

class TVirtualRadioProcess {
public:
    TVirtualRadioProcess(const QString& program, const QStringList& arguments)
    {
        m_process.start(program, arguments);
        if (!m_process.waitForStarted(StartLimitMs))
            return;
        QElapsedTimer clock;
        clock.start();
        while (!m_process.canReadLine() && clock.elapsed() < StartLimitMs && m_process.state() == QProcess::Running)
            m_process.waitForReadyRead(100);
        if (m_process.canReadLine())
            m_port = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~TVirtualRadioProcess() { Stop(); }
    TVirtualRadioProcess(const TVirtualRadioProcess&) = delete;
    TVirtualRadioProcess& operator=(const TVirtualRadioProcess&) = delete;

    // The device of the radio's port; empty when the radio did not start.
    QString Port() const { return m_port; }
    // What the radio printed on standard error since last asked: its complaints, and with --trace
    // each frame it answered.
    QByteArray StandardError() { return m_process.readAllStandardError(); }
    // Ends the radio as a signal from the desktop would (it saves its --image then), and gives its
    // exit code.
    int Stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(StartLimitMs)) {
                m_process.kill();
                m_process.waitForFinished(StartLimitMs);
            }
        }
        return ExitCode();
    }
    // Whether the radio ended by itself within the time.
    bool WaitForExit(int milliseconds)
    {
        return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(milliseconds);
    }
    // The radio's exit code once it has ended; -1 when it crashed or was killed.
    int ExitCode() const
    {
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }

private:
    static constexpr int StartLimitMs = 5000;

    QProcess m_process;
    QString m_port;
};
