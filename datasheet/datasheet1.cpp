// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datasheet/datasheet1.h"

#include "common/numbertext.h"
#include "datasheet/unitrates.h"
#include "documents/document.h"
#include "kit/dialogs.h"
#include "kit/reportlist.h"
#include "kit/uikit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace ratebook;

namespace {

// One row per cost input, in tab order, which is also the order of the Enter step, of
// checktextbox and of CostTexts. Geometry in twips, relative to the input's frame.
struct CostInputRow
{
    const char *name;
    const char *labelName;
    const char *caption;
    const char *prompt;
    const char *title;
    int frame; // 0: materials, 1: labour
    QRect input;
    QPoint label;
};

const char *const RateHeaders[] = {"Description Of Item", "Material Cost", "Labour Cost",
                                   "Men & Material Cost"};

const CostInputRow CostInputs[] = {
    {"cement1",
     "Label1",
     "Cement Per 50 Kg bag",
     "Enter Cost Of Cement Per 50 kg ",
     "Cement Cost",
     0,
     {2640, 480, 1005, 285},
     {120, 525}},
    {"MM20",
     "Label2",
     "20mm HBG Chips Per Cu.m",
     "Enter Cost Of 20 mm Chips Per Cu.m ",
     "20 mm Chips Cost",
     0,
     {2640, 885, 1005, 285},
     {120, 930}},
    {"MM40",
     "Label3",
     "40mm HBG Metal Per Cu.m",
     "Enter Cost Of 40 mm Metal Per Cu.m ",
     "40 mm Metal Cost",
     0,
     {2640, 1320, 1005, 285},
     {120, 1335}},
    {"SAND",
     "Label4",
     "Sand Per Cum",
     "Enter Cost Of Sand Per Cu.m ",
     "Sand Cost",
     0,
     {6000, 510, 1005, 285},
     {3720, 555}},
    {"BRICKS",
     "Label5",
     "Country Bricks Per 1 Nos",
     "Enter cost Of Bricks Per No ",
     "Bricks Cost",
     0,
     {6000, 960, 1005, 285},
     {3720, 960}},
    {"MASON1",
     "Label10",
     "Mason Ist Class",
     "Enter Labour Cost Of Mason 1st Class Per No  ",
     "Mason 1st Labour",
     1,
     {2400, 240, 975, 285},
     {240, 285}},
    {"MASON2",
     "Label9",
     "Mason IInd Class",
     "Enter Labour Cost Of Mason 2nd Class Per No  ",
     "Mason 2nd Labour",
     1,
     {2400, 675, 975, 285},
     {240, 720}},
    {"MANMAZDOOR",
     "Label8",
     "Man Mazdoor",
     "Enter Labour Cost Of Manmazdoor Per No  ",
     "Manmazdoor Labour",
     1,
     {2400, 1080, 975, 285},
     {240, 1155}},
    {"WOMANMAZDOOR",
     "Label7",
     "Woman Mazdoor",
     "Enter Labour Cost Of Womanmazdoor Per No  ",
     "Womanmazdoor Labour",
     1,
     {2400, 1560, 975, 285},
     {240, 1575}},
};

struct FrameRow
{
    const char *name;
    const char *caption;
    const char *hint;
    QRect geometry;
};

const FrameRow Frames[] = {
    {"Frame1", "Cost Of Materials", "Enter The Cost Of Materials At Site.", {120, 120, 7095, 1935}},
    {"Frame2", "Cost Of Labour", "Enter The Cost Of Labour At Site.", {7320, 120, 3615, 1935}},
};

// The nine costs of a file or a window, in the order the analysis takes them.
CostTexts costTexts(const QMap<QString, QString> &costs)
{
    CostTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = costs.value(QString::fromLatin1(CostInputs[i].name)).toStdString();
    return texts;
}

} // namespace

