// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the two work windows share: a fixed dialog frame with a close box and no taskbar
// button, every key seen before the focused control, a function key that closes the
// window, and a signal as it unloads, which whoever opened it answers.
#pragma once

#include <QWidget>

#include <functional>

class QKeyEvent;

class WorkWindow : public QWidget
{
    Q_OBJECT

public:
    WorkWindow(const char *name, const QString &title, const QSize &clientTwips, Qt::Key closeKey);

    // Asked before the window closes, however it is closed, when something would be lost;
    // false keeps it open as it was.
    void setCloseCheck(std::function<bool()> check) { m_closeCheck = std::move(check); }

signals:
    void unloaded();

protected:
    // Sees each key pressed anywhere in the window, after the close key and before the
    // control it is for; true swallows the key.
    virtual bool keyPreview(QWidget *target, QKeyEvent *event) = 0;
    bool Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    void Form_Unload();

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    const Qt::Key m_closeKey;
    std::function<bool()> m_closeCheck;
};
