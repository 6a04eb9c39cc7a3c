// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "extractor/form17.h"

#include "common/numbertext.h"
#include "documents/document.h"
#include "extractor/materials.h"
#include "kit/reportlist.h"
#include "kit/uikit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <iterator>

using namespace ratebook;

namespace {

// Where each item's controls stand, item 1 first; in twips, relative to Frame1.
struct ItemPlace
{
    QRect check;
    QRect text;
};

const ItemPlace Places[] = {
    {{120, 360, 4095, 285}, {4380, 360, 1095, 285}},
    {{120, 795, 4095, 285}, {4380, 840, 1095, 285}},
    {{120, 1230, 4095, 285}, {4380, 1200, 1095, 285}},
    {{120, 1725, 4095, 285}, {4380, 1680, 1095, 285}},
    {{120, 2220, 4095, 285}, {4380, 2160, 1095, 285}},
    {{120, 2715, 4095, 285}, {4380, 2640, 1095, 285}},
    {{5640, 450, 4095, 285}, {9900, 360, 1095, 285}},
    {{5640, 885, 4095, 285}, {9900, 840, 1095, 285}},
    {{5640, 1335, 4140, 285}, {9900, 1200, 1095, 285}},
    {{5640, 1770, 4140, 285}, {9900, 1680, 1095, 285}},
    {{5640, 2205, 4140, 285}, {9900, 2160, 1095, 285}},
    {{5640, 2640, 4125, 285}, {9900, 2640, 1095, 285}},
};

const char *const ColumnHeaders[] = {"40 MM METAL", "20 MM CHIPS", "BRICKS", "CEMENT", "SAND"};

QString caption(const WorkItem &row)
{
    return QString::fromLatin1(row.name) + QString(row.blanks, QLatin1Char(' '))
           + QString::fromLatin1(row.unit);
}

int captionRoom(const QCheckBox *check)
{
    QStyleOptionButton option;
    option.initFrom(check);
    option.text = check->text();
    return check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check).width();
}

// The captions' runs of blanks were measured for MS Sans Serif, which sets them narrower
// than the platform's sans: where a caption would be cut at its stated width, all twelve
// are set just condensed enough to fit, so the quantity boxes keep their places.
void fitCaptions(const std::array<QCheckBox *, 12> &checks)
{
    QFont font = checks.front()->font();
    auto fits = [&checks](const QFont &f) {
        const QFontMetrics metrics(f);
        return std::all_of(checks.begin(), checks.end(), [&metrics](const QCheckBox *check) {
            return metrics.horizontalAdvance(check->text()) <= captionRoom(check);
        });
    };
    for (int stretch = 99; !fits(font) && stretch >= 85; --stretch)
        font.setStretch(stretch);
    for (QCheckBox *check : checks)
        check->setFont(font);
}

} // namespace

Form17::Form17()
    : WorkWindow("Form17", QStringLiteral("Material Extractor"), QSize(11595, 5025), Qt::Key_F3)
{
    static_assert(std::size(Places) == ItemCount && ItemCount == WorkItemCount);
    setFont(kit::sansFont(8.25));

    QGroupBox *frame = kit::makeFrame(this, "Frame1", QStringLiteral("Material Listing"),
                                      kit::twipsRect(120, 120, 11175, 3135));

    for (int i = 0; i < ItemCount; ++i) {
        const WorkItem &row = WorkItems[i];
        const QString number = QString::number(i + 1);
        // The frame's bold title font and blue would pass down; the items have their own.
        auto *check = m_checks[std::size_t(i)] = new QCheckBox(caption(row), frame);
        check->setObjectName(QStringLiteral("Check") + number);
        check->setFont(kit::sansFont(8.25));
        kit::setColour(check, QPalette::WindowText, QColor(128, 0, 0));
        check->setGeometry(kit::twipsRect(Places[i].check));
        // stateChanged, unlike clicked, also fires when code ticks the box.
        connect(check, &QCheckBox::stateChanged, this, [this, i] { item_Click(i); });

        auto *text = m_texts[std::size_t(i)] = new QLineEdit(QStringLiteral("0"), frame);
        text->setObjectName(QStringLiteral("Text") + number);
        text->setFont(kit::sansFont(8.25));
        text->setGeometry(kit::twipsRect(Places[i].text));
        connect(text, &QLineEdit::textChanged, this, [this, i] { item_Change(i); });

        // A screen reader would read out every blank of the caption: both controls are
        // named by the item alone, and the caption with its unit is their description.
        for (QWidget *control : std::initializer_list<QWidget *>{check, text}) {
            control->setAccessibleName(QString::fromStdString(itemName(i + 1)));
            control->setAccessibleDescription(caption(row).simplified());
        }
    }
    fitCaptions(m_checks);

    m_table = new kit::ReportList(this, "ListView1", kit::sansFont(9.75));
    m_table->setGeometry(kit::twipsRect(240, 3360, 11055, 1140));
    new documents::Document(m_table, document(), {.recompute = [this] { Command1_Click(); }});

    const QFont buttonFont = kit::sansFont(8.25, true);
    m_disableAll = kit::makeButton(this, "desiable", QStringLiteral("&Disable All"), buttonFont,
                                   kit::twipsRect(2411, 4575, 1575, 375));
    m_enableAll = kit::makeButton(this, "Command3", QStringLiteral("&Enable All"), buttonFont,
                                  kit::twipsRect(4249, 4575, 1575, 375));
    m_getMaterial = kit::makeButton(this, "Command1", QStringLiteral("&Get Material"), buttonFont,
                                    kit::twipsRect(5929, 4575, 1575, 375));
    m_close = kit::makeButton(this, "Command2", QStringLiteral("&Close"), buttonFont,
                              kit::twipsRect(7609, 4575, 1575, 375));
    connect(m_disableAll, &QPushButton::clicked, this, &Form17::desiable_Click);
    connect(m_enableAll, &QPushButton::clicked, this, &Form17::Command3_Click);
    connect(m_getMaterial, &QPushButton::clicked, this, &Form17::Command1_Click);
    connect(m_close, &QPushButton::clicked, this, &Form17::Command2_Click);

    QList<QWidget *> tabOrder{m_getMaterial, m_table, m_close, m_enableAll, m_disableAll};
    std::copy(m_texts.rbegin(), m_texts.rend(), std::back_inserter(tabOrder));
    std::copy(m_checks.rbegin(), m_checks.rend(), std::back_inserter(tabOrder));
    kit::chainTabOrder(tabOrder);
}

