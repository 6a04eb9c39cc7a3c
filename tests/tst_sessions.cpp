// Seeded random sessions: thousands of user actions on each work window through QTest,
// each followed by a comparison with a model of what the user should see, written here
// from the rules of the windows and not from their code. A failure prints the seed and
// the shortest list of actions that still fails. Give a seed to replay one:
//   tst_sessions -seed 1234
#include "windowtest.h"
#include "workedexample.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTreeWidget>

#include <cmath>
#include <cstdio>

namespace {

// ---- Arithmetic as a person checks it: read a box, round to hundredths, print.

struct Failure
{
    QString message;
};

double readBox(const QString &text, const QString &name)
{
    static const QRegularExpression number(R"(^ *[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)? *$)");
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!number.match(text).hasMatch())
        throw Failure{QStringLiteral("%1 reads \"%2\", which is not a number.").arg(name, text)};
    if (std::isinf(value))
        throw Failure{QStringLiteral("The result is too large to compute.")};
    return ok ? value : 0.0; // not ok and finite: too small for a double
}

double checked(double v)
{
    if (!std::isfinite(v))
        throw Failure{QStringLiteral("The result is too large to compute.")};
    return v;
}

// The value to 15 significant digits as the C library rounds it (an exact binary tie at
// the 15th digit goes to even), then to hundredths, halves away from zero; `minInteger`
// integer digits at least, and no sign on what rounds to zero.
QString hundredths(double v, int minInteger)
{
    char buffer[32]; // d.dddddddddddddde+XX
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(v));
    const QString e = QString::fromLatin1(buffer);
    const QString digits = e.left(1) + e.mid(2, 14);
    const int point = e.mid(e.indexOf('e') + 1).toInt() + 1; // digits before the point
    const QString integer = point > 0 ? (digits + QString(std::max(0, point - 15), '0')).left(point) : QString();
    const QString fraction = (point > 0 ? digits.mid(point) : QString(-point, '0') + digits).leftJustified(3, '0');
    QString kept = integer + fraction.left(2);
    if (fraction[2] >= '5') {
        qsizetype i = kept.size() - 1;
        for (; i >= 0 && kept[i] == '9'; --i)
            kept[i] = '0';
        kept = i >= 0 ? kept.left(i) + QChar(kept[i].unicode() + 1) + kept.mid(i + 1) : "1" + kept;
    }
    QString whole = kept.chopped(2);
    while (whole.startsWith('0'))
        whole.remove(0, 1);
    const bool zero = !kept.contains(QRegularExpression("[1-9]"));
    return (v < 0 && !zero ? "-" : "") + whole.rightJustified(minInteger, '0') + '.' + kept.right(2);
}

// A sum of checked products, formed left to right.
double sum(std::initializer_list<std::pair<double, double>> terms)
{
    double total = 0;
    bool first = true;
    for (const auto &[value, factor] : terms) {
        const double term = checked(value * factor);
        total = first ? term : checked(total + term);
        first = false;
    }
    return total;
}

const char *const CostCaptions[] = {"Cement Per 50 Kg bag", "20mm HBG Chips Per Cu.m", "40mm HBG Metal Per Cu.m",
                                    "Sand Per Cum", "Country Bricks Per 1 Nos", "Mason Ist Class", "Mason IInd Class",
                                    "Man Mazdoor", "Woman Mazdoor"};

