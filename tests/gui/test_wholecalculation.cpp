#include "appsetup.h"
#include "mainwindow.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// One calculation as a user makes it, through the real widgets only: the
// star, keypad presses and typed digits, the SET buttons; the results are
// read from the labels on screen and from GIA.DAT on disk.
class WholeCalculationTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_messages;

    QLabel* label(const char* name) const
    {
        return qobject_cast<QLabel*>(m_window->control(QString::fromLatin1(name)));
    }
    QString caption(const char* name) const
    {
        QLabel* l = label(name);
        return l ? l->text() : QStringLiteral("<no label>");
    }
    void click(const char* name)
    {
        auto* button = qobject_cast<QPushButton*>(m_window->control(QString::fromLatin1(name)));
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Digits on the keyboard while a button has the focus press the keypad.
    void type(const QString& digits)
    {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(qobject_cast<QPushButton*>(focus));
        QTest::keyClicks(focus, digits);
    }

    QByteArray lastInputsBytes() const
    {
        QFile file(QDir(m_folder.path()).filePath(QStringLiteral("GIA.DAT")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        AppSetup::installFontSubstitutes();
        // Inputs saved by an earlier session, all different from what the
        // calculation below leaves, so a value that is not written shows.
        const QStringList earlier = {"テスト車", "2",  "70", "20", "7.00000", "48P",
                                     "70",       "15", "20", "15", "1",       "1"};
        QStringEncoder cp932("CP932");
        QByteArray bytes;
        for (const QString& line : earlier)
            bytes += QByteArray(cp932(line)) + "\r\n";
        QVERIFY(!cp932.hasError());
        QFile gia(QDir(m_folder.path()).filePath(QStringLiteral("GIA.DAT")));
        QVERIFY(gia.open(QIODevice::WriteOnly));
        gia.write(bytes);
        gia.close();

        // Any message box is a failure here; it is closed so the run goes on.
        auto* closer = new QTimer(this);
        connect(closer, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_messages << box->text();
                box->reject();
            }
        });
        closer->start(50);

        m_window = std::make_unique<MainWindow>(m_folder.path());
        m_window->start();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanupTestCase() { m_window.reset(); }

    void cleanup() { QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(u'|'))); }

    void startsWithTheSavedInputs()
    {
        QCOMPARE(caption("Label13"), QStringLiteral("テスト車"));
        QCOMPARE(caption("Label6"), QStringLiteral("2"));
        QCOMPARE(caption("Label7"), QStringLiteral("70"));
        QCOMPARE(caption("Label8"), QStringLiteral("20"));
        QCOMPARE(caption("Label9"), QStringLiteral("7.00000"));
    }

    void totalRatioFollowsEachSet()
    {
        click("Command21"); // the star on the total: it is what gets calculated
        QCOMPARE(qobject_cast<QPushButton*>(m_window->control(QStringLiteral("Command21")))->text(),
                 QStringLiteral("★"));

        click("Command13"); // 2
        click("Command16"); // ・
        click("Command10"); // 5
        QCOMPARE(caption("Label11"), QStringLiteral("2.5"));
        click("Command1"); // SET the secondary ratio
        QCOMPARE(caption("Label6"), QStringLiteral("2.5"));
        QCOMPARE(caption("Label11"), QStringLiteral("0"));
        QCOMPARE(caption("Label9"), QStringLiteral("8.75000")); // 2.5 × 70 / 20

        click("Command13"); // 2
        click("Command10"); // 5
        click("Command3");  // SET the pinion
        QCOMPARE(caption("Label8"), QStringLiteral("25"));
        QCOMPARE(caption("Label9"), QStringLiteral("7.00000")); // 2.5 × 70 / 25

        type(QStringLiteral("80"));
        QCOMPARE(caption("Label11"), QStringLiteral("80"));
        click("Command2"); // SET the spur
        QCOMPARE(caption("Label7"), QStringLiteral("80"));
        QCOMPARE(caption("Label9"), QStringLiteral("8.00000")); // 2.5 × 80 / 25
        QCOMPARE(caption("Label11"), QStringLiteral("0"));
    }

    void theInputsAreSavedInGiaDat()
    {
        const QByteArray bytes = lastInputsBytes();
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), 12);
        QCOMPARE(bytes.count('\n'), 12); // no bare line feeds
        QStringDecoder cp932("CP932");
        const QString text = cp932(bytes);
        QVERIFY(!cp932.hasError());
        QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.takeLast(), QString()); // after the last CR LF
        const QStringList expected = {"テスト車", "2.5", "80", "25", "8.00000", "48P",
                                      "70",       "15",  "20", "15", "1",       "1"};
        QCOMPARE(lines, expected);
    }
};

QTEST_MAIN(WholeCalculationTest)
#include "test_wholecalculation.moc"
