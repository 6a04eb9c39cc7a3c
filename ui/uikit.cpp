#include "ui/uikit.h"

#include "common/numbertext.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

namespace ratebook::ui {

namespace {

void showMessageBox(QWidget *parent, const Message &message)
{
    // Not every platform hands the activation and the focus back when a modal box
    // closes: the user goes on where they were.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    QMessageBox box(QMessageBox::Question, message.title, message.prompt, QMessageBox::Ok, parent);
    box.exec();
    if (parent)
        parent->window()->activateWindow();
    if (focused)
        focused->setFocus();
}

MessageHandler &messageHandler()
{
    static MessageHandler handler = showMessageBox;
    return handler;
}

} // namespace

QFont sansFont(double points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void showMessage(QWidget *parent, const QString &prompt, const QString &title)
{
    messageHandler()(parent, Message{prompt, title});
}

MessageHandler setMessageHandler(MessageHandler handler)
{
    return std::exchange(messageHandler(), handler ? std::move(handler) : MessageHandler(showMessageBox));
}

int characterCode(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return event->modifiers() & Qt::ControlModifier ? 127 : 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return -1;
    default:
        break;
    }
    // The clipboard and editing shortcuts, whichever keys the platform binds them to.
    static const std::pair<QKeySequence::StandardKey, int> shortcuts[] = {
        {QKeySequence::Paste, 22}, {QKeySequence::Copy, 3}, {QKeySequence::Cut, 24},
        {QKeySequence::Undo, 26}, {QKeySequence::Redo, 25}, {QKeySequence::SelectAll, 1},
    };
    for (const auto &[shortcut, code] : shortcuts) {
        if (event->matches(shortcut))
            return code;
    }
    if ((event->modifiers() & Qt::ControlModifier) && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return event->key() - Qt::Key_A + 1;
    const QString text = event->text();
    return text.isEmpty() ? -1 : text.at(0).unicode();
}

void reportingFailures(QWidget *window, const std::function<void()> &body,
                       const std::function<QString(int input)> &boxName)
{
    try {
        body();
    } catch (const NotANumber &e) {
        showMessage(window, QObject::tr("%1 reads \"%2\", which is not a number.")
                                .arg(boxName(e.input()), QString::fromStdString(e.text())));
    } catch (const TooLarge &) {
        showMessage(window, QObject::tr("The result is too large to compute."));
    }
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QFont &font, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(font);
    button->setGeometry(geometry);
    // Outside a dialog a push button ignores Enter unless it is an auto-default one.
    button->setAutoDefault(true);
    return button;
}

QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFont(sansFont(9.75, true));
    frame->setGeometry(geometry);
    // The caption sits on the frame's top line and the inside starts right under it, so
    // that controls placed near the top stay clear of the line.
    const int half = QFontMetrics(frame->font()).height() / 2;
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox#%1 { border: 1px solid palette(mid); border-radius: 3px; margin-top: %2px; }"
        "QGroupBox#%1::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; color: rgb(0, 0, 64); }")
        .arg(frame->objectName()).arg(half));
    return frame;
}

void chainTabOrder(const QList<QWidget *> &controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace ratebook::ui