// The ten rows of the rate table, reading each cost where a rate first needs it.
QStringList rateRows(const QStringList &texts)
{
    auto cost = [&](int i) { return readBox(texts[i], CostCaptions[i]); };
    const double c = checked(cost(0) * 28.8), metal = cost(2), sand = cost(3);
    const double material[2] = {sum({{metal, 0.92}, {sand, 0.46}, {c, 0.115}}), sum({{metal, 0.92}, {sand, 0.46}, {c, 0.092}})};
    const double m1 = cost(5), m2 = cost(6), man = cost(7), woman = cost(8);
    QStringList rows;
    auto row = [&rows](double material, double labour) { // labour NAN: material only, as for RCC
        rows << ExampleRates[rows.size()].section('|', 0, 0) + '|' + hundredths(material, 0) + '|'
                    + (std::isnan(labour) ? "|" : hundredths(labour, 0) + '|' + hundredths(checked(material + labour), 0));
    };
    const double pcc = sum({{m1, 0.06}, {m2, 0.14}, {man, 1.8}, {woman, 1.4}});
    row(material[0], pcc);
    row(material[1], pcc);
    auto mortar = [&](int n) { return checked(checked(c / n) + sand); };
    const double m13 = mortar(3), m15 = mortar(5), m16 = mortar(6), m18 = mortar(8), bricks = cost(4);
    const double masonry = sum({{m2, 0.98}, {m1, 1.2}, {man, 0.7}, {woman, 2.1}});
    row(sum({{bricks, 600}, {m15, 0.38}}), masonry);
    row(sum({{bricks, 600}, {m16, 0.38}}), masonry);
    row(sum({{bricks, 600}, {m18, 0.38}}), sum({{m2, 0.98}, {m1, 0.42}, {man, 0.7}, {woman, 2.1}}));
    row(sum({{cost(1), 0.92}, {sand, 0.46}, {c, 0.23}}), NAN);
    const double thin = sum({{m2, 1.1}, {man, 0.5}, {woman, 1.1}}), thick = sum({{m2, 2.2}, {man, 0.5}, {woman, 3.2}});
    row(checked(m15 * 0.15), thin);
    row(checked(m15 * 0.21), thick);
    row(checked(m13 * 0.15), thin);
    row(checked(m13 * 0.21), thick);
    return rows;
}

const char *const ItemNames[] = {"PCC (1:4:8) mix", "PCC (1:5:10) mix", "RCC (1:2:4) mix", "RCC (1:1.5:3)",
                                 "Brick Masonary With CM (1:4) mix", "Brick Masonary With CM (1:5) mix",
                                 "Brick Masonary With CM (1:6) mix", "Brick Masonary With CM (1:8) mix",
                                 "Plastering with CM (1:3) Mix, 12  mm Thick", "Plastering with CM (1:3) Mix, 20 mm Thick",
                                 "Plastering with CM (1:5) Mix, 12 mm Thick", "Plastering with CM (1:5) Mix, 20 mm Thick"};

// The three rows of the material table; each term reads its box as the sums reach it.
QStringList materialRows(const QStringList &texts)
{
    struct Term { int item; double factor, divisor; };
    auto total = [&](std::initializer_list<Term> terms) {
        double s = 0;
        bool first = true;
        for (const Term &t : terms) {
            const double term = checked(checked(readBox(texts[t.item - 1], ItemNames[t.item - 1]) * t.factor) / t.divisor);
            s = first ? term : checked(s + term);
            first = false;
        }
        return s;
    };
    const double metal = total({{2, 0.92, 1}, {1, 0.92, 1}}), chips = total({{4, 0.92, 1}, {3, 0.92, 1}});
    const double bricks = total({{6, 600, 1}, {5, 600, 1}, {7, 600, 1}, {8, 600, 1}});
    const double cement = total({{2, 0.92, 10}, {1, 0.92, 8}, {3, 0.23, 1}, {4, 0.31, 1}, {5, 0.38, 4}, {6, 0.38, 5},
                                 {7, 0.38, 6}, {8, 0.38, 8}, {9, 0.15, 30}, {10, 0.18, 30}, {11, 0.15, 50}, {12, 0.18, 50}});
    const double sand = total({{2, 0.46, 1}, {1, 0.46, 1}, {3, 0.46, 1}, {4, 0.61, 1}, {5, 0.38, 1}, {6, 0.38, 1},
                               {7, 0.38, 1}, {8, 0.38, 1}, {9, 0.15, 30}, {10, 0.18, 30}, {11, 0.15, 50}, {12, 0.18, 50}});
    auto cft = [](double m3) { return hundredths(checked(m3 * 35.31), 2) + " (Cft)"; };
    auto m3 = [](double v) { return hundredths(v, 2) + " (Cu.m)"; };
    const QString row3 = cft(metal) + '|' + cft(chips) + "||" + cft(cement) + '|' + cft(sand);
    const QString bags = hundredths(checked(checked(cement * 1440) / 50), 1);
    return {m3(metal) + '|' + m3(chips) + '|' + hundredths(bricks, 2) + " (Nos)|" + m3(cement) + '|' + m3(sand),
            "|||" + bags + " (50 Kg. Bags)|", row3};
}


// One user action, replayable: it names keys and controls, never a state.
struct Action
{
    enum Kind { Type, Key, Click, Paste, CloseBox } kind;
    QString text; // Type: the character; Paste: what the clipboard holds
    QKeyCombination key = QKeyCombination();
    QString control; // Click: the object name