datasheet1::datasheet1()
    : WorkWindow("datasheet1", QStringLiteral("Rate Book"), QSize(11055, 5610), Qt::Key_F2)
{
    static_assert(std::size(CostInputs) == InputCount && InputCount == CostInputCount);
    setFont(kit::sansFont(8.25, true));

    QGroupBox *frames[std::size(Frames)];
    for (std::size_t i = 0; i < std::size(Frames); ++i) {
        frames[i] = kit::makeFrame(this, Frames[i].name, QString::fromLatin1(Frames[i].caption),
                                   kit::twipsRect(Frames[i].geometry));
        frames[i]->setToolTip(QString::fromLatin1(Frames[i].hint));
    }

    for (int i = 0; i < InputCount; ++i) {
        const CostInputRow &row = CostInputs[i];
        auto *label = new QLabel(QString::fromLatin1(row.caption), frames[row.frame]);
        label->setObjectName(QString::fromLatin1(row.labelName));
        label->setFont(kit::sansFont(9.75));
        kit::setColour(label, QPalette::WindowText, QColor(128, 0, 0));
        label->move(kit::pixels(row.label.x()), kit::pixels(row.label.y()));
        label->adjustSize(); // a label sizes itself to its caption

        auto *input = m_inputs[std::size_t(i)] = new QLineEdit(frames[row.frame]);
        input->setObjectName(QString::fromLatin1(row.name));
        input->setFont(kit::sansFont(9.75, true));
        kit::setColour(input, QPalette::Base, QColor(224, 224, 224));
        kit::setColour(input, QPalette::Text, Qt::black);
        input->setGeometry(kit::twipsRect(row.input));
        // A screen reader names the box by its label and reads the prompt as its help.
        input->setAccessibleName(QString::fromLatin1(row.caption).trimmed());
        input->setAccessibleDescription(QString::fromLatin1(row.prompt).trimmed());
        // Typed characters must all pass the key filter, composed ones included.
        input->setAttribute(Qt::WA_InputMethodEnabled, false);
        connect(input, &QLineEdit::textChanged, this, [this, i] { costInput_Change(i); });
    }

    m_table = new kit::ReportList(this, "ListView1", kit::sansFont(9.75));
    m_table->setGeometry(kit::twipsRect(180, 2130, 10815, 2895));
    m_table->setToolTip(QStringLiteral(
        "Click The UNIT COST Button To Get The Cost Of The Materials Per Cubicmeter."));
    new documents::Document(
        m_table, document(),
        {.recompute = [this] { unitcost_Click(); }, .outOfDate = [this] { return outOfDate(); }});

    const QFont buttonFont = kit::sansFont(8.25, true);
    m_unitCost = kit::makeButton(this, "unitcost", QStringLiteral("&Unit Cost"), buttonFont,
                                 kit::twipsRect(3982, 5160, 1335, 375));
    m_close = kit::makeButton(this, "close", QStringLiteral("&Close"), buttonFont,
                              kit::twipsRect(5737, 5160, 1335, 375));
    connect(m_unitCost, &QPushButton::clicked, this, &datasheet1::unitcost_Click);
    connect(m_close, &QPushButton::clicked, this, &datasheet1::close_Click);

    kit::chainTabOrder(QList<QWidget *>(m_inputs.begin(), m_inputs.end())
                       << m_unitCost << m_close << m_table);
}

void datasheet1::Form_Load()
{
    const double width = m_table->width() * 15.0; // in twips
    const double widths[] = {width / 2, width / 6, width / 6, width / 3.55};
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignHCenter,
                                        Qt::AlignLeft};
    for (std::size_t column = 0; column < std::size(RateHeaders); ++column)
        m_table->addColumn(QString::fromLatin1(RateHeaders[column]), widths[column],
                           alignments[column]);
    m_table->clear();
    kit::centreOnScreen(this);
    m_inputs.front()->setFocus();
}

short datasheet1::checktextbox()
{
    short result = 0;
    for (QLineEdit *input : m_inputs) {
        if (isBlank(input->text().toStdString())) {
            result = 1;
            input->setFocus(); // no early exit: the focus ends on the last blank box
        }
    }
    return result;
}

bool datasheet1::keyPreview(QWidget *target, QKeyEvent *event)
{
    const auto input = std::find(m_inputs.begin(), m_inputs.end(), target);
    int keyAscii = kit::characterCode(event);
    if (input == m_inputs.end() || keyAscii < 0)
        return false; // not typed into a cost: arrows, Delete, Home and Tab work as usual
    costInput_KeyPress(int(input - m_inputs.begin()), keyAscii);
    return keyAscii == 0;
}

