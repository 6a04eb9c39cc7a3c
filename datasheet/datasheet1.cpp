// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datasheet/datasheet1.h"

#include "common/numbertext.h"
#include "datasheet/unitrates.h"
#include "ui/reportlist.h"
#include "ui/statementcommands.h"
#include "ui/uikit.h"

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

const CostInputRow CostInputs[] = {
    {"cement1", "Label1", "Cement Per 50 Kg bag", "Enter Cost Of Cement Per 50 kg ", "Cement Cost", 0, {2640, 480, 1005, 285}, {120, 525}},
    {"MM20", "Label2", "20mm HBG Chips Per Cu.m", "Enter Cost Of 20 mm Chips Per Cu.m ", "20 mm Chips Cost", 0, {2640, 885, 1005, 285}, {120, 930}},
    {"MM40", "Label3", "40mm HBG Metal Per Cu.m", "Enter Cost Of 40 mm Metal Per Cu.m ", "40 mm Metal Cost", 0, {2640, 1320, 1005, 285}, {120, 1335}},
    {"SAND", "Label4", "Sand Per Cum", "Enter Cost Of Sand Per Cu.m ", "Sand Cost", 0, {6000, 510, 1005, 285}, {3720, 555}},
    {"BRICKS", "Label5", "Country Bricks Per 1 Nos", "Enter cost Of Bricks Per No ", "Bricks Cost", 0, {6000, 960, 1005, 285}, {3720, 960}},
    {"MASON1", "Label10", "Mason Ist Class", "Enter Labour Cost Of Mason 1st Class Per No  ", "Mason 1st Labour", 1, {2400, 240, 975, 285}, {240, 285}},
    {"MASON2", "Label9", "Mason IInd Class", "Enter Labour Cost Of Mason 2nd Class Per No  ", "Mason 2nd Labour", 1, {2400, 675, 975, 285}, {240, 720}},
    {"MANMAZDOOR", "Label8", "Man Mazdoor", "Enter Labour Cost Of Manmazdoor Per No  ", "Manmazdoor Labour", 1, {2400, 1080, 975, 285}, {240, 1155}},
    {"WOMANMAZDOOR", "Label7", "Woman Mazdoor", "Enter Labour Cost Of Womanmazdoor Per No  ", "Womanmazdoor Labour", 1, {2400, 1560, 975, 285}, {240, 1575}},
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

} // namespace

datasheet1::datasheet1() : WorkWindow("datasheet1", QStringLiteral("Rate Book"), QSize(11055, 5610), Qt::Key_F2)
{
    static_assert(std::size(CostInputs) == InputCount && InputCount == CostInputCount);
    setFont(ui::sansFont(8.25, true));

    QGroupBox *frames[std::size(Frames)];
    for (std::size_t i = 0; i < std::size(Frames); ++i) {
        frames[i] = ui::makeFrame(this, Frames[i].name, QString::fromLatin1(Frames[i].caption), ui::twipsRect(Frames[i].geometry));
        frames[i]->setToolTip(QString::fromLatin1(Frames[i].hint));
    }

    for (int i = 0; i < InputCount; ++i) {
        const CostInputRow &row = CostInputs[i];
        auto *label = new QLabel(QString::fromLatin1(row.caption), frames[row.frame]);
        label->setObjectName(QString::fromLatin1(row.labelName));
        label->setFont(ui::sansFont(9.75));
        ui::setColour(label, QPalette::WindowText, QColor(128, 0, 0));
        label->move(ui::pixels(row.label.x()), ui::pixels(row.label.y()));
        label->adjustSize(); // a label sizes itself to its caption

        auto *input = m_inputs[std::size_t(i)] = new QLineEdit(frames[row.frame]);
        input->setObjectName(QString::fromLatin1(row.name));
        input->setFont(ui::sansFont(9.75, true));
        ui::setColour(input, QPalette::Base, QColor(224, 224, 224));
        ui::setColour(input, QPalette::Text, Qt::black);
        input->setGeometry(ui::twipsRect(row.input));
        // A screen reader names the box by its label and reads the prompt as its help.
        input->setAccessibleName(QString::fromLatin1(row.caption).trimmed());
        input->setAccessibleDescription(QString::fromLatin1(row.prompt).trimmed());
        // Typed characters must all pass the key filter, composed ones included.
        input->setAttribute(Qt::WA_InputMethodEnabled, false);
        connect(input, &QLineEdit::textChanged, this, [this, i] { costInput_Change(i); });
    }

    m_table = new ui::ReportList(this, "ListView1", ui::sansFont(9.75));
    m_table->setGeometry(ui::twipsRect(180, 2130, 10815, 2895));
    m_table->setToolTip(QStringLiteral("Click The UNIT COST Button To Get The Cost Of The Materials Per Cubicmeter."));
    ui::addFileCommands(m_table, [this](const QString &path) { openFile(path); }, [this] { return contents(); });
    ui::addStatementCommands(m_table, m_details, [this] { return statement(); });

    const QFont buttonFont = ui::sansFont(8.25, true);
    m_unitCost = ui::makeButton(this, "unitcost", QStringLiteral("&Unit Cost"), buttonFont, ui::twipsRect(3982, 5160, 1335, 375));
    m_close = ui::makeButton(this, "close", QStringLiteral("&Close"), buttonFont, ui::twipsRect(5737, 5160, 1335, 375));
    connect(m_unitCost, &QPushButton::clicked, this, &datasheet1::unitcost_Click);
    connect(m_close, &QPushButton::clicked, this, &datasheet1::close_Click);

    ui::chainTabOrder(QList<QWidget *>(m_inputs.begin(), m_inputs.end()) << m_unitCost << m_close << m_table);
}