    QString describe() const
    {
        switch (kind) {
        case Type: return QStringLiteral("type U+%1").arg(text.at(0).unicode(), 4, 16, QChar('0'));
        case Key: return "key " + QKeySequence(key).toString();
        case Click: return "click " + control;
        case Paste: return "paste \"" + text + "\" from the context menu";
        case CloseBox: return "close box";
        }
        return {};
    }
};

QString pick(QRandomGenerator &rng, const QString &pool, int length = 1)
{
    QString s;
    for (int i = 0; i < length; ++i)
        s += pool.at(rng.bounded(int(pool.size())));
    return s;
}

// What both windows' models share: the messages, the focus, the clipboard, and the
// selection a Tab into a box makes, which the next key replaces.
class Model
{
public:
    virtual ~Model() = default;
    virtual void open() = 0;
    virtual Action random(QRandomGenerator &rng) = 0;
    virtual void step(const Action &a, QWidget *target) = 0; // the model's side of an action
    virtual QString differences() = 0;

    void act(const Action &a)
    {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        switch (a.kind) {
        case Action::Type: typeText(target, a.text); break;
        case Action::Key: QTest::keyClick(target, a.key.key(), a.key.keyboardModifiers()); break;
        case Action::Click: QTest::mouseClick(child<QWidget>(window, qPrintable(a.control)), Qt::LeftButton); break;
        case Action::Paste:
            QApplication::clipboard()->setText(a.text);
            if (auto *edit = qobject_cast<QLineEdit *>(target))
                edit->paste();
            break;
        case Action::CloseBox: window->close(); break;
        }
        if (a.kind == Action::Paste)
            clip = a.text;
        step(a, target);
    }

protected:
    // Opens the work window by the main window's button `button`; the model starts afresh.
    void reopen(const char *button)
    {
        QTRY_COMPARE_WITH_TIMEOUT(visibleWindows().size(), 1, 2000);
        QWidget *main = visibleWindows().front();
        QTest::mouseClick(child<QPushButton>(main, button), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT((window = QApplication::activeWindow()) && window != main, 2000);
        selected = false;
    }
    QString common(const QString &focusName)
    {
        if (visibleWindows() != QWidgetList{window})
            return "not exactly the work window on screen";
        QStringList seen;
        for (const auto &m : log.take())
            seen << m.title + '|' + m.prompt;
        QStringList expected = std::exchange(messages, {});
        if (seen != expected)
            return "messages " + seen.join(" / ") + " instead of " + expected.join(" / ");
        const QWidget *focus = QApplication::focusWidget();
        if (!focus || focus->objectName() != focusName)
            return "focus on " + (focus ? focus->objectName() : "nothing") + " instead of " + focusName;
        return {};
    }
    static QStringList tableRows(QWidget *window)
    {
        auto *list = child<QTreeWidget>(window, "ListView1");
        QStringList rows;
        for (int r = 0; r < list->topLevelItemCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < list->columnCount(); ++c)
                cells << list->topLevelItem(r)->text(c);
            rows << cells.join('|');
        }
        return rows;
    }
    // The characters a user might type or paste: mostly what numbers are made of.
    static inline const QString Typed = QString::fromUtf8("0123456789012345678.....  -+,eaZé١\x01");

    QWidget *window = nullptr;
    MessageLog log;
    QStringList messages;
    QString clip;
    bool selected = false;
};

class DataSheetModel : public Model
{
    static constexpr const char *Controls[] = {"cement1", "MM20", "MM40", "SAND", "BRICKS", "MASON1", "MASON2",
                                               "MANMAZDOOR", "WOMANMAZDOOR", "unitcost", "close", "ListView1"};
    static constexpr const char *Prompts[] = {
        "Cement Cost|Enter Cost Of Cement Per 50 kg ", "20 mm Chips Cost|Enter Cost Of 20 mm Chips Per Cu.m ",
        "40 mm Metal Cost|Enter Cost Of 40 mm Metal Per Cu.m ", "Sand Cost|Enter Cost Of Sand Per Cu.m ",
        "Bricks Cost|Enter cost Of Bricks Per No ", "Mason 1st Labour|Enter Labour Cost Of Mason 1st Class Per No  ",
        "Mason 2nd Labour|Enter Labour Cost Of Mason 2nd Class Per No  ",
        "Manmazdoor Labour|Enter Labour Cost Of Manmazdoor Per No  ",
        "Womanmazdoor Labour|Enter Labour Cost Of Womanmazdoor Per No  "};
    QStringList texts, rows;
    int focus = 0;

