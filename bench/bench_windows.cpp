// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows driven as a user drives them, timed: a keystroke in the extractor to its
// rebuilt table, a "Unit Cost" click to the rebuilt rates, a file opened and saved through
// the table's shortcuts, each work window opened and closed through the main window, the
// statement and the workbook written, and what start-up builds. A large estimate, made at
// run time, is opened, typed into and exported through its details of measurement.
#include "tests/fixture.h"

#include "abstract/abstractwindow.h"
#include "app/form1.h"
#include "app/startup.h"
#include "datasheet/datasheet1.h"
#include "extractor/form17.h"
#include "documents/workfile.h"
#include "measurement/measurementmodel.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace ratebook;

namespace {

// The sample building grown to 100 items of one's own under its five sub-heads and 5,000
// lines of measurement spread over them and four of the twelve, one line in 25 deducted.
// `firstLength` is the length of item 6's first line, so that two files differ in one cell.
QByteArray largeEstimate(const QString &firstLength)
{
    QJsonObject estimate = QJsonDocument::fromJson(bytes(sample("one-room-building"))).object();
    const QJsonArray heads = estimate.value("heads").toArray();
    QJsonArray items;
    QStringList measured{"1", "2", "6", "9"};
    for (int n = 13; n < 113; ++n) {
        items << QJsonObject{{"no", QString::number(n)},
                             {"description", QString("Own item %1").arg(n)},
                             {"unit", "Cum"},
                             {"per", 1},
                             {"rate", "250.00"},
                             {"head", heads[n % heads.size()]},
                             {"quantity", "0.000"}};
        measured << QString::number(n);
    }
    const int lineCount = 5000;
    QJsonArray measurements;
    for (qsizetype k = 0; k < measured.size(); ++k) {
        const qsizetype count = lineCount / measured.size()
                                + (k < lineCount % measured.size() ? 1 : 0);
        QJsonArray lines;
        for (qsizetype line = 0; line < count; ++line) {
            const bool first = measured[k] == "6" && line == 0;
            const QString length = first ? firstLength
                                         : QString::number(1 + line % 90 * 0.1, 'f', 2);
            lines << QJsonObject{{"particulars", QString("Wall %1").arg(line + 1)}, {"nos", "2"},
                                 {"length", length}, {"breadth", "0.23"}, {"depth", "3.00"},
                                 {"deduct", line % 25 == 24}};
        }
        measurements << QJsonObject{{"item", measured[k]}, {"lines", lines}};
    }
    estimate.insert("items", items);
    estimate.insert("measurements", measurements);
    return QJsonDocument(estimate).toJson();
}

QWidget *measurementSheet()
{
    return child(windows::extractor(), "DetailsOfMeasurement");
}

} // namespace

class bench_Windows : public QObject
{
    Q_OBJECT

    Answers answers; // a message would block in a modal loop; here it is a fault
    QTemporaryDir files;
    QString large; // the large estimate, and the same with one length changed
    QString largeChanged;

private slots:
    void initTestCase()
    {
        answers.answer = 1; // "Discard": what a benchmark typed is never saved over its file
        ratebook::setUpApplication();
        large = written(files.filePath("large.ratebook"), largeEstimate("5.03"));
        largeChanged = written(files.filePath("large-changed.ratebook"), largeEstimate("5.13"));
    }

    void cleanup()
    {
        closeEverything();
        QCOMPARE(answers.takeMessages().size(), 0);
    }

    // Start-up does what main() does; the work windows are built only when asked for.
    void startBuildsMainWindowOnly()
    {
        windows::form1()->show();
        QStringList built;
        for (const QWidget *w : QApplication::topLevelWidgets())
            built << w->objectName();
        qInfo("built at start: %s", qPrintable(built.join(' ')));
        QCOMPARE(built, QStringList("Form1"));
    }

