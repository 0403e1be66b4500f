#pragma once

#include <QFile>
#include <QProcess>
#include <QString>

// The suite's own CUPS server (tests/printers/privatecups) for this process:
// started in a folder of a scratch folder, and made the only server this
// process, its print dialogs and the tools it runs will reach.
class PrivateCups
{
public:
    enum class Started { Yes, NoCupsd, Failed };

    // scratch also becomes HOME, so no lpoptions of the user's choose the
    // default printer. error() tells why it did not start.
    Started start(const QString& scratch)
    {
        // The server's filters run as another user and must reach its folder.
        QFile::setPermissions(scratch, QFile::permissions(scratch) | QFile::ReadOther |
                                           QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
        m_folder = scratch + QStringLiteral("/cups");
        QProcess run;
        run.start(script(), {QStringLiteral("start"), m_folder});
        if (!run.waitForFinished(60000) || run.exitCode() != 0) {
            m_error = QString::fromUtf8(run.readAllStandardError());
            return run.exitCode() == 77 ? Started::NoCupsd : Started::Failed;
        }
        m_socket = QString::fromUtf8(run.readAllStandardOutput().trimmed());
        qputenv("CUPS_SERVER", m_socket.toUtf8());
        qputenv("HOME", scratch.toUtf8());
        qunsetenv("LPDEST");
        qunsetenv("PRINTER");
        return Started::Yes;
    }

    ~PrivateCups()
    {
        if (!m_socket.isEmpty())
            QProcess::execute(script(), {QStringLiteral("stop"), m_folder});
    }

    QString socket() const { return m_socket; }
    QString error() const { return m_error; }
    // What a queue's file device received.
    QString output(const QString& queue) const
    {
        return m_folder + QStringLiteral("/out/") + queue + QStringLiteral(".out");
    }

private:
    static QString script() { return QStringLiteral(ZELTAN_PRINTERS "/privatecups"); }

    QString m_folder, m_socket, m_error;
};