    static bool blank(const QString &s) { return s.count(' ') == s.size(); }
    void edit(const QString &text)
    {
        if (text != texts[focus] && blank(texts[focus] = text))
            rows.clear();
        selected = false;
    }
    void unitCost()
    {
        int lastBlank = -1;
        for (int i = 0; i < 9; ++i)
            lastBlank = blank(texts[i]) ? i : lastBlank;
        if (lastBlank >= 0) {
            messages << "Fill All Text Boxes|Fill All Text Boxes";
            focus = lastBlank;
            return;
        }
        try {
            rows = rateRows(texts);
        } catch (const Failure &f) {
            rows.clear();
            messages << "ratebook|" + f.message;
        }
    }

public:
    void open() override
    {
        reopen("Command1");
        texts = QStringList(9);
        rows.clear();
        focus = 0;
    }
    // Mostly digits and Enter, so that all nine costs are often filled and the table
    // has rows for the other actions to keep or clear.
    Action random(QRandomGenerator &rng) override
    {
        const int roll = rng.bounded(200);
        if (roll < 110)
            return {Action::Type, pick(rng, roll < 80 ? "0123456789" : Typed), {}, {}};
        if (roll < 170) {
            const QKeyCombination keys[] = {Qt::Key_Return, Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Tab,
                                            Qt::Key_Backtab, Qt::ControlModifier | Qt::Key_V, Qt::ShiftModifier | Qt::Key_F2};
            return {Action::Key, {}, keys[rng.bounded(roll < 169 ? 6 : 7)], {}};
        }
        if (roll < 190)
            return {Action::Click, {}, {}, roll < 187 ? "unitcost" : roll < 189 ? "ListView1" : "close"};
        if (roll < 199)
            return {Action::Paste, pick(rng, Typed + "1e308", rng.bounded(1, 6)), {}, {}};
        return {Action::CloseBox, {}, {}, {}};
    }
    void step(const Action &a, QWidget *) override
    {
        const bool input = focus < 9;
        switch (a.kind) {
        case Action::Type:
            if (input && QString("0123456789.").contains(a.text))
                edit((selected ? "" : texts[focus]) + a.text);
            else if (a.text == " " && focus == 9)
                unitCost();
            else if (a.text == " " && focus == 10)
                return open();
            break;
        case Action::Key:
            if (a.key.key() == Qt::Key_F2)
                return open();
            if (a.key.key() == Qt::Key_Backspace && input)
                edit(selected ? "" : texts[focus].chopped(std::min<qsizetype>(1, texts[focus].size())));
            if (a.key.key() == Qt::Key_Tab || a.key.key() == Qt::Key_Backtab) {
                focus = (focus + (a.key.key() == Qt::Key_Tab ? 1 : 11)) % 12;
                selected = focus < 9 && !texts[focus].isEmpty();
            }
            if (a.key.key() == Qt::Key_Return && input) {
                if (blank(texts[focus]))
                    messages << Prompts[focus];
                else
                    focus = focus + 1, selected = false;
            } else if (a.key.key() == Qt::Key_Return && focus == 9) {
                unitCost();
            } else if (a.key.key() == Qt::Key_Return && focus == 10) {
                return open();
            }
            break;
        case Action::Click:
            focus = int(std::find(std::begin(Controls), std::end(Controls), a.control) - std::begin(Controls));
            selected = false;
            if (focus == 9)
                unitCost();
            else if (focus == 10)
                return open();
            break;
        case Action::Paste:
            if (input && (!clip.isEmpty() || selected))
                edit((selected ? "" : texts[focus]) + clip);
            break;
        case Action::CloseBox:
            return open();
        }
    }
    QString differences() override
    {
        for (int i = 0; i < 9; ++i) {
            const QString shown = child<QLineEdit>(window, Controls[i])->text();
            if (shown != texts[i])
                return QStringLiteral("%1 holds \"%2\" instead of \"%3\"").arg(Controls[i], shown, texts[i]);
        }
        if (tableRows(window) != rows)
            return "rate table " + tableRows(window).join(" / ") + " instead of " + rows.join(" / ");
        return common(Controls[focus]);
    }
};

