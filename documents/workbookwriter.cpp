// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The workbook module: the one place that uses libxlsxwriter, loaded on first use.
#include "documents/modules.h"

#include <xlsxwriter.h>

#include <QHash>

#include <algorithm>
#include <clocale>
#include <string>

namespace {

using ratebook::documents::WorkbookCell;

QString shownText(const WorkbookCell &cell)
{
    if (!cell.number)
        return cell.text;
    // The words a format quotes, such as " Cum", stand beside the figure.
    QString shown = QString::number(*cell.number, 'f', 2);
    const QStringList parts = cell.format.split(QLatin1Char('"'));
    for (qsizetype i = 1; i < parts.size(); i += 2)
        shown += parts[i];
    return shown;
}

// A column is at most this many characters wide; a longer text wraps in its cell.
constexpr qsizetype WidestColumn = 60;

bool wraps(const WorkbookCell &cell)
{
    return !cell.number && cell.text.size() > WidestColumn;
}

// One format for each number format, weight and wrapping met, made when first met.
class Formats
{
public:
    explicit Formats(lxw_workbook *workbook) : m_workbook(workbook) {}

    lxw_format *of(const WorkbookCell &cell)
    {
        if (cell.format.isEmpty() && !cell.bold && !wraps(cell))
            return nullptr;
        lxw_format *&format = m_made[cell.format + QLatin1Char(cell.bold ? 'b' : 'r') + QLatin1Char(wraps(cell) ? 'w' : 'l')];
        if (!format) {
            format = workbook_add_format(m_workbook);
            if (cell.bold)
                format_set_bold(format);
            if (wraps(cell)) {
                format_set_text_wrap(format);
                format_set_align(format, LXW_ALIGN_VERTICAL_TOP);
            }
            // The built-in "0.00" by its number, as spreadsheets know it.
            if (cell.format == QLatin1String("0.00"))
                format_set_num_format_index(format, 2);
            else if (!cell.format.isEmpty())
                format_set_num_format(format, cell.format.toUtf8().constData());
        }
        return format;
    }

private:
    lxw_workbook *m_workbook;
    QHash<QString, lxw_format *> m_made;
};

// libxlsxwriter prints numbers with printf, which follows LC_NUMERIC: under a comma
// locale 1812.4 would be written "1812,4", which no spreadsheet reads as a number.
class PointDecimals
{
public:
    PointDecimals() : m_previous(std::setlocale(LC_NUMERIC, nullptr)) { std::setlocale(LC_NUMERIC, "C"); }
    ~PointDecimals() { std::setlocale(LC_NUMERIC, m_previous.c_str()); }

private:
    std::string m_previous;
};

} // namespace

extern "C" Q_DECL_EXPORT bool ratebook_writeWorkbook(const ratebook::documents::Workbook &book, const QString &path, QString *error)
{
    static_assert(std::is_same_v<decltype(&ratebook_writeWorkbook), ratebook::documents::WorkbookFunction>);
    const PointDecimals pointDecimals;
    lxw_workbook *workbook = workbook_new(path.toLocal8Bit().constData());
    if (!workbook) {
        *error = QStringLiteral("the file cannot be created");
        return false;
    }
    Formats formats(workbook);

    for (const ratebook::documents::WorkbookSheet &sheet : book) {
        lxw_worksheet *worksheet = workbook_add_worksheet(workbook, sheet.name.toUtf8().constData());
        QList<qsizetype> widths;
        for (qsizetype r = 0; r < sheet.rows.size(); ++r) {
            for (qsizetype c = 0; c < sheet.rows[r].size(); ++c) {
                const WorkbookCell &cell = sheet.rows[r][c];
                const auto row = lxw_row_t(r);
                const auto column = lxw_col_t(c);
                if (!cell.formula.isEmpty())
                    worksheet_write_formula_num(worksheet, row, column, cell.formula.toUtf8().constData(),
                                                formats.of(cell), cell.number.value_or(0));
                else if (cell.number)
                    worksheet_write_number(worksheet, row, column, *cell.number, formats.of(cell));
                else if (!cell.text.isEmpty())
                    worksheet_write_string(worksheet, row, column, cell.text.toUtf8().constData(), formats.of(cell));
                widths.resize(std::max(widths.size(), c + 1));
                // A title alone on its row may run on into the empty cells after it.
                if (sheet.rows[r].size() > 1)
                    widths[c] = std::max(widths[c], std::min(shownText(cell).size(), WidestColumn));
            }
        }
        // In characters of the default font, with a little room for bold.
        for (qsizetype c = 0; c < widths.size(); ++c)
            worksheet_set_column(worksheet, lxw_col_t(c), lxw_col_t(c), double(widths[c]) * 1.1 + 2, nullptr);
    }
    const lxw_error result = workbook_close(workbook);
    if (result != LXW_NO_ERROR)
        *error = QString::fromUtf8(lxw_strerror(result));
    return result == LXW_NO_ERROR;
}
