#pragma once
// The virtual radio program as a process for tests: started with its options, its port path read
// from its first line, stopped with SIGTERM when the test is done with it.

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

class TVirtualRadioProcess {
public:
    explicit TVirtualRadioProcess(const QStringList& arguments)
    {
        m_process.start(QStringLiteral(K640_VIRTUAL_RADIO_PATH), arguments);
        if (!m_process.waitForStarted(5000))
            return;
        QElapsedTimer clock;
        clock.start();
        while (!m_process.canReadLine() && clock.elapsed() < 5000 && m_process.state() == QProcess::Running)
            m_process.waitForReadyRead(100);
        if (m_process.canReadLine())
            m_port = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~TVirtualRadioProcess() { Stop(); }
    TVirtualRadioProcess(const TVirtualRadioProcess&) = delete;
    TVirtualRadioProcess& operator=(const TVirtualRadioProcess&) = delete;

    // Empty when the radio did not start.
    QString Port() const { return m_port; }
    QByteArray Errors() { return m_process.readAllStandardError(); }
    // Ends the radio as a signal from the desktop would, and gives its exit code.
    int Stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(5000)) {
                m_process.kill();
                m_process.waitForFinished(5000);
            }
        }
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }

private:
    QProcess m_process;
    QString m_port;
};
