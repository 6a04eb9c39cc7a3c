// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The widget kit the windows share: twips and fonts mapped to the screen, typed-character
// codes, buttons and frames built alike, and reporting a failed computation.
#pragma once

#include <QFont>
#include <QList>
#include <QPalette>
#include <QRect>
#include <QString>

#include <array>
#include <string>

#include <functional>

namespace ratebook {
class ComputeError;
}

class QGroupBox;
class QKeyEvent;
class QPushButton;
class QWidget;

namespace ratebook::kit {

// 15 twips to a logical pixel (96 dpi); Qt's high-DPI scaling applies on top.
constexpr int pixels(double twips) { return int(twips / 15.0 + 0.5); }
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

constexpr QRect twipsRect(const QRect &twips)
{
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

// MS Sans Serif and Arial both map to the platform's sans font, Arial's metrics first:
// Liberation Sans by name, since asking for Arial sends fontconfig through its aliases
// on every start; Arial where there is no Liberation Sans.
QFont sansFont(double points, bool bold = false);
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);

// The character code a key press types: a printable character, Enter 13, Backspace 8,
// Escape 27 or a Ctrl+letter chord 1 to 26 (Ctrl+V 22). -1 for a key that types nothing
// and only edits or moves: Delete, Insert, arrows, Tab, function keys, Shift+Insert.
int characterCode(const QKeyEvent *event);

// What the user is told of a failed computation, naming the box through `boxName` (which
// gets NotANumber::input()).
QString failureMessage(const ComputeError &failure,
                       const std::function<QString(int input)> &boxName);

// Runs a handler's body; a computation that fails abandons it and is reported.
void reportingFailures(QWidget *window, const std::function<void()> &body,
                       const std::function<QString(int input)> &boxName);

// While one lives, failed computations are not reported: a file's values go in one by one,
// and the recomputation that ends the loading reports once what is still wrong.
class FailuresHeld
{
public:
    FailuresHeld();
    ~FailuresHeld();
    FailuresHeld(const FailuresHeld &) = delete;
    FailuresHeld &operator=(const FailuresHeld &) = delete;
};

// A command button that Enter presses when it has the focus, as Space does.
QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                        const QFont &font, const QRect &geometry);

// A frame grouping controls, its caption in dark blue bold on its top line.
QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption,
                     const QRect &geometry);

// The texts of some boxes, in order, as the computations take them.
template <class Box, std::size_t N>
std::array<std::string, N> textsOf(const std::array<Box *, N> &boxes)
{
    std::array<std::string, N> texts;
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = boxes[i]->text().toStdString();
    return texts;
}

// Tab goes from each control to the next in the list.
void chainTabOrder(const QList<QWidget *> &controls);

// Centres a window, its frame included, on the free area of its screen.
void centreOnScreen(QWidget *window);
// Places a window beside another, where the screen has room.
void placeBeside(QWidget *window, const QWidget *beside);
// Shows a window, placed beside another the first time, in front and given the keyboard unless
// a window shown after it is to have it: two windows asking at once may be answered in either
// order.
void showBeside(QWidget *window, const QWidget *beside, bool activate = true);

} // namespace ratebook::kit
