// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Printing (Qt Print Support, and through it the print system) and the workbook writer
// (libxlsxwriter with its zip and crypto libraries) would cost every start; each lives
// in a small module loaded the first time it is used. These are the modules' entries.
#pragma once

#include "documents/workbook.h"

#include <QPageSize>
#include <QtGlobal>

#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace ratebook::documents {

enum class PrintOutcome { Printed, Cancelled, Failed };
// Shows the print dialog on the printer; false when the user cancels.
using PrintDialog = std::function<bool(QWidget *parent, QPrinter &printer)>;
using PaintPages = std::function<bool(QPagedPaintDevice &device)>;

// ratebook_printing: asks through `dialog` (the platform's print dialog when empty),
// then paints on the printer chosen.
using PrintFunction = PrintOutcome (*)(QWidget *parent, QPageSize::PageSizeId paper,
                                       const QString &document, const PrintDialog &dialog,
                                       const PaintPages &paint);
inline constexpr char PrintModule[] = "ratebook_printing";
inline constexpr char PrintSymbol[] = "ratebook_print";

// ratebook_workbook: writes the workbook to `path`; on failure false, and why in `error`.
using WorkbookFunction = bool (*)(const Workbook &book, const QString &path, QString *error);
inline constexpr char WorkbookModule[] = "ratebook_workbook";
inline constexpr char WorkbookSymbol[] = "ratebook_writeWorkbook";

// The entry `symbol` of the module, looked for beside the program (the build tree), then
// in the program's private library folder; throws std::runtime_error naming what failed.
QFunctionPointer resolveModuleEntry(const char *module, const char *symbol);

template <class Function>
Function moduleEntry(const char *module, const char *symbol)
{
    return reinterpret_cast<Function>(resolveModuleEntry(module, symbol));
}

} // namespace ratebook::documents
