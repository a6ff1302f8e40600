#pragma once
// A tarnevooto-server of its own for a test suite or a benchmark: a seeded
// database in a temporary folder, the server on free loopback ports.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <stdexcept>

class ServerProcess
{
public:
    // Seeds `items` stock items (deterministic), then serves them.
    explicit ServerProcess(int items = 2000, const QStringList &extraServeArgs = {})
    {
        if (!m_dir.isValid())
            throw std::runtime_error("no temporary folder");
        m_db = m_dir.filePath(QStringLiteral("tarnevooto.db"));
        QProcess seed;
        seed.start(QStringLiteral(TARNEVO_SERVER_EXE),
                   {QStringLiteral("seed"), QStringLiteral("--db"), m_db, QStringLiteral("--items"),
                    QString::number(items)});
        if (!seed.waitForFinished(180000) || seed.exitCode() != 0)
            throw std::runtime_error("seed failed: " + seed.readAllStandardError().toStdString());
        m_proc.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_proc.start(QStringLiteral(TARNEVO_SERVER_EXE),
                     QStringList{QStringLiteral("serve"), QStringLiteral("--db"), m_db, QStringLiteral("--address"),
                                 QStringLiteral("127.0.0.1"), QStringLiteral("--port"), QStringLiteral("0"),
                                 QStringLiteral("--web-port"), QStringLiteral("0")}
                         + extraServeArgs);
        // The server announces "listening ADDRESS PORT WEBPORT" once it accepts.
        QByteArray out;
        for (int i = 0; i < 300 && !out.contains('\n'); ++i) {
            if (!m_proc.waitForReadyRead(100) && m_proc.state() == QProcess::NotRunning)
                break;
            out += m_proc.readAllStandardOutput();
        }
        const QList<QByteArray> parts = out.trimmed().split(' ');
        if (parts.size() < 4 || parts[0] != "listening")
            throw std::runtime_error("server did not start: " + out.toStdString());
        m_port = parts[2].toUShort();
        m_webPort = parts[3].toUShort();
    }
    ~ServerProcess()
    {
        m_proc.terminate();
        if (!m_proc.waitForFinished(5000))
            m_proc.kill();
        m_proc.waitForFinished(2000);
    }

    quint16 port() const { return m_port; }
    quint16 webPort() const { return m_webPort; }
    QString database() const { return m_db; }

    // Runs another command of the server against the same database, e.g. register.
    bool run(const QStringList &args) const
    {
        QProcess p;
        p.start(QStringLiteral(TARNEVO_SERVER_EXE), args + QStringList{QStringLiteral("--db"), m_db});
        return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

private:
    QTemporaryDir m_dir;
    QString m_db;
    QProcess m_proc;
    quint16 m_port = 0;
    quint16 m_webPort = 0;
};
