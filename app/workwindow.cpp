#include "app/workwindow.h"

#include "app/form1.h"
#include "app/uikit.h"
#include "app/windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>

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
    if (!watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != this)
        return false;
    auto *target = static_cast<QWidget *>(watched);
    // A frame's hint is the frame's own: Qt would show it over every control inside.
    if (event->type() == QEvent::ToolTip)
        return target->toolTip().isEmpty() && qobject_cast<QGroupBox *>(target->parentWidget());
    return event->type() == QEvent::KeyPress && keyPreview(target, static_cast<QKeyEvent *>(event));
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