class ExtractorModel : public Model
{
    // Controls by number: 0-11 the ticks, 12-23 the boxes, then the buttons and the table.
    static QString name(int c)
    {
        static const char *const others[] = {"desiable", "Command3", "Command1", "Command2", "ListView1"};
        return c < 12 ? QStringLiteral("Check%1").arg(c + 1) : c < 24 ? QStringLiteral("Text%1").arg(c - 11) : others[c - 24];
    }
    enum { DisableAll = 24, EnableAll, GetMaterial, Close, Table };
    bool ticked[12], open_[12];
    QStringList texts, rows;
    int focus = GetMaterial;

    void material()
    {
        try {
            rows = materialRows(texts);
        } catch (const Failure &f) {
            rows.clear();
            messages << "ratebook|" + f.message;
        }
    }
    void setText(int item, const QString &text)
    {
        if (text == texts[item])
            return;
        texts[item] = text;
        if (text.count(' ') == text.size()) { // an emptied box becomes "0" and keeps the focus
            texts[item] = "0";
            focus = 12 + item;
            selected = false;
        }
        material();
    }
    void tick(int item, bool on)
    {
        if (ticked[item] == on)
            return;
        ticked[item] = on;
        if (on) {
            setText(item, "0");
            open_[item] = false;
        } else {
            open_[item] = true;
            focus = 12 + item;
            selected = false;
        }
    }
    void press(int button)
    {
        if (button == GetMaterial)
            material();
        if (button == EnableAll || button == DisableAll) {
            rows.clear();
            for (int i = 0; i < 12; ++i) {
                tick(i, button == DisableAll);
                open_[i] = button == EnableAll;
            }
        }
        if (button == Close)
            open();
    }
    // Tab order: Get Material, the table, Close, Enable All, Disable All, the open boxes
    // from 12 down to 1, the ticks from 12 down to 1.
    void tab(int direction)
    {
        QList<int> order{GetMaterial, Table, Close, EnableAll, DisableAll};
        for (int i = 23; i >= 0; --i)
            if (i < 12 || open_[i - 12])
                order << i;
        focus = order[(order.indexOf(focus) + direction + order.size()) % order.size()];
        selected = focus >= 12 && focus < 24;
    }

public:
    void open() override
    {
        reopen("Command2");
        std::fill(std::begin(ticked), std::end(ticked), true);
        std::fill(std::begin(open_), std::end(open_), false);
        texts = QStringList(12, "0");
        rows = materialRows(texts);
        focus = GetMaterial;
    }
    Action random(QRandomGenerator &rng) override
    {
        const int roll = rng.bounded(100);
        if (roll < 35)
            return {Action::Type, pick(rng, Typed + QString::fromUtf8("٣")), {}, {}};
        if (roll < 66) {
            const QKeyCombination keys[] = {Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Tab,
                                            Qt::Key_Backtab, Qt::ControlModifier | Qt::Key_V, Qt::Key_F3};
            return {Action::Key, {}, keys[rng.bounded(roll < 65 ? 7 : 8)], {}};
        }
        if (roll < 82)
            return {Action::Click, {}, {}, name(rng.bounded(12))};
        if (roll < 94)
            return {Action::Click, {}, {}, name(roll < 92 ? DisableAll + (roll - 82) % 3 : roll < 93 ? Table : Close)};
        if (roll < 99)
            return {Action::Paste, pick(rng, Typed + "1e308", rng.bounded(1, 6)), {}, {}};
        return {Action::CloseBox, {}, {}, {}};
    }
    void step(const Action &a, QWidget *) override
    {
        const bool box = focus >= 12 && focus < 24;
        const int item = focus % 12;
        const QString kept = selected ? QString() : texts[item];
        const Qt::Key key = a.key.key();
        // Any character key on the first tick opens its box, the tick staying as it is.
        if (focus == 0 && (a.kind == Action::Type || (a.kind == Action::Key && key != Qt::Key_Tab && key != Qt::Key_Backtab)))
            open_[0] = true;
        switch (a.kind) {
        case Action::Type:
            if (box && a.text.at(0).isPrint())
                setText(item, kept + a.text);
            else if (a.text == " " && focus < 12)
                tick(focus, !ticked[focus]);
            else if (a.text == " " && focus >= DisableAll && focus <= Close)
                press(focus);
            break;
        case Action::Key:
            if (key == Qt::Key_F3)
                return open();
            if (key == Qt::Key_Backspace && box)
                setText(item, selected ? kept : kept.chopped(std::min<qsizetype>(1, kept.size())));
            if (key == Qt::Key_V && box)
                setText(item, kept + clip);
            if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
                return tab(key == Qt::Key_Tab ? 1 : -1);
            if (key == Qt::Key_Return && focus >= DisableAll && focus <= Close)
                press(focus);
            break;
        case Action::Click:
            for (focus = 0; name(focus) != a.control; ++focus) { }
            selected = false;
            return focus < 12 ? tick(focus, !ticked[focus]) : press(focus);
        case Action::Paste:
            if (box)
                setText(item, kept + clip);
            break;
        case Action::CloseBox:
            return open();
        }
        if (box && (a.kind != Action::Type || a.text.at(0).isPrint()) && key != Qt::Key_Return)
            selected = false;
    }
    QString differences() override
    {
        for (int i = 0; i < 12; ++i) {
            const auto *check = child<QCheckBox>(window, qPrintable(name(i)));
            const auto *text = child<QLineEdit>(window, qPrintable(name(12 + i)));
            if (check->isChecked() != ticked[i] || text->isEnabled() != open_[i] || text->text() != texts[i])
                return QStringLiteral("item %1: ticked %2, open %3, \"%4\" instead of %5, %6, \"%7\"")
                    .arg(i + 1).arg(check->isChecked()).arg(text->isEnabled()).arg(text->text())
                    .arg(ticked[i]).arg(open_[i]).arg(texts[i]);
        }
        if (tableRows(window) != rows)
            return "material table " + tableRows(window).join(" / ") + " instead of " + rows.join(" / ");
        return common(name(focus));
    }
};