void Form17::Form_Load()
{
    m_table->clear();
    // A fifth of the width inside the border each, so the five fill it without scrolling.
    const double fifth = m_table->contentsRect().width() * 15.0 / 5;
    for (const char *header : ColumnHeaders)
        m_table->addColumn(QString::fromLatin1(header), fifth, Qt::AlignLeft);
    setAllTicks(true);
    material();
    kit::centreOnScreen(this);
    m_getMaterial->setFocus();
}

bool Form17::keyPreview(QWidget *target, QKeyEvent *event)
{
    // The key goes on to the check box afterwards, so Space still toggles it.
    if (target == m_checks.front() && kit::characterCode(event) >= 0)
        Check1_KeyPress();
    return false;
}

void Form17::item_Click(int index)
{
    QLineEdit *text = m_texts[std::size_t(index)];
    if (m_checks[std::size_t(index)]->isChecked()) {
        text->setText(QStringLiteral("0"));
        text->setEnabled(false);
    } else {
        text->setEnabled(true);
        text->setFocus();
    }
}

void Form17::item_Change(int index)
{
    QLineEdit *text = m_texts[std::size_t(index)];
    if (!isBlank(text->text().toStdString())) {
        emit quantitiesChanged();
        reportingFailures([this] { material(); });
        return;
    }
    // An emptied box is never left empty. "0" is itself a change: this handler runs again
    // inside setText, says the quantities changed and recomputes.
    text->setText(QStringLiteral("0"));
    text->setFocus();
}

QuantityTexts Form17::quantities() const
{
    return kit::textsOf(m_texts);
}

void Form17::enterQuantity(int item, const QString &text)
{
    m_checks.at(std::size_t(item - 1))->setChecked(false);
    m_texts.at(std::size_t(item - 1))->setText(text);
}

// Opens item 1's box while its tick stays: typing there counts although the item is ticked.
void Form17::Check1_KeyPress()
{
    m_checks.front()->setEnabled(true);
    m_texts.front()->setEnabled(true);
}

void Form17::Command1_Click()
{
    reportingFailures([this] { material(); });
}

void Form17::Command2_Click()
{
    close();
}

void Form17::Command3_Click()
{
    m_table->clear();
    setAllTicks(false);
}

void Form17::desiable_Click()
{
    m_table->clear();
    setAllTicks(true);
}

// Item by item, item 1 first: each tick's own handler runs as it changes, then the box
// is locked or opened to match.
void Form17::setAllTicks(bool ticked)
{
    for (int i = 0; i < ItemCount; ++i) {
        m_checks[std::size_t(i)]->setChecked(ticked);
        m_texts[std::size_t(i)]->setEnabled(!ticked);
    }
}

// The table stays empty when the computation fails: it is cleared first and the rows
// are written only once every total is known.
void Form17::material()
{
    m_table->clear();
    m_table->appendRows(materialTableRows(kit::textsOf(m_texts)));
}

void Form17::reportingFailures(const std::function<void()> &body)
{
    kit::reportingFailures(this, body,
                           [](int input) { return QString::fromLatin1(WorkItems[input].name); });
}

// All twelve items, each with its quantity as the box shows it (a ticked item's "0"). Item
// 1's key can open its box while it stays ticked, so which boxes are open is kept apart.
documents::DocumentTerms Form17::document()
{
    documents::DocumentTerms d{.kind = QStringLiteral("quantities"),
                               .title = QStringLiteral("Material Statement"),
                               .inputsTitle = QStringLiteral("Quantities of work"),
                               .inputsHeader = {QStringLiteral("Item of work"),
                                                QStringLiteral("Quantity"), QStringLiteral("Unit")},
                               .tableTitle = QStringLiteral("Materials needed")};
    for (int n = 1; n <= ItemCount; ++n) {
        d.inputs << documents::KeptInput{QStringLiteral("Text%1").arg(n),
                                         QString::fromStdString(itemName(n)),
                                         QString::fromStdString(itemUnit(n))};
        d.ticks << QStringLiteral("Check%1").arg(n);
        d.open << QStringLiteral("Text%1").arg(n);
    }
    return d;
}
