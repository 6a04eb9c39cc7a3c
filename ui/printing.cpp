// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The printing module: the one place that uses Qt Print Support, loaded on first use.
#include "ui/modules.h"

#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT ratebook::ui::PrintOutcome ratebook_print(QWidget *parent, QPageSize::PageSizeId paper,
                                                                   const QString &document,
                                                                   const ratebook::ui::PrintDialog &dialog,
                                                                   const ratebook::ui::PaintPages &paint)
{
    using ratebook::ui::PrintOutcome;
    static_assert(std::is_same_v<decltype(&ratebook_print), ratebook::ui::PrintFunction>);
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
