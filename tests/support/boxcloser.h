#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <utility>

// A message box would wait for a user: while running, the closer answers one
// at once and keeps its text, so a test or benchmark can report it instead
// of hanging.
class BoxCloser
{
public:
    explicit BoxCloser(int intervalMs)
    {
        m_timer.setInterval(intervalMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_messages << box->text();
                box->reject();
            }
        });
    }
    void start() { m_timer.start(); }
    void stop() { m_timer.stop(); }
    QStringList takeMessages() { return std::exchange(m_messages, {}); }

private:
    QTimer m_timer;
    QStringList m_messages;
};
