// Seeded random sessions of user actions on each work window, checked after every action against a model written
// from the windows' rules. A failure prints the seed and a shortened list of actions; `-seed N` replays one seed.
#include "windowtest.h"
#include "workedexample.h"

#include <cmath>
#include <cstdio>

namespace {

double checked(double v) { return std::isfinite(v) ? v : throw QString("The result is too large to compute."); }

double readBox(const QString &text, const QString &name)
{
    static const QRegularExpression number(R"(^ *[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)? *$)");
    if (!number.match(text).hasMatch()) throw name + " reads \"" + text + "\", which is not a number.";
    bool ok = false; // not ok yet finite: too small for a double
    const double value = checked(text.toDouble(&ok));
    return ok ? value : 0.0;
}

// The value to 15 significant digits as the C library rounds it (an exact binary tie at the 15th digit goes to
// even), then to hundredths, halves away from zero; `minInteger` integer digits at least, no sign on a zero.
QString hundredths(double v, int minInteger = 0)
{
    char e[32];
    std::snprintf(e, sizeof e, "%.14e", std::fabs(v)); // d.dddddddddddddde+XX
    const int drop = 12 - QByteArray(e + 17).toInt(); // how many of the 15 digits come after the hundredths
    const qint64 unit = qint64(std::pow(10.0, std::clamp(drop, 0, 16)));
    const qint64 digits = ((QByteArray(e, 1) + QByteArray(e + 2, 14)).toLongLong() + unit / 2) / unit;
    const QString s = (QString::number(digits) + QString(std::max(0, -drop), '0')).rightJustified(3, '0');
    const QString whole = s.chopped(2).remove(QRegularExpression("^0+")).rightJustified(minInteger, '0');
    return (v < 0 && digits ? "-" : "") + whole + '.' + s.right(2);
}

// A checked sum of value(source) * factor / divisor, formed left to right, each value asked for as the sum reaches it.
struct Term { int source; double factor, divisor = 1; };
double total(std::initializer_list<Term> terms, const std::function<double(int)> &value)
{
    double s = 0;
    for (const Term &t : terms) s = checked(s + checked(checked(value(t.source) * t.factor) / t.divisor));
    return s;
}

// The nine cost boxes in their order: the caption a failure names, and the title and prompt of Enter on it empty.
const struct { const char *caption, *prompt; } CostInputs[] = {
    {"Cement Per 50 Kg bag", "Cement Cost|Enter Cost Of Cement Per 50 kg "},
    {"20mm HBG Chips Per Cu.m", "20 mm Chips Cost|Enter Cost Of 20 mm Chips Per Cu.m "},
    {"40mm HBG Metal Per Cu.m", "40 mm Metal Cost|Enter Cost Of 40 mm Metal Per Cu.m "},
    {"Sand Per Cum", "Sand Cost|Enter Cost Of Sand Per Cu.m "},
    {"Country Bricks Per 1 Nos", "Bricks Cost|Enter cost Of Bricks Per No "},
    {"Mason Ist Class", "Mason 1st Labour|Enter Labour Cost Of Mason 1st Class Per No  "},
    {"Mason IInd Class", "Mason 2nd Labour|Enter Labour Cost Of Mason 2nd Class Per No  "},
    {"Man Mazdoor", "Manmazdoor Labour|Enter Labour Cost Of Manmazdoor Per No  "},
    {"Woman Mazdoor", "Womanmazdoor Labour|Enter Labour Cost Of Womanmazdoor Per No  "},
};

// The ten rows of the rate table. Each cost is read where a rate first needs it, and every overflow is checked
// where it arises, so a bad box and an overflow are met in the order the window meets them.
QStringList rateRows(const QStringList &texts)
{
    double v[14]; // the nine costs, then a cu.m of cement and of mortar 1:3, 1:5, 1:6 and 1:8
    auto read = [&](auto... i) { ((v[i] = readBox(texts[i], CostInputs[i].caption)), ...); };
    auto sum = [&v](std::initializer_list<Term> terms) { return total(terms, [&v](int i) { return v[i]; }); };
    QStringList rows;
    auto row = [&rows](double material, double labour = NAN) { // no labour: material only, as for RCC
        QString men = std::isnan(labour) ? "|" : hundredths(labour) + '|' + hundredths(checked(material + labour));
        rows << ExampleRates[rows.size()].section('|', 0, 0) + '|' + hundredths(material) + '|' + men;
    };
    read(0);
    v[9] = sum({{0, 28.8}});
    read(2, 3);
    const double pcc[] = {sum({{2, .92}, {3, .46}, {9, .115}}), sum({{2, .92}, {3, .46}, {9, .092}})};
    read(5, 6, 7);
    sum({{5, .06}, {6, .14}, {7, 1.8}}); // may overflow before the woman mazdoor's cost is read
    read(8);
    for (double material : pcc) row(material, sum({{5, .06}, {6, .14}, {7, 1.8}, {8, 1.4}}));
    for (int m = 10; double n : {3., 5., 6., 8.}) v[m++] = sum({{9, 1, n}, {3, 1}}); // mortar 1:n
    read(4);
    for (int m : {11, 12, 13}) // brickwork in 1:5, 1:6 and 1:8
        row(sum({{4, 600}, {m, .38}}), sum({{6, .98}, {5, m < 13 ? 1.2 : .42}, {7, .7}, {8, 2.1}}));
    read(1);
    row(sum({{1, .92}, {3, .46}, {9, .23}}));
    for (int r = 0; r < 4; ++r) // plaster 12 mm and 20 mm thick in 1:5, then in 1:3
        row(sum({{11 - r / 2, r % 2 ? .21 : .15}}), sum({{6, r % 2 ? 2.2 : 1.1}, {7, .5}, {8, r % 2 ? 3.2 : 1.1}}));
    return rows;
}

// The three rows of the material table; a box is read each time a sum reaches one of its items (1 to 12).
QStringList materialRows(const QStringList &texts)
{
    auto sum = [&](std::initializer_list<Term> terms) {
        return total(terms, [&](int item) { return readBox(texts[item - 1], WorkItems[item - 1]); });
    };
    const double metal = sum({{2, .92}, {1, .92}}), chips = sum({{4, .92}, {3, .92}});
    const double bricks = sum({{6, 600}, {5, 600}, {7, 600}, {8, 600}});
    const double cement = sum({{2, .92, 10}, {1, .92, 8}, {3, .23}, {4, .31}, {5, .38, 4}, {6, .38, 5}, {7, .38, 6},
                               {8, .38, 8}, {9, .15, 30}, {10, .18, 30}, {11, .15, 50}, {12, .18, 50}});
    const double sand = sum({{2, .46}, {1, .46}, {3, .46}, {4, .61}, {5, .38}, {6, .38}, {7, .38}, {8, .38},
                             {9, .15, 30}, {10, .18, 30}, {11, .15, 50}, {12, .18, 50}});
    auto m3 = [](double v) { return hundredths(v, 2) + " (Cu.m)"; };
    auto cft = [](double v) { return hundredths(checked(v * 35.31), 2) + " (Cft)"; };
    const QString row3 = cft(metal) + '|' + cft(chips) + "||" + cft(cement) + '|' + cft(sand);
    return {m3(metal) + '|' + m3(chips) + '|' + hundredths(bricks, 2) + " (Nos)|" + m3(cement) + '|' + m3(sand),
            "|||" + hundredths(checked(checked(cement * 1440) / 50), 1) + " (50 Kg. Bags)|", row3};
}

// The characters a user might type or paste: mostly what numbers are made of.
const QString Typed = QString::fromUtf8("0123456789012345678.....  -+,eaZé١\x01");

// What sets a work window apart: its controls, numbered as in `names` (the boxes, the ticks, then the rest), its keys
// and table, and its mix: of a thousand actions, those below shares[0] type, [1] press keys, [2] click, others paste.
struct Window
{
    QString name, typed;
    bool (*accepts)(QChar typed); // into a box
    QStringList names, keys;
    QList<int> tabOrder, clicks, shares;
    QString closeKey, pasteKey;
    int close, keysOpen; // keys other than Tab on the control `keysOpen` open its box
    QStringList (*table)(const QStringList &);
};

// A work window as its user should see it, after actions such as "type 5", "key Ctrl+V", "click unitcost",
// "paste 1e3" or "close box".
class Model : protected Window
{
public:
    explicit Model(Window window) : Window(std::move(window)) { }

