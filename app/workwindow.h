// What the two work windows share: a fixed dialog frame with a close box and no taskbar
// button, every key seen before the focused control, and the way back to the main
// window when they unload.
#pragma once

#include <QWidget>

class QKeyEvent;

class WorkWindow : public QWidget
{
    Q_OBJECT

public:
    WorkWindow(const char *name, const QString &title, const QSize &clientTwips);

protected:
    // Sees each key pressed anywhere in the window before the control it is for does;
    // true swallows the key.
    virtual bool keyPreview(QWidget *target, QKeyEvent *event) = 0;
    void Form_Unload();

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};
