#include "toolwindow.h"

#include "mainlink.h"
#include "windowplace.h"

#include <QPushButton>
#include <QShortcut>

#include <utility>

ToolWindow::ToolWindow(QWidget* parent, const QString& name, const QString& title)
    : QWidget(parent, Qt::Window)
{
    setObjectName(name);
    setWindowTitle(title);
    // The main window's face and palette, whatever the desktop's theme.
    setAttribute(Qt::WA_WindowPropagation);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void ToolWindow::open()
{
    opening(!std::exchange(m_opened, true));
    show();
    raise();
    activateWindow();
    if (QWidget* first = firstFocus())
        first->setFocus();
}

void ToolWindow::followZoom(const MainLink& main)
{
    connect(&main, &MainLink::zoomChanged, this, [this] { rescale(); });
}

void ToolWindow::moveBeside(const QWidget& window, QSize wanted, QPoint offset)
{
    const QRect place = placeBeside(window, wanted, offset);
    resize(place.size());
    move(place.topLeft());
}

QPushButton* ToolWindow::addCloseButton(const QString& caption, const QString& spoken)
{
    auto* close = new QPushButton(caption, this);
    close->setObjectName(QStringLiteral("close"));
    close->setAccessibleName(spoken);
    // Return on it closes the window, as on any other focused button.
    close->setAutoDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return close;
}