    void open() // from the main window, which must be the only one left
    {
        QTRY_COMPARE_WITH_TIMEOUT(visibleWindows().size(), 1, 2000);
        window = openWindow(name);
        selected = false, rows.clear(), reset();
    }

    QString random(QRandomGenerator &rng) const
    {
        auto any = [&rng](const auto &list) { return list[rng.bounded(int(list.size()))]; };
        const int roll = rng.bounded(1000);
        if (roll < 10) return roll < 4 ? "close box" : roll < 7 ? "key " + closeKey : "click " + names[close];
        if (roll < shares[0]) return "type " + QString(any(typed));
        if (roll < shares[1]) return "key " + any(keys);
        if (roll < shares[2]) return "click " + names[any(clicks)];
        QString pasted = "paste ";
        for (int n = rng.bounded(1, 6); n > 0; --n) pasted += any(typed + "1e308");
        return pasted;
    }

    // Does the action to the window and to the model; returns the first thing shown otherwise, or nothing.
    QString act(const QString &action)
    {
        const QString kind = action.section(' ', 0, 0), arg = action.mid(kind.size() + 1);
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window.data();
        if (kind == "type") typeText(target, arg);
        if (kind == "key") QTest::keySequence(target, QKeySequence(arg));
        if (kind == "click") QTest::mouseClick(child<QWidget>(window, qPrintable(arg)), Qt::LeftButton);
        if (kind == "paste") QApplication::clipboard()->setText(clip = arg);
        if (auto *edit = qobject_cast<QLineEdit *>(target); edit && kind == "paste") edit->paste();
        if (kind == "close") window->close();
        step(action, kind, arg);
        QString why;
        auto expect = [&why](const QString &what, const QString &shown, const QString &wanted) {
            if (why.isEmpty() && shown != wanted) why = what + ": " + shown + "\n    instead of " + wanted;
        };
        QStringList onScreen, seen;
        for (const QWidget *shownWindow : visibleWindows()) onScreen << shownWindow->objectName();
        expect("on screen", onScreen.join(", ") + (window ? "" : " (never active)"), name);
        if (!why.isEmpty()) return why;
        auto box = [](const QString &text, bool open, bool on) {
            return '"' + text + (open ? "\"" : "\" closed") + (on ? " ticked" : "");
        };
        for (int i = 0; i < texts.size(); ++i) {
            const auto *edit = child<QLineEdit>(window, qPrintable(names[i]));
            const bool tick = i < ticked.size() && child<QCheckBox>(window, qPrintable(names[12 + i]))->isChecked();
            expect(names[i], box(edit->text(), edit->isEnabled(), tick), box(texts[i], enabled[i], ticked.value(i)));
        }
        for (const auto &m : log.take()) seen << m.title + '|' + m.prompt;
        const QWidget *focused = QApplication::focusWidget();
        expect("rows", tableRows(window).join(" / "), rows.join(" / "));
        expect("messages", seen.join(" / "), std::exchange(messages, {}).join(" / "));
        expect("focus", focused ? focused->objectName() : "nothing", names[focus]);
        return why;
    }

protected:
    virtual void reset() = 0;
    virtual void edit(int box, const QString &text) = 0; // the box's text changed, or was typed over
    virtual void activate(int control) = 0; // by a click, or by Space with the focus on it
    virtual void enter() = 0;