// Plays `actions` on a fresh window; returns the first difference from the model, with
// the number of actions it took, or nothing.
template <class M>
std::optional<std::pair<int, QString>> play(const QList<Action> &actions)
{
    M model;
    QApplication::clipboard()->clear(); // what the model holds before any paste
    ratebook::windows::form1();
    model.open();
    std::optional<std::pair<int, QString>> found;
    for (int i = 0; i < actions.size() && !found; ++i) {
        model.act(actions[i]);
        if (const QString d = model.differences(); !d.isEmpty())
            found = std::pair(i + 1, d);
    }
    closeEverything();
    return found;
}

// The shortest list still failing that dropping runs of actions can find in a minute.
template <class M>
QList<Action> shrink(QList<Action> actions)
{
    QDeadlineTimer deadline(60000);
    for (qsizetype run = actions.size() / 2; run >= 1 && !deadline.hasExpired(); run /= 2) {
        for (qsizetype start = 0; start + run <= actions.size() && !deadline.hasExpired();) {
            QList<Action> fewer = actions;
            fewer.remove(start, run);
            if (auto failure = play<M>(fewer))
                actions = fewer.first(failure->first);
            else
                start += run;
        }
    }
    return actions;
}

} // namespace

class tst_Sessions : public QObject
{
    Q_OBJECT

public:
    std::optional<quint32> givenSeed;

private:
    template <class M>
    void session()
    {
        QFETCH(quint32, seed);
        QRandomGenerator rng(seed);
        M generator;
        QList<Action> actions;
        for (int i = 0; i < 1500; ++i)
            actions << generator.random(rng);
        if (const auto failure = play<M>(actions)) {
            const QList<Action> shortest = shrink<M>(actions.first(failure->first));
            QStringList steps;
            for (const Action &a : shortest)
                steps << a.describe();
            const auto again = play<M>(shortest);
            qWarning("seed %u fails after %lld actions: %s\n  %s", seed, qint64(shortest.size()),
                     qPrintable(again ? again->second : failure->second), qPrintable(steps.join("\n  ")));
            QFAIL(qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(failure->second)));
        }
    }
    void seeds()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : givenSeed ? QList<quint32>{*givenSeed} : QList<quint32>{1, 2, 3})
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }

private slots:
    void dataSheet_data() { seeds(); }
    void dataSheet() { session<DataSheetModel>(); }
    void extractor_data() { seeds(); }
    void extractor() { session<ExtractorModel>(); }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tst_Sessions test;
    QList<char *> args;
    for (int i = 0; i < argc; ++i) {
        if (qstrcmp(argv[i], "-seed") == 0 && i + 1 < argc)
            test.givenSeed = QByteArray(argv[++i]).toUInt();
        else
            args << argv[i];
    }
    return QTest::qExec(&test, int(args.size()), args.data());
}

#include "tst_sessions.moc"