void datasheet1::Form_Load()
{
    const double width = m_table->width() * 15.0; // in twips
    m_table->addColumn(QStringLiteral("Description Of Item"), width / 2, Qt::AlignLeft);
    m_table->addColumn(QStringLiteral("Material Cost"), width / 6, Qt::AlignHCenter);
    m_table->addColumn(QStringLiteral("Labour Cost"), width / 6, Qt::AlignHCenter);
    m_table->addColumn(QStringLiteral("Men & Material Cost"), width / 3.55, Qt::AlignLeft);
    m_table->clear();
    ui::centreOnScreen(this);
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
    int keyAscii = ui::characterCode(event);
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
            ui::showMessage(this, QString::fromLatin1(row.prompt), QString::fromLatin1(row.title));
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
    ui::reportingFailures(this, [this] {
        if (checktextbox() == 1) {
            ui::showMessage(this, QStringLiteral("Fill All Text Boxes"), QStringLiteral("Fill All Text Boxes"));
            return;
        }
        m_table->clear(); // stays cleared if the analysis fails
        CostTexts costs;
        for (int i = 0; i < InputCount; ++i)
            costs[std::size_t(i)] = m_inputs[std::size_t(i)]->text().toStdString();
        for (const RateRow &row : rateTableRows(costs))
            m_table->appendRow(row);
    }, [](int input) { return QString::fromLatin1(CostInputs[input].caption); });
}

// The nine costs as typed; a caption's "Per ..." is its unit, and labour is costed per
// worker, as the prompts ask.
ui::Statement datasheet1::statement() const
{
    ui::Statement s;
    s.title = QStringLiteral("Rate Analysis");
    s.inputsTitle = QStringLiteral("Costs at site");
    s.inputsHeader = QStringList{QStringLiteral("Cost of"), QStringLiteral("Cost"), QStringLiteral("Per")};
    s.tableTitle = QStringLiteral("Unit rates");
    for (int i = 0; i < InputCount; ++i) {
        const QString caption = QString::fromLatin1(CostInputs[i].caption);
        const qsizetype per = caption.indexOf(QStringLiteral(" Per "));
        s.inputs << ui::StatementInput{caption.left(per).trimmed(), m_inputs[std::size_t(i)]->text(),
                                       per < 0 ? QStringLiteral("No") : caption.mid(per + 5).trimmed()};
    }
    return s;
}

void datasheet1::close_Click()
{
    close();
}

ui::WorkFileLayout datasheet1::fileLayout()
{
    ui::WorkFileLayout layout{QStringLiteral("costs"), {}, {}, {}};
    for (const CostInputRow &row : CostInputs)
        layout.texts << QString::fromLatin1(row.name);
    return layout;
}

void datasheet1::openFile(const QString &path)
{
    ui::openWorkFile(this, path, fileLayout(), [this](const ui::WorkFile &file) { load(file); });
}

// Each text as a user would leave it, so the change rule runs; then the analysis, with
// its messages, as if "&Unit Cost" were clicked.
void datasheet1::load(const ui::WorkFile &file)
{
    for (QLineEdit *input : m_inputs)
        input->setText(file.texts.value(input->objectName()));
    m_details.work = file.details.work;
    m_details.place = file.details.place;
    unitcost_Click();
}

ui::WorkFile datasheet1::contents() const
{
    ui::WorkFile file{fileLayout().kind, {}, {}, {}, m_details, {}};
    for (const QLineEdit *input : m_inputs)
        file.texts.insert(input->objectName(), input->text());
    return file;
}