    // A Tab into a box selects its text, which the next edit replaces.
    void step(const QString &action, const QString &kind, const QString &arg)
    {
        const bool box = focus < texts.size(), pasted = kind == "paste" || action == "key " + pasteKey;
        const bool editing = box && (pasted || action == "key Backspace" || (kind == "type" && accepts(arg[0])));
        const QString kept = box && !selected ? texts[focus] : QString();
        const QString now = action == "key Backspace" ? kept.left(kept.size() - 1) : kept + (pasted ? clip : arg);
        QList<int> order;
        for (int c : tabOrder) if (c >= texts.size() || enabled[c]) order << c;
        const qsizetype next = order.indexOf(focus) + (action == "key Tab" ? 1 : order.size() - 1);
        const bool tab = action == "key Tab" || action == "key Backtab";
        if (focus == keysOpen && ((kind == "type" && arg[0].isPrint()) || (kind == "key" && !tab))) enabled[keysOpen - texts.size()] = true;
        if (action == "close box" || action == "key " + closeKey) open();
        else if (kind == "click") selected = false, activate(focus = int(names.indexOf(arg)));
        else if (tab) selected = !texts.value(focus = order[next % order.size()]).isEmpty();
        else if (action == "key Return") enter();
        else if (!box && action == "type  ") activate(focus);
        else if (editing && (std::exchange(selected, false) || now != texts[focus])) edit(focus, now);
    }
    void compute() { try { rows = table(texts); } catch (QString e) { rows.clear(), messages << "ratebook|" + e; } }
    static bool blank(const QString &s) { return s.count(' ') == s.size(); }

