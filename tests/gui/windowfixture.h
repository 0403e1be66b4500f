#pragma once

#include "appsetup.h"
#include "mainwindow.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "support/boxcloser.h"
#include <functional>

#include <memory>
#include <utility>

// A fresh main window over a fresh data folder for each test case, shown and
// active. Message boxes are answered at once and recorded, so a stray one
// fails the case instead of hanging the run.
class WindowFixture
{
public:
    // Call from init(); QVERIFY inside needs a void function. seed writes
    // files into the data folder before the window starts.
    void open(const std::function<void(const QString& folder)>& seed = {})
    {
        m_home = std::make_unique<QTemporaryDir>();
        QVERIFY(m_home->isValid());
        if (seed)
            seed(m_home->path());
        m_window = std::make_unique<MainWindow>(m_home->path());
        m_window->start();
        m_window->fitToScreen();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_boxCloser.start();
    }

    // Call from cleanup(): the messages the case left unread fail it.
    void close()
    {
        m_boxCloser.stop();
        m_window.reset();
        m_home.reset();
        const QStringList shown = takeMessages();
        QVERIFY2(shown.isEmpty(), qPrintable(shown.join(u'|')));
    }

    QStringList takeMessages() { return m_boxCloser.takeMessages(); }

    MainWindow* window() const { return m_window.get(); }
    QString folder() const { return m_home->path(); }
    QWidget* control(const char* name) const
    {
        return m_window->control(QString::fromLatin1(name));
    }
    QString caption(const char* name) const
    {
        auto* label = qobject_cast<QLabel*>(control(name));
        return label ? label->text() : QStringLiteral("<no label>");
    }
    QPushButton* button(const char* name) const
    {
        return qobject_cast<QPushButton*>(control(name));
    }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

private:
    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<MainWindow> m_window;
    BoxCloser m_boxCloser{50};
};

// A test class whose every case runs on a fresh window from the fixture
// (init and cleanup are here), with its look-ups under short names.
class WindowTest : public QObject
{
    Q_OBJECT

protected:
    WindowFixture m_fixture;
    MainWindow* m_window = nullptr;

    QString caption(const char* name) const { return m_fixture.caption(name); }
    QPushButton* button(const char* name) const { return m_fixture.button(name); }
    void click(const char* name) { m_fixture.click(name); }

private slots:
    void init()
    {
        m_fixture.open();
        m_window = m_fixture.window();
    }

    void cleanup() { m_fixture.close(); }
};
