// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The abstract as a sheet of a workbook, its own or the whole estimate's: each amount
// ROUND(ROUND(quantity, 3) * rate / per, 2), each subtotal and total a SUM, each add-on
// ROUND(base * p / 100, 2) with its label following its base, Say rounded as chosen, and the
// words saying which figure they spell. Where a quantity or a rate comes from is the caller's.
#pragma once

#include "abstract/abstractrows.h"
#include "documents/workbook.h"

#include <QMap>

namespace ratebook {

struct AbstractSources
{
    // The cell of a line's quantity: its number, or a reference that works it out.
    std::function<documents::WorkbookCell(const AbstractLine &line)> quantity;
    // A reference to a line's rate where it is worked out elsewhere; empty for the figure itself.
    std::function<QString(const AbstractLine &line)> rate;
};

// `quantityRows`, when given, gets the sheet's row of each line's quantity, by its No.
documents::WorkbookSheet abstractSheet(const Abstract &abstract, const EstimateInputs &inputs,
                                       const documents::Statement &statement,
                                       const AbstractSources &sources,
                                       QMap<QString, int> *quantityRows = nullptr);


} // namespace ratebook
