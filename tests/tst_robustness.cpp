// What no user should break: an odd text in any box gives a clear message or what the plain number it
// stands for gives, and a long day of opening and closing the windows leaves nothing behind.
#include "windowtest.h"
#include "workedexample.h"

class tst_Robustness : public QObject
{
    Q_OBJECT

    MessageLog messages;

    // The rows a window shows with `text` in box `box` (the worked example in the other
    // boxes), or "message" if it says why it shows none.
    QString outcome(const QString &window, int box, const QString &text)
    {
        QWidget *w = openWindow(window);
        if (window == "datasheet1") {
            for (int i = 0; i < 9; ++i)
                child<QLineEdit>(w, CostBoxes[i])->setText(i == box ? text : ExampleCosts[i]);
            QTest::mouseClick(child<QPushButton>(w, "unitcost"), Qt::LeftButton);
        } else {
            QTest::mouseClick(child<QCheckBox>(w, qPrintable(QStringLiteral("Check%1").arg(box + 1))), Qt::LeftButton);
            child<QLineEdit>(w, qPrintable(QStringLiteral("Text%1").arg(box + 1)))->setText(text);
        }
        const QString rows = tableRows(w).join('\n');
        const QString result = messages.take().isEmpty() ? rows : rows.isEmpty() ? "message" : "message, yet rows";
        closeEverything();
        return result;
    }

private slots:
    void cleanup() { closeEverything(); }

    void badInput_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("standsFor"); // empty: a message is due
        QTest::newRow("a megabyte of blanks") << QString(1 << 20, ' ') << "blank"; // a blank quantity stands for 0
        QTest::newRow("400 digits behind the point") << "0." + QString(400, '3') << "0.3333333333333333";
        QTest::newRow("1e-400") << "1e-400" << "0";
        const std::pair<const char *, QString> unreadable[] = {{"a megabyte of digits", QString(1 << 20, '7')},
            {"400 digits", QString(400, '9')}, {"0x10", "0x10"}, {"NaN", "NaN"}, {"inf", "inf"},
            {"fullwidth digits", QString::fromUtf8("１２")}, {"infinity sign", QString::fromUtf8("∞")}, {"tabs around", "\t12\t"},
            {"no-break spaces around", QString::fromUtf8("\u00a012\u00a0")}, {"embedded nul", QString::fromUtf8("1\0" "2", 3)}};
        for (const auto &[name, text] : unreadable)
            QTest::newRow(name) << text << "";
    }
    // Every text in every box of both windows.
    void badInput()
    {
        QFETCH(QString, text);
        QFETCH(QString, standsFor);
        for (const QString window : {"datasheet1", "Form17"}) {
            for (int box = 0; box < (window == "Form17" ? 12 : 9); ++box) {
                const bool messageDue = standsFor.isEmpty() || (standsFor == "blank" && window == "datasheet1");
                const QString plain = standsFor == "blank" ? "0" : standsFor;
                QCOMPARE(outcome(window, box, text), messageDue ? "message" : outcome(window, box, plain));
            }
        }
    }

    // Opening and closing each work window a thousand times leaves as many objects alive
    // as the first visit did (which makes what the toolkit keeps for good).
    void soak()
    {
        auto census = [] { return std::pair(QApplication::allWidgets().size(), qApp->findChildren<QObject *>().size()); };
        for (const QString window : {"datasheet1", "Form17"}) {
            auto before = census();
            for (int i = 0; i <= 1000; ++i) {
                QWidget *w = openWindow(window);
                QVERIFY(w);
                QTest::keyClick(w, window == "datasheet1" ? Qt::Key_F2 : Qt::Key_F3);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                if (i == 0)
                    before = census();
            }
            QCOMPARE(census(), before);
        }
    }
};

QTEST_MAIN(tst_Robustness)
#include "tst_robustness.moc"
