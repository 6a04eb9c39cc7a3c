// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The abstract of estimate: the extractor's quantities priced at the rates worked out from a
// costs file, rebuilt at every keystroke there; items of the estimator's own under sub-heads
// they set, rates typed by hand, add-on lines, Say and the figure in words. It holds the
// estimate's details of measurement. It knows neither window it builds on: app/ hands it the
// quantities and what the data sheet says of costs.
#pragma once

#include "abstract/abstractrows.h"
#include "documents/document.h"

#include <QDateTime>
#include <QPointer>
#include <QWidget>

#include <optional>

class LabourWindow;
class MeasurementModel;
class MeasurementWindow;
class QComboBox;
class QLabel;

namespace ratebook::kit {
class ReportList;
}

// What the data sheet says of costs: the layout of its files, and the rates "&Unit Cost"
// works out of a file's texts, or, thrown as a std::runtime_error, the message it gives; and
// its statement of them, as it prints it.
struct CostsJudge
{
    ratebook::documents::FileLayout layout;
    std::function<std::array<ratebook::UnitRate, ratebook::RateItemCount>(
        const QMap<QString, QString> &costs)>
        rates;
    std::function<ratebook::documents::Statement(const QMap<QString, QString> &costs,
                                                 const ratebook::documents::WorkDetails &details)>
        statement = {};
};

// What the face sheet says beyond the name of work and place, asked once and kept in the file.
struct FaceSheet
{
    QString report;
    QString preparedBy;
    QString checkedBy;
    QString approvedBy;
    bool asked = false;
};

// The costs an abstract is priced at, and where they came from.
struct PricedCosts
{
    QMap<QString, QString> texts;
    QString file;
    QDateTime saved;
    std::array<ratebook::UnitRate, ratebook::RateItemCount> rates{};
};

class AbstractWindow : public QWidget
{
    Q_OBJECT

public:
    // A window of its own that lives as long as `extractor`, whose document it saves with
    // its own.
    AbstractWindow(QWidget *extractor, CostsJudge judge);

    // A costs file chosen, read and priced; none when cancelled, or when the file is not
    // sound costs, which is reported naming the file, as the data sheet would say it.
    static std::optional<PricedCosts> askCosts(QWidget *parent, const QString &caption,
                                               const CostsJudge &judge);
    // An estimate file: the boxes of the quantities, then the abstract's own parts.
    static ratebook::documents::FileLayout
    estimateLayout(const ratebook::documents::FileLayout &quantities, const CostsJudge &judge);

    void setCosts(const PricedCosts &costs);
    void setQuantities(const ratebook::QuantityTexts &quantities);
    // The abstract's parts of an estimate file, checked whole before.
    void load(const ratebook::documents::WorkFile &file);

    // The estimate's lines of measurement, which live as long as it does.
    MeasurementModel *measurements() const { return m_measurements; }
    // "Details of Measurement…": the sheet, made when first asked for.
    MeasurementWindow *showMeasurements();

    ratebook::documents::Document *document() const { return m_document; }
    // What its file holds, made later, on another thread if need be, of what is taken now.
    std::function<ratebook::documents::WorkFile()> contentsLater() const;
    // "Labour…": the labour statement, made when first asked for, live from then on.
    void showLabour();
    // Whether anything of the estimate changed since it was made, opened or saved: its
    // quantities, measurements, items of one's own, costs, rates, add-ons or Say.
    bool isModified() const { return m_modified; }
    void setModified(bool modified);

signals:
    // After every change of the estimate.
    void changed();
    void modifiedChanged(bool modified);

private:
    struct Chosen
    {
        ratebook::RowKind kind;
        int index;
    };

    void rebuild();
    void markChanged();
    void edit(const QModelIndex &cell);
    void typed(const QModelIndex &cell, const QString &text);
    void typeRate(std::optional<ratebook::Paise> &rate, const QString &name, const QString &text);
    void typeQuantity(int own, const QString &text);
    void askAddOn(std::optional<int> index);
    void askItem(std::optional<int> own);
    std::optional<ratebook::OwnItem> ownItemFrom(const ratebook::kit::Form &form,
                                                 std::optional<int> own, QString *why) const;
    QString nextNumber() const;
    void removeChosen();
    void moveChosen(int by);
    void dropUnusedHeads();
    std::optional<Chosen> chosen() const;
    void choose(const Chosen &row);
    void updateCommands();
    void itemsChanged();
    void measuredChanged(const QString &key);
    MeasurementWindow *measurementSheet();
    LabourWindow *labour();
    void updateLabour();
    bool askFaceSheet();
    enum class HandOn { Print, Pdf, Workbook };
    void handOnWhole(HandOn how, const QString &caption);
    ratebook::documents::Workbook wholeWorkbook();
    ratebook::documents::WorkbookSheet
    labourSheet(const std::function<QString(const QString &number)> &quantityOf,
                const std::array<std::string, ratebook::CostInputCount> &costCells);
    QString source() const;
    ratebook::documents::WorkFile contents() const;
    ratebook::documents::Statement statement() const;
    ratebook::documents::Workbook workbook(const ratebook::documents::Statement &statement) const;

    QWidget *m_extractor;
    CostsJudge m_judge;
    PricedCosts m_costs;
    ratebook::EstimateInputs m_inputs;
    std::optional<ratebook::Abstract> m_abstract; // none while a quantity is not a number
    ratebook::kit::ReportList *m_table;
    ratebook::documents::Document *m_document;
    MeasurementModel *m_measurements;
    QPointer<MeasurementWindow> m_sheet;
    QPointer<LabourWindow> m_labour;
    FaceSheet m_face;
    QAction *m_remove;
    QAction *m_moveUp;
    QAction *m_moveDown;
    QLabel *m_source;
    QLabel *m_words;
    QComboBox *m_say;
    bool m_modified = false;
};
