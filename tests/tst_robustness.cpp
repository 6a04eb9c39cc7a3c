// What no user should be able to break: every odd text in every box gives a clear
// message or the same result as the plain number it stands for, and a long day of
// opening and closing the windows leaves nothing behind.
#include "windowtest.h"
#include "workedexample.h"

#include "app/form1.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

QStringList tableRows(QWidget *window)
{
    QStringList rows;
    const auto *list = child<QTreeWidget>(window, "ListView1");
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c)
            cells << list->topLevelItem(r)->text(c);
        rows << cells.join('|');
    }
    return rows;
}

// Opens a work window by the main window's button and returns it once it is active.
QWidget *open(const char *button)
{
    QWidget *main = ratebook::windows::form1();
    QTest::mouseClick(child<QPushButton>(main, button), Qt::LeftButton);
    QWidget *window = nullptr;
    return QTest::qWaitFor([&] { return (window = QApplication::activeWindow()) && window != main; }) ? window : main;
}

} // namespace

class tst_Robustness : public QObject
{
    Q_OBJECT

    MessageLog messages;

    // The rows a window shows with `text` in box `box`; a message instead, if any.
    QString outcome(const char *window, int box, const QString &text)
    {
        QWidget *w = open(window == QString("datasheet1") ? "Command1" : "Command2");
        QString result;
        if (window == QString("datasheet1")) {
            const char *const inputs[] = {"cement1", "MM20", "MM40", "SAND", "BRICKS", "MASON1", "MASON2", "MANMAZDOOR", "WOMANMAZDOOR"};
            for (int i = 0; i < 9; ++i)
                child<QLineEdit>(w, inputs[i])->setText(i == box ? text : ExampleCosts[i]);
            QTest::mouseClick(child<QPushButton>(w, "unitcost"), Qt::LeftButton);
        } else {
            QTest::mouseClick(child<QCheckBox>(w, qPrintable(QStringLiteral("Check%1").arg(box + 1))), Qt::LeftButton);
            child<QLineEdit>(w, qPrintable(QStringLiteral("Text%1").arg(box + 1)))->setText(text);
        }
        const auto said = messages.take();
        result = said.isEmpty() ? tableRows(w).join('\n') : "message: " + said.last().prompt.left(60);
        if (!said.isEmpty() && !tableRows(w).isEmpty())
            result += " (with rows left)";
        closeEverything();
        return result;
    }

private slots:
    void badInput_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("standsFor"); // empty: a message is due; "any": a message or whole numbers
        const QString digits(1 << 20, '7');
        QTest::newRow("a megabyte of digits") << digits << "";
        QTest::newRow("a megabyte of blanks") << QString(1 << 20, ' ') << "blank";
        QTest::newRow("400 digits") << QString(400, '9') << "";
        QTest::newRow("400 digits behind the point") << "0." + QString(400, '3') << "0.3333333333333333";
        QTest::newRow("1e308") << "1e308" << "any"; // too large only where it is multiplied up
        QTest::newRow("1e-400") << "1e-400" << "0";
        QTest::newRow("-0") << "-0" << "0";
        QTest::newRow("+.5") << "+.5" << "0.5";
        for (const char *text : {".", "..", "1..2", "1,5", "0x10", "NaN", "inf"})
            QTest::newRow(text) << text << "";
        QTest::newRow("arabic-indic digits") << QString::fromUtf8("١٢") << "";
        QTest::newRow("fullwidth digits") << QString::fromUtf8("１２") << "";
        QTest::newRow("infinity sign") << QString::fromUtf8("∞") << "";
        QTest::newRow("tabs around") << "\t12\t" << "";
        QTest::newRow("no-break spaces around") << QString::fromUtf8("\u00a012\u00a0") << "";
        QTest::newRow("blanks around") << "  12  " << "12";
        QTest::newRow("embedded nul") << QString::fromUtf8("1\0" "2", 3) << "";
    }
    // Every text in every box of both windows: a clear message, or exactly what the
    // number it stands for gives (a blank quantity stands for "0").
    void badInput()
    {
        QFETCH(QString, text);
        QFETCH(QString, standsFor);
        for (const char *window : {"datasheet1", "Form17"}) {
            for (int box = 0; box < (window == QString("Form17") ? 12 : 9); ++box) {
                const QString got = outcome(window, box, text);
                if (standsFor.isEmpty() || (standsFor == "blank" && window == QString("datasheet1")))
                    QVERIFY2(got.startsWith("message: ") && !got.endsWith("(with rows left)"), qPrintable(got));
                else if (standsFor == "any")
                    QVERIFY2(got.startsWith("message: ") ? !got.endsWith("(with rows left)") : !got.contains(QRegularExpression("[a-z]{3}\\.\\d|inf|nan")), qPrintable(got));
                else
                    QCOMPARE(got, outcome(window, box, standsFor == "blank" ? "0" : standsFor));
            }
        }
    }

    // Opening and closing each work window a thousand times leaves as many objects alive
    // as before.
    void soak()
    {
        QWidget *main = ratebook::windows::form1();
        QVERIFY(QTest::qWaitForWindowActive(main));
        auto census = [] { return std::pair(QApplication::allWidgets().size(), qApp->findChildren<QObject *>().size()); };
        for (int round = 0; round < 2; ++round) {
            auto before = census();
            for (int i = 0; i <= 1000; ++i) {
                QWidget *w = open(round == 0 ? "Command1" : "Command2");
                QTest::keyClick(w, round == 0 ? Qt::Key_F2 : Qt::Key_F3);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                if (i == 0) // the first visit makes what the toolkit keeps for good (input devices, gestures)
                    before = census();
            }
            QCOMPARE(census(), before);
            QCOMPARE(visibleWindows().size(), 1);
        }
        closeEverything();
    }
};

QTEST_MAIN(tst_Robustness)
#include "tst_robustness.moc"