    void keystrokeToMaterialTable()
    {
        QWidget *w = windows::extractor();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTest::mouseClick(child<QCheckBox>(w, "Check5"), Qt::LeftButton);
        auto *box = child<QLineEdit>(w, "Text5");
        auto *table = child<QTreeWidget>(w, "ListView1");
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClick(box, Qt::Key_End);

        // A digit, then Backspace: every keystroke changes the text, each rebuilds the table.
        int keystrokes = 0;
        QBENCHMARK {
            QTest::keyClick(box, keystrokes++ % 2 ? Qt::Key_Backspace : Qt::Key_7);
        }
        QCOMPARE(box->text(), keystrokes % 2 ? "07" : "0");
        QCOMPARE(table->topLevelItem(0)->text(2), keystrokes % 2 ? "4200.00 (Nos)" : "00.00 (Nos)");
    }

    // The same with the abstract open beside: both tables are rebuilt at each keystroke.
    void keystrokeToAbstract()
    {
        ratebook::start({"ratebook", sample("estimate")});
        QWidget *w = windows::extractor();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        auto *box = child<QLineEdit>(w, "Text9");
        QTest::keyClick(box, Qt::Key_End);
        int keystrokes = 0;
        QBENCHMARK {
            QTest::keyClick(box, keystrokes++ % 2 ? Qt::Key_Backspace : Qt::Key_7);
        }
        QWidget *abstract = w->findChild<QWidget *>("AbstractOfEstimate");
        QCOMPARE(tableRows(abstract).size(), worked::abstract.size());
    }

