// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: a picture and the two buttons that open the work windows.
#pragma once

#include <QWidget>

class QPushButton;

class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    void Form_Load();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void open(QWidget *(*reach)());

    QPushButton *m_openDataSheet;
    QPushButton *m_openExtractor;
};