    QPointer<QWidget> window;
    MessageLog log;
    QStringList texts, rows, messages;
    QList<bool> enabled, ticked;
    QString clip;
    int focus = 0;
    bool selected = false;
};

class DataSheetModel : public Model
{
public:
    // Mostly digits, few pastes, many Backspaces: all nine costs are often filled and the table has rows to clear.
    DataSheetModel() : Model({
        .name = "datasheet1", .typed = QString("0123456789").repeated(30) + Typed,
        .accepts = [](QChar c) { return QString("0123456789.").contains(c); },
        .names = QStringList(std::begin(CostBoxes), std::end(CostBoxes)) << "unitcost" << "close" << "ListView1",
        .keys = QString("Return Return Backspace Backspace Backspace Backtab Backtab Tab Ctrl+V").split(' '),
        .tabOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, .clicks = {9, 9, 9, 11}, .shares = {450, 850, 980},
        .closeKey = "Shift+F2", .pasteKey = {}, .close = 10, .keysOpen = -1, .table = rateRows}) { }

protected:
    void reset() override { texts = QStringList(9), enabled = QList<bool>(9, true), focus = 0; }
    void edit(int box, const QString &text) override { if (blank(texts[box] = text)) rows.clear(); }
    void activate(int control) override
    {
        const int lastBlank = int(texts.lastIndexOf(QRegularExpression("^ *$"))); // where the focus ends
        if (control == close) open();
        if (control != 9) return;
        if (lastBlank < 0) compute();
        else messages << "Fill All Text Boxes|Fill All Text Boxes", focus = lastBlank;
    }
    void enter() override
    {
        if (focus >= 9) activate(focus);
        else if (blank(texts[focus])) messages << CostInputs[focus].prompt;
        else ++focus, selected = false;
    }
};

class ExtractorModel : public Model
{
    enum { GetMaterial = 24, Table, Close, EnableAll, DisableAll };

public:
    // Tab goes round the buttons and the table, then the open boxes from 12 down to 1, then the ticks likewise.
    ExtractorModel() : Model({
        .name = "Form17", .typed = Typed + "٣", .accepts = [](QChar c) { return c.isPrint(); },
        .names = QString("Text1 Text2 Text3 Text4 Text5 Text6 Text7 Text8 Text9 Text10 Text11 Text12 "
                         "Check1 Check2 Check3 Check4 Check5 Check6 Check7 Check8 Check9 Check10 Check11 Check12 "
                         "Command1 ListView1 Command2 Command3 desiable").split(' '),
        .keys = QString("Return Return Backspace Backspace Tab Tab Backtab Ctrl+V").split(' '),
        .tabOrder = {GetMaterial, Table, Close, EnableAll, DisableAll, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0,
                     23, 22, 21, 20, 19, 18, 17, 16, 15, 14, 13, 12},
        .clicks = {12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, GetMaterial, EnableAll, DisableAll, Table},
        .shares = {500, 800, 950},
        .closeKey = "F3", .pasteKey = "Ctrl+V", .close = Close, .keysOpen = 12, .table = materialRows}) { }

protected:
    void reset() override
    {
        texts = QStringList(12, "0"), enabled = QList<bool>(12, false), ticked = QList<bool>(12, true);
        focus = GetMaterial, compute();
    }
    void edit(int item, const QString &text) override // an emptied box becomes "0" and keeps the focus
    {
        if (blank(texts[item] = text)) texts[item] = "0", focus = item;
        compute();
    }
    void tick(int item, bool on)
    {
        if (std::exchange(ticked[item], on) == on) return;
        if (!on) focus = item, selected = false;
        else if (texts[item] != "0") edit(item, "0");
        enabled[item] = !on;
    }
    void activate(int control) override
    {
        if (control >= 12 && control < 24) tick(control - 12, !ticked[control - 12]);
        if (control == GetMaterial) compute();
        if (control == Close) open();
        if (control != EnableAll && control != DisableAll) return;
        rows.clear();
        for (int i = 0; i < 12; ++i) tick(i, control == DisableAll), enabled[i] = control == EnableAll;
    }
    void enter() override { if (focus >= GetMaterial) activate(focus); }
};

std::optional<quint32> givenSeed;

// Plays `actions` on a fresh window. On a difference from the model, drops the actions after it and says what it is.
template <class M>
QString play(QStringList &actions)
{
    M model;
    QApplication::clipboard()->clear(); // what the model holds before any paste
    ratebook::windows::form1();
    model.open();
    QString why;
    for (qsizetype i = 0; i < actions.size() && why.isEmpty(); ++i)
        if (!(why = model.act(actions[i])).isEmpty()) actions.resize(i + 1);
    closeEverything();
    return why;
}

// 1500 actions a seed; a failure is shortened, in a minute at most, by dropping runs of actions while it still fails.
template <class M>
void sessions()
{
    for (quint32 seed : givenSeed ? QList<quint32>{*givenSeed} : QList<quint32>{1, 2, 3}) {
        QRandomGenerator rng(seed);
        QStringList actions;
        for (const M generator; actions.size() < 1500;) actions << generator.random(rng);
        QString why = play<M>(actions);
        QDeadlineTimer deadline(60000);
        for (qsizetype run = actions.size() / 2; !why.isEmpty() && run >= 1 && !deadline.hasExpired(); run /= 2) {
            for (qsizetype start = 0; start + run <= actions.size() && !deadline.hasExpired();) {
                QStringList fewer = actions.first(start) + actions.mid(start + run);
                if (const QString shorter = play<M>(fewer); !shorter.isEmpty()) actions = fewer, why = shorter;
                else start += run;
            }
        }
        const QString steps = actions.join("\n  ").replace(QChar(1), "^A");
        QVERIFY2(why.isEmpty(), qPrintable(QString("seed %1: %2\n  after:\n  %3").arg(seed).arg(why, steps)));
    }
}

} // namespace

class tst_Sessions : public QObject
{
    Q_OBJECT

private slots:
    void dataSheet() { sessions<DataSheetModel>(); }
    void extractor() { sessions<ExtractorModel>(); }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QList<char *> args(argv, argv + argc);
    for (qsizetype i = 1; i + 1 < args.size(); ++i)
        if (qstrcmp(args[i], "-seed") == 0) givenSeed = QByteArray(args.takeAt(i + 1)).toUInt(), args.removeAt(i);
    tst_Sessions test;
    return QTest::qExec(&test, int(args.size()), args.data());
}

#include "tst_sessions.moc"