    void keystrokeInMeasurement_data()
    {
        QTest::addColumn<bool>("labour");
        QTest::newRow("") << false;
        QTest::newRow("labour open") << true;
    }
    // In the large estimate's sheet, a length of a line of item 6 typed into its open cell:
    // the sheet works out the line and the item's totals, carries the net into the
    // extractor's box, which rebuilds the material table and then the abstract, and the labour
    // statement when it is open.
    void keystrokeInMeasurement()
    {
        QFETCH(bool, labour);
        ratebook::start({"ratebook", large});
        if (labour)
            onTable(child(windows::extractor(), "AbstractOfEstimate"), "Ctrl+L");
        QWidget *sheet = measurementSheet();
        QVERIFY(QTest::qWaitForWindowExposed(sheet));
        // The labour statement, shown last, and the abstract it was asked from took the keys.
        const auto active = [sheet] {
            sheet->activateWindow();
            QTest::qWait(20);
            return sheet->isActiveWindow();
        };
        QTRY_VERIFY(active());
        auto *view = child<QTreeView>(sheet, "ListView1");
        view->setFocus();
        const auto *model = static_cast<const MeasurementModel *>(view->model());
        int row = 0;
        while (
            row < model->rowCount()
            && (model->keyOf(row) != "6" || model->rowKind(row) != MeasurementModel::RowKind::Line))
            ++row;
        const QModelIndex length = model->index(row, MeasurementModel::LengthColumn);
        view->scrollTo(length);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(length).center());
        QTest::keyClick(view, Qt::Key_F2);
        auto *cell = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(cell);
        QTest::keyClick(cell, Qt::Key_End);
        int keystrokes = 0;
        QBENCHMARK {
            QTest::keyClick(cell, keystrokes++ % 2 ? Qt::Key_Backspace : Qt::Key_7);
        }
        QCOMPARE(cell->text(), keystrokes % 2 ? "5.037" : "5.03");
        const QString net = QString::fromStdString(fixedText(*model->measured("6"), 2));
        QCOMPARE(child<QLineEdit>(windows::extractor(), "Text6")->text(), net);
    }

    // The data sheet shown, the nine costs of the worked example typed.
    static QWidget *dataSheetFilled()
    {
        QWidget *w = windows::dataSheet();
        w->show();
        if (!QTest::qWaitForWindowExposed(w))
            qFatal("the data sheet was not shown");
        for (qsizetype i = 0; i < worked::costs.size(); ++i)
            QTest::keyClicks(child<QLineEdit>(w, worked::costBoxes[i]), worked::costs[i]);
        return w;
    }

    void unitCostClick()
    {
        QWidget *w = dataSheetFilled();
        auto *unitcost = child<QPushButton>(w, "unitcost");

        QBENCHMARK {
            QTest::mouseClick(unitcost, Qt::LeftButton);
        }
        QCOMPARE(tableRows(w), worked::rates);
    }

    // A statement written as a PDF, or as a workbook, from its shortcut on the filled table
    // to the file in place; the details are asked once, before the timing.
    void exportStatement_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("window");
        QTest::newRow("pdf") << "Ctrl+Shift+E" << "pdf" << "datasheet1";
        QTest::newRow("workbook") << "Ctrl+E" << "xlsx" << "datasheet1";
        QTest::newRow("abstract pdf") << "Ctrl+Shift+E" << "pdf" << "AbstractOfEstimate";
        QTest::newRow("abstract workbook") << "Ctrl+E" << "xlsx" << "AbstractOfEstimate";
        QTest::newRow("sheet pdf") << "Ctrl+Shift+E" << "pdf" << "DetailsOfMeasurement";
        QTest::newRow("sheet workbook") << "Ctrl+E" << "xlsx" << "DetailsOfMeasurement";
        QTest::newRow("estimate pdf") << "Ctrl+Shift+D" << "pdf" << "Estimate";
        QTest::newRow("estimate workbook") << "Ctrl+Shift+X" << "xlsx" << "Estimate";
    }
    // The rate analysis, the worked abstract, or the large estimate's details of measurement, or
    // that estimate whole.
    void exportStatement()
    {
        QFETCH(QString, keys);
        QFETCH(QString, suffix);
        QFETCH(QString, window);
        QTemporaryDir dir;
        answers.file = dir.filePath("out." + suffix);
        QWidget *w = nullptr;
        if (window == "AbstractOfEstimate") {
            ratebook::start({"ratebook", sample("estimate")});
            w = child(windows::extractor(), window);
        } else if (window == "DetailsOfMeasurement") {
            ratebook::start({"ratebook", large});
            w = measurementSheet();
        } else if (window == "Estimate") {
            ratebook::start({"ratebook", large});
            w = child(windows::extractor(), "AbstractOfEstimate");
        } else {
            w = dataSheetFilled();
            QTest::mouseClick(child<QPushButton>(w, "unitcost"), Qt::LeftButton);
        }
        auto *table = child<QTreeView>(w, "ListView1");
        onTable(w, keys);
        QFile::remove(dir.filePath("out." + suffix));
        QBENCHMARK {
            QTest::keySequence(table, QKeySequence(keys));
        }
        QVERIFY(QFileInfo(dir.filePath("out." + suffix)).size() > 1000);
    }

    void openAndSaveFile_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("saving");
        QTest::addColumn<QString>("folder"); // empty: the temporary folder, on disk
        // Saving ends in the disk's own sync, which on a busy machine alone takes 0.3 to 8 ms:
        // the program's part is timed in memory (/dev/shm), the whole on disk beside it.
        QTest::newRow("open costs") << "datasheet1" << "costs" << false << "";
        QTest::newRow("open quantities") << "Form17" << "quantities" << false << "";
        QTest::newRow("open an estimate") << "Form17" << "estimate" << false << "";
        QTest::newRow("save costs") << "datasheet1" << "costs" << true << "/dev/shm";
        QTest::newRow("save quantities") << "Form17" << "quantities" << true << "/dev/shm";
        QTest::newRow("save costs to disk") << "datasheet1" << "costs" << true << "";
    }
    // Ctrl+O or Ctrl+S on the table, the file dialog answered at once. Opening takes turns
    // between the sample and the window as it first opened, so every round changes the boxes,
    // runs their handlers and recomputes.
    void openAndSaveFile()
    {
        QFETCH(QString, window);
        QFETCH(QString, kind);
        QFETCH(bool, saving);
        QFETCH(QString, folder);
        if (!folder.isEmpty() && !QFileInfo(folder).isWritable())
            QSKIP("no memory-backed folder");
        QTemporaryDir dir(folder.isEmpty() ? QDir::tempPath() + "/bench-XXXXXX"
                                           : folder + "/ratebook-bench-XXXXXX");
        const QString sample = QStringLiteral(RATEBOOK_SAMPLES) + kind + ".ratebook";
        const QString fresh = dir.filePath("fresh.ratebook");
        QString &chosen = answers.file;
        QWidget *w = window == "datasheet1" ? static_cast<QWidget *>(windows::dataSheet())
                                            : windows::extractor();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        auto *table = child<QTreeWidget>(w, "ListView1");
        auto command = [&](Qt::Key key, const QString &file) {
            chosen = file;
            table->setFocus();
            QTest::keyClick(table, key, Qt::ControlModifier);
        };
        if (kind != "quantities") { // a blank cost would be reported at every opening
            QFile::copy(sample, fresh);
            QFile file(fresh);
            QVERIFY(file.open(QIODevice::ReadWrite));
            const QByteArray changed
                = file.readAll().replace("\"250\"", "\"260\"").replace("\"1200\"", "\"1300\"");
            QVERIFY(file.resize(0) && file.write(changed) == changed.size());
        } else {
            command(Qt::Key_S, fresh);
        }
        command(Qt::Key_O, sample);
        int round = 0;
        QBENCHMARK {
            if (saving)
                command(Qt::Key_S, dir.filePath("saved.ratebook"));
            else
                command(Qt::Key_O, round++ % 2 ? sample : fresh);
        }
        if (saving)
            QCOMPARE(documents::readKind(dir.filePath("saved.ratebook")), kind);
        else
            QCOMPARE(table->topLevelItemCount(), kind == "costs" ? 10 : 3);
    }

    // Ctrl+O on the extractor's table, taking turns between the large estimate and the same
    // with one length changed, to the three windows shown, laid out and painted.
    void openLargeEstimate()
    {
        ratebook::start({"ratebook", large});
        QWidget *w = windows::extractor();
        QVERIFY(QTest::qWaitForWindowExposed(measurementSheet()));
        auto *table = child(w, "ListView1");
        answers.fileRequests.clear();
        int round = 0;
        QBENCHMARK {
            answers.file = round++ % 2 ? large : largeChanged;
            w->activateWindow(); // the sheet was shown last, and took the keys
            QApplication::processEvents();
            table->setFocus();
            QTest::keyClick(table, Qt::Key_O, Qt::ControlModifier);
            QApplication::processEvents();
        }
        const auto *sheet = child<QTreeView>(measurementSheet(), "ListView1");
        QVERIFY(sheet->isVisible() && sheet->model()->rowCount() > 5000);
        QVERIFY(child(w, "AbstractOfEstimate")->isVisible());
        QCOMPARE(answers.fileRequests.size(), round);
    }

    // What the recovery copy of the large estimate costs the keyboard's thread: what the copy
    // needs taken, as it takes it once the keys pause; the file is made and written on another.
    void recoveryCopyContents()
    {
        ratebook::start({"ratebook", large});
        const auto *abstract = child<AbstractWindow>(windows::extractor(), "AbstractOfEstimate");
        std::function<documents::WorkFile()> later;
        QBENCHMARK {
            later = abstract->contentsLater();
        }
        QVERIFY(later().parts.value("measurements").toArray().size() > 100);
    }

    void openAndClose_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::newRow("data sheet") << "Command1" << "datasheet1";
        QTest::newRow("extractor") << "Command2" << "Form17";
    }
    // Each round: the button builds and shows the work window, the main window unloads;
    // closing the work window builds and shows a fresh main window. Both get painted.
    void openAndClose()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        windows::form1()->show();
        QString opened;
        QBENCHMARK {
            QTest::mouseClick(child<QPushButton>(windows::form1(), qPrintable(button)),
                              Qt::LeftButton);
            QApplication::processEvents();
            QWidget *work = visibleWindows().value(0);
            opened = work ? work->objectName() : QString();
            if (work)
                work->close();
            QApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(opened, window);
        QCOMPARE(visibleWindows().size(), 1);
    }
};

QTEST_MAIN(bench_Windows)
#include "bench_windows.moc"