void datasheet1::costInput_KeyPress(int input, int &keyAscii)
{
    QLineEdit *box = m_inputs[std::size_t(input)];
    if (keyAscii == 13) {
        if (isBlank(box->text().toStdString())) {
            const CostInputRow &row = CostInputs[input];
            kit::showMessage(this, QString::fromLatin1(row.prompt), QString::fromLatin1(row.title));
            box->setFocus();
            keyAscii = 0;
            return;
        }
        if (input + 1 < InputCount)
            m_inputs[std::size_t(input) + 1]->setFocus();
        else
            m_unitCost->setFocus();
    }
    const bool allowed = (keyAscii >= '0' && keyAscii <= '9') || keyAscii == '.' || keyAscii == 8;
    if (!allowed)
        keyAscii = 0;
}

void datasheet1::costInput_Change(int input)
{
    if (isBlank(m_inputs[std::size_t(input)]->text().toStdString()))
        m_table->clear();
}

void datasheet1::unitcost_Click()
{
    kit::reportingFailures(this, [this] {
        if (checktextbox() == 1) {
            kit::showMessage(this, QStringLiteral("Fill All Text Boxes"),
                             QStringLiteral("Fill All Text Boxes"));
            return;
        }
        m_table->clear(); // stays cleared if the analysis fails
        const CostTexts costs = kit::textsOf(m_inputs);
        m_table->appendRows(rateTableRows(costs));
        m_ratedCosts = costs;
    }, [](int input) { return QString::fromLatin1(CostInputs[input].caption); });
}

void datasheet1::close_Click()
{
    close();
}

// The nine costs as typed; a caption's "Per ..." is its unit, and labour is costed per
// worker, as the prompts ask.
documents::DocumentTerms datasheet1::document()
{
    documents::DocumentTerms d{
        .kind = QStringLiteral("costs"),
        .title = QStringLiteral("Rate Analysis"),
        .inputsTitle = QStringLiteral("Costs at site"),
        .inputsHeader = {QStringLiteral("Cost of"), QStringLiteral("Cost"), QStringLiteral("Per")},
        .tableTitle = QStringLiteral("Unit rates")};
    for (const CostInputRow &row : CostInputs) {
        const QString caption = QString::fromLatin1(row.caption);
        const qsizetype per = caption.indexOf(QStringLiteral(" Per "));
        const QString unit = per < 0 ? QStringLiteral("No") : caption.mid(per + 5).trimmed();
        d.inputs << documents::KeptInput{QString::fromLatin1(row.name), caption.left(per).trimmed(),
                                         unit};
    }
    return d;
}

documents::Statement datasheet1::statementFor(const QMap<QString, QString> &costs,
                                              const documents::WorkDetails &details)
{
    QList<QStringList> rows;
    for (const RateRow &row : rateTableRows(costTexts(costs))) {
        rows << QStringList();
        for (const std::string &cell : row)
            rows.back() << QString::fromStdString(cell);
    }
    QStringList header;
    for (const char *caption : RateHeaders)
        header << QString::fromLatin1(caption);
    return documents::statementOf(document(), details, costs, header, rows);
}

std::array<UnitRate, RateItemCount> datasheet1::ratesFor(const QMap<QString, QString> &costs)
{
    const CostTexts texts = costTexts(costs);
    if (std::any_of(texts.begin(), texts.end(),
                    [](const std::string &text) { return isBlank(text); }))
        throw std::runtime_error("Fill All Text Boxes");
    try {
        return analyseUnitRates(texts);
    } catch (const ComputeError &e) {
        const auto caption = [](int input) {
            return QString::fromLatin1(CostInputs[input].caption);
        };
        throw std::runtime_error(kit::failureMessage(e, caption).toStdString());
    }
}

// The rows stay on screen when a cost changes; a statement must not join them to the new costs.
QString datasheet1::outOfDate() const
{
    if (kit::textsOf(m_inputs) == m_ratedCosts)
        return {};
    return tr("The costs have changed since the rates were worked out: press Unit Cost first.");
}
