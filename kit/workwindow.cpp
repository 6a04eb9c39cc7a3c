// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/workwindow.h"

#include "kit/uikit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>

WorkWindow::WorkWindow(const char *name, const QString &title, const QSize &clientTwips,
                       Qt::Key closeKey)
    : QWidget(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_closeKey(closeKey)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(title);
    setFixedSize(ratebook::kit::pixels(clientTwips.width()),
                 ratebook::kit::pixels(clientTwips.height()));
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
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    return Form_KeyDown(key->key(), key->modifiers()) || keyPreview(target, key);
}

// The close key closes the window whatever the shift state.
bool WorkWindow::Form_KeyDown(int keyCode, Qt::KeyboardModifiers)
{
    if (keyCode != m_closeKey)
        return false;
    close();
    return true;
}

void WorkWindow::closeEvent(QCloseEvent *event)
{
    if (m_closeCheck && !m_closeCheck()) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

void WorkWindow::Form_Unload()
{
    emit unloaded();
}
