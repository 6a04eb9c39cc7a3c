// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/uikit.h"

#include "common/numbertext.h"
#include "kit/dialogs.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace ratebook::kit {

QFont sansFont(double points, bool bold)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
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
    default:
        break;
    }
    // A control chord types its letter's control character, whatever text the platform
    // gives it; keyboard layouts that move letters move the chord with them.
    if ((event->modifiers() & Qt::ControlModifier) && event->key() >= Qt::Key_A
        && event->key() <= Qt::Key_Z)
        return event->key() - Qt::Key_A + 1;
    // Only printable text is typed: X11 gives Delete the text "\x7f" and Tab "\t", yet
    // they edit and move. So do Insert, the arrows and the edit chords Shift+Insert,
    // Ctrl+Insert and Shift+Delete, which carry no text at all.
    const QList<uint> typed = event->text().toUcs4();
    return typed.isEmpty() || !QChar::isPrint(char32_t(typed.front())) ? -1 : int(typed.front());
}

namespace {

int failuresHeld = 0;

} // namespace

FailuresHeld::FailuresHeld() { ++failuresHeld; }
FailuresHeld::~FailuresHeld() { --failuresHeld; }

QString failureMessage(const ComputeError &failure,
                       const std::function<QString(int input)> &boxName)
{
    if (const auto *notANumber = dynamic_cast<const NotANumber *>(&failure)) {
        return QObject::tr("%1 reads \"%2\", which is not a number.")
            .arg(boxName(notANumber->input()), QString::fromStdString(notANumber->text()));
    }
    return QObject::tr("The result is too large to compute.");
}

void reportingFailures(QWidget *window, const std::function<void()> &body,
                       const std::function<QString(int input)> &boxName)
{
    try {
        body();
    } catch (const ComputeError &e) {
        if (failuresHeld == 0)
            showMessage(window, failureMessage(e, boxName));
    }
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                        const QFont &font, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(font);
    button->setGeometry(geometry);
    // Outside a dialog a push button ignores Enter unless it is an auto-default one.
    button->setAutoDefault(true);
    return button;
}

QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption,
                     const QRect &geometry)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFont(sansFont(9.75, true));
    frame->setGeometry(geometry);
    // The caption sits on the frame's top line and the inside starts right under it, so
    // that controls placed near the top stay clear of the line.
    const int half = QFontMetrics(frame->font()).height() / 2;
    frame->setStyleSheet(
        QStringLiteral(
            "QGroupBox#%1 { border: 1px solid palette(mid); border-radius: 3px; margin-top: %2px; }"
            "QGroupBox#%1::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; color: "
            "rgb(0, 0, 64); }")
            .arg(frame->objectName())
            .arg(half));
    return frame;
}

void chainTabOrder(const QList<QWidget *> &controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

namespace {

// What the window manager draws around a window's client area; none until it has framed it.
QMargins frameOf(const QWidget *window)
{
    const QRect frame = window->frameGeometry(), client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// A move places the frame's corner, so the window lands where this puts it only if its frame
// is the one given.
void placeCentred(QWidget *window, const QMargins &frame)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect whole = QRect(QPoint(), window->size()).marginsAdded(frame);
    whole.moveCenter(screen->availableGeometry().center());
    window->move(whole.topLeft());
}

// Once the window manager has framed the window (it moves the client into the frame), sets
// the window right if its frame turned out other than the one it was placed by.
class FrameCheck : public QObject
{
public:
    FrameCheck(QWidget *window, const QMargins &assumed) : QObject(window), m_assumed(assumed)
    {
        window->installEventFilter(this);
    }

private:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        const QMargins frame = frameOf(window);
        if (event->type() != QEvent::Move || !event->spontaneous() || frame.isNull())
            return false;
        if (frame != m_assumed)
            placeCentred(window, frame);
        deleteLater();
        return false;
    }

    const QMargins m_assumed;
};

} // namespace

// A window's frame is known only once it is on screen, and placing it after that would show
// it jump. So the frame of a window the same window manager has already framed (the one
// that opens this) stands in for its own, and a frame that differs is set right at once.
void centreOnScreen(QWidget *window)
{
    QMargins frame = frameOf(window);
    if (!window->isVisible()) {
        for (const QWidget *shown : QApplication::topLevelWidgets()) {
            if (shown != window && shown->isVisible() && !frameOf(shown).isNull()) {
                frame = frameOf(shown);
                break;
            }
        }
        new FrameCheck(window, frame);
    }
    placeCentred(window, frame);
}

// Beside it on the right, or else on the left, below or above; where none has room, at the
// screen's right edge, level with it.
void placeBeside(QWidget *window, const QWidget *beside)
{
    const QRect screen = beside->screen()->availableGeometry();
    const QRect other = beside->frameGeometry();
    const QSize size = window->frameGeometry().size();
    const QPoint places[] = {{other.right() + 1, other.top()},
                             {other.left() - size.width(), other.top()},
                             {other.left(), other.bottom() + 1},
                             {other.left(), other.top() - size.height()}};
    for (const QPoint &place : places) {
        if (screen.contains(QRect(place, size))) {
            window->move(place);
            return;
        }
    }
    window->move(std::max(screen.left(), screen.right() + 1 - size.width()), other.top());
}

void showBeside(QWidget *window, const QWidget *beside, bool activate)
{
    if (!window->isVisible()) {
        window->show();
        placeBeside(window, beside);
    }
    window->raise();
    if (activate)
        window->activateWindow();
}

} // namespace ratebook::kit
