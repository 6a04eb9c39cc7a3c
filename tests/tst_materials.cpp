// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The material table, cell by cell.
#include "extractor/materials.h"

#include <QTest>

using namespace ratebook;

class tst_Materials : public QObject
{
    Q_OBJECT

private slots:
    // Every item at a quantity of its own, so that every factor shows.
    void allTwelve()
    {
        QStringList cells;
        for (const MaterialRow &row : materialTableRows({"11", "13", "17", "19", "23", "29", "31", "37", "410", "430", "470", "530"}))
            for (const std::string &cell : row)
                cells << QString::fromStdString(cell);
        QCOMPARE(cells.join('|'), "22.08 (Cu.m)|33.12 (Cu.m)|72000.00 (Nos)|28.32 (Cu.m)|84.00 (Cu.m)||||815.58 (50 Kg. Bags)||779.64 (Cft)|1169.47 (Cft)||999.94 (Cft)|2965.97 (Cft)");
    }
};

QTEST_APPLESS_MAIN(tst_Materials)
#include "tst_materials.moc"
