#include "zoom.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// The built program run the way a user runs it, with its command line.
class CommandLineTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_file;     // a plain file where a folder might be asked for
    QString m_dataHome; // $XDG_DATA_HOME of every run: the default must stay untouched

    // The placeholders {file} and {dir} of a table row, made real.
    QStringList expand(const QStringList& arguments) const
    {
        QStringList out;
        for (QString a : arguments)
            out << a.replace(QStringLiteral("{file}"), m_file)
                       .replace(QStringLiteral("{dir}"), m_dir.path());
        return out;
    }

    QProcessEnvironment environment(bool display) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_dataHome);
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        if (display)
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        else
            env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        return env;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_file = m_dir.filePath(QStringLiteral("a-file"));
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::WriteOnly));
        m_dataHome = m_dir.filePath(QStringLiteral("data-home"));
    }

    void answersWithoutAWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // a pattern for standard output
        QTest::addColumn<QString>("err"); // a pattern for standard error
        const QString none = QStringLiteral("^$");
        const QString hint = QStringLiteral("\n使い方は「zeltan --help」で表示されます\n$");
        QTest::newRow("help") << QStringList{"--help"} << 0
                              << "^使い方: zeltan \\[オプション\\]\n(.|\n)*--data-dir <DIR>"
                              << none;
        QTest::newRow("-h") << QStringList{"-h"} << 0 << "--version" << none;
        QTest::newRow("version") << QStringList{"--version"} << 0 << "^zeltan " ZELTAN_VERSION "\n$"
                                 << none;
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << none
                                        << "^zeltan: 不明なオプション「--frobnicate」です" + hint;
        QTest::newRow("stray argument") << QStringList{"GIA.DAT"} << 2 << none
                                        << "^zeltan: 余分な引数「GIA.DAT」があります" + hint;
        QTest::newRow("data-dir without a folder")
            << QStringList{"--data-dir"} << 2 << none
            << "^zeltan: --data-dir の後にフォルダを指定してください" + hint;
        QTest::newRow("data-dir is a file")
            << QStringList{"QT_QPA_PLATFORM=offscreen", "--data-dir", "{file}"} << 2 << none
            << "^zeltan: データフォルダ「.*/a-file」はフォルダではありません\n$";
        QTest::newRow("data-dir under a file")
            << QStringList{"QT_QPA_PLATFORM=offscreen", "--data-dir={file}/zeltan"} << 2 << none
            << "^zeltan: データフォルダ「.*/a-file/zeltan」を作成できません：Not a directory\n$";
        QTest::newRow("help wins over a bad folder")
            << QStringList{"--data-dir", "{file}", "--help"} << 0 << "--help" << none;
        QTest::newRow("data-dir twice")
            << QStringList{"--data-dir", "{dir}/one", "--data-dir={dir}/two"} << 2 << none
            << "^zeltan: --data-dir は1回だけ指定してください" + hint;
        // Bytes that are no UTF-8 can only be given through a shell.
        QTest::newRow("data-dir of bytes Qt cannot keep")
            << QStringList{"{sh}", "--data-dir \"$(printf '{dir}/Daten-\\344')\""} << 2 << none
            << "^zeltan: "
               "フォルダ名「.*/Daten-\uFFFD」には、このシステムの文字コードで読めないバイト"
               "があります\n$";
        QTest::newRow("default folder under a file")
            << QStringList{"QT_QPA_PLATFORM=offscreen", "XDG_DATA_HOME={file}"} << 2 << none
            << "^zeltan: データフォルダ「.*/a-file/zeltan」を作成できません：Not a directory\n$";
        QTest::newRow("no display at all")
            << QStringList{} << 2 << none << "^zeltan: 画面がありません：.*WAYLAND_DISPLAY.*\n$";
        QTest::newRow("no HOME and a relative XDG_DATA_HOME")
            << QStringList{"HOME=", "XDG_DATA_HOME=rel"} << 2 << none
            << "^zeltan: HOME が設定されていないため、データフォルダの場所を決められません\n$";
    }

    void answersWithoutAWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        // No display at all: a window, or even QApplication, would fail here.
        QProcess run;
        QProcessEnvironment env = environment(false);
        QStringList given = expand(arguments);
        // Leading NAME=value items set the run's environment.
        while (!given.isEmpty() && given.first().contains(u'=') &&
               !given.first().startsWith(u'-')) {
            const QString setting = given.takeFirst();
            env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        }
        run.setProcessEnvironment(env);
        if (given.value(0) == QStringLiteral("{sh}"))
            run.start(QStringLiteral("/bin/sh"),
                      {"-c", "exec \"$0\" " + given.value(1), QStringLiteral(ZELTAN_BINARY)});
        else
            run.start(QStringLiteral(ZELTAN_BINARY), given);
        QVERIFY(run.waitForFinished(60000));
        const QString stdOut = QString::fromUtf8(run.readAllStandardOutput());
        const QString stdErr = QString::fromUtf8(run.readAllStandardError());
        QCOMPARE(run.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.exitCode(), exitCode);
        QVERIFY2(QRegularExpression(out).match(stdOut).hasMatch(), qPrintable(stdOut));
        QVERIFY2(QRegularExpression(err).match(stdErr).hasMatch(), qPrintable(stdErr));
        QVERIFY(!QFileInfo::exists(m_dataHome));
        // Nothing was made in place of a folder that was refused.
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"a-file"});
    }

    void aDataFolderIsCreatedAndSeeded_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("folder"); // relative to the run's working folder
        QTest::newRow("fresh nested folder")
            << QStringList{"--data-dir", "{dir}/fresh/zeltan"} << "fresh/zeltan";
        QTest::newRow("relative path") << QStringList{"--data-dir", "rel"} << "rel";
        QTest::newRow("with =") << QStringList{"--data-dir={dir}/eq"} << "eq";
        QTest::newRow("Qt's own option passes")
            << QStringList{"-platform", "offscreen", "--data-dir", "{dir}/qt"} << "qt";
    }

    void aDataFolderIsCreatedAndSeeded()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, folder);
        const QDir data(m_dir.filePath(folder));
        QProcess run;
        run.setProcessEnvironment(environment(true));
        run.setWorkingDirectory(m_dir.path());
        run.start(QStringLiteral(ZELTAN_BINARY), expand(arguments));
        QVERIFY(run.waitForStarted());
        const QStringList shipped = {"GIA.DAT", "module.dat", "help.txt"};
        auto seeded = [&] {
            for (const QString& name : shipped) {
                QFile made(data.filePath(name));
                QFile original(QStringLiteral(ZELTAN_SOURCE_DIR "/data/") + name);
                if (!made.open(QIODevice::ReadOnly) || !original.open(QIODevice::ReadOnly) ||
                    made.readAll() != original.readAll())
                    return false;
            }
            return true;
        };
        const bool done = QTest::qWaitFor(seeded, 60000);
        const bool stillRunning = run.state() == QProcess::Running; // the window is up
        run.terminate();
        run.waitForFinished(10000);
        QVERIFY2(done, qPrintable(QString::fromUtf8(run.readAllStandardError())));
        QVERIFY(stillRunning);
        QVERIFY(!QFileInfo::exists(m_dataHome)); // the default folder was left alone
    }

    // A FIFO in the settings file's place is neither waited on nor replaced.
    void aSettingsFileThatIsNoFileIsLeftAlone()
    {
        const QString config = m_dir.filePath(QStringLiteral("config"));
        QVERIFY(QDir().mkpath(config + QStringLiteral("/zeltan")));
        const QByteArray fifo = QFile::encodeName(config + QStringLiteral("/zeltan/zeltan.conf"));
        QCOMPARE(::mkfifo(fifo.constData(), 0644), 0);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        QCOMPARE(Zoom::saved(), 1.0);
        Zoom::save(1.3);
        QVERIFY(Zoom::settingsProblem().contains(QString::fromLocal8Bit(fifo)));
        struct stat st;
        QVERIFY(::stat(fifo.constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_commandline.moc"
