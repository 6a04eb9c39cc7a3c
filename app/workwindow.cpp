#include "app/workwindow.h"

#include "app/form1.h"
#include "app/uikit.h"
#include "app/windows.h"

#include <QApplication>
#include <QCloseEvent>

WorkWindow::WorkWindow(const char *name, const QString &title, const QSize &clientTwips)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(title);
    setFixedSize(ratebook::ui::pixels(clientTwips.width()), ratebook::ui::pixels(clientTwips.height()));
    qApp->installEventFilter(this);
}

bool WorkWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *target = static_cast<QWidget *>(watched);
    return target->window() == this && keyPreview(target, static_cast<QKeyEvent *>(event));
}

void WorkWindow::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
    ratebook::windows::unload(this);
}

void WorkWindow::Form_Unload()
{
    ratebook::windows::form1()->show();
}
