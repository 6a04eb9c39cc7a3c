// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include "app/identity.h"
#include "app/windows.h"
#include "datasheet/datasheet1.h"
#include "extractor/form17.h"
#include "kit/dialogs.h"
#include "kit/uikit.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

using namespace ratebook;

Form1::Form1(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("The Estimate Builder"));
    setFont(kit::sansFont(8.25));
    resize(kit::pixels(5580), kit::pixels(6480));

    auto *Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(kit::twipsRect(570, 270, 4200, 3810));
    // A scaled screen gets the picture drawn at twice the pixels ("@2x" gives it that
    // pixel ratio), so it stays as sharp as at scale 1.
    const bool scaled = devicePixelRatioF() > 1;
    Image1->setPixmap(
        readArt(scaled ? QStringLiteral("picture@2x.png") : QStringLiteral("picture.bmp")));
    Image1->setScaledContents(true);

    const QFont buttonFont = kit::sansFont(12, true);
    m_openDataSheet = kit::makeButton(this, "Command1", QStringLiteral("&Data sheet Viewer"),
                                      buttonFont, kit::twipsRect(960, 4200, 3735, 615));
    m_openExtractor = kit::makeButton(this, "Command2", QStringLiteral("&Material Viewer"),
                                      buttonFont, kit::twipsRect(960, 5160, 3735, 615));
    setTabOrder(m_openDataSheet, m_openExtractor);
    connect(m_openDataSheet, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_openExtractor, &QPushButton::clicked, this, &Form1::Command2_Click);
}

void Form1::Form_Load()
{
    m_openDataSheet->setFocus();
    setVisible(true);
}

void Form1::Command1_Click()
{
    open([]() -> QWidget * { return windows::dataSheet(); });
}

void Form1::Command2_Click()
{
    open([]() -> QWidget * { return windows::extractor(); });
}

// The work window is on screen before this one unloads, so there is always a window.
// If it cannot be built, this window stays and says so rather than leave none.
void Form1::open(QWidget *(*reach)())
{
    try {
        reach()->show();
    } catch (const std::exception &e) {
        kit::showMessage(this, windows::cannotOpen(e));
        return;
    }
    close();
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    windows::unload(this);
}
