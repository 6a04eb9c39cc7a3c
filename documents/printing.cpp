// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The printing module: the one place that uses Qt Print Support, loaded on first use.
#include "documents/modules.h"

#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT ratebook::documents::PrintOutcome
ratebook_print(QWidget *parent, QPageSize::PageSizeId paper, const QString &document,
               const ratebook::documents::PrintDialog &dialog,
               const ratebook::documents::PaintPages &paint)
{
    using ratebook::documents::PrintOutcome;
    static_assert(std::is_same_v<decltype(&ratebook_print), ratebook::documents::PrintFunction>);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(paper));
    printer.setDocName(document);
    if (dialog) {
        if (!dialog(parent, printer))
            return PrintOutcome::Cancelled;
    } else {
        QPrintDialog ask(&printer, parent);
        if (ask.exec() != QDialog::Accepted)
            return PrintOutcome::Cancelled;
    }
    return paint(printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
}
