// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The workbook module: the one place that uses libxlsxwriter, loaded on first use.
#include "ui/modules.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <clocale>
#include <string>

namespace {

QString shownText(const ratebook::ui::WorkbookCell &cell)
{
    return cell.number ? QString::number(*cell.number, 'f', 2) : cell.text;
}

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

extern "C" Q_DECL_EXPORT bool ratebook_writeWorkbook(const ratebook::ui::Workbook &book, const QString &path, QString *error)
{
    static_assert(std::is_same_v<decltype(&ratebook_writeWorkbook), ratebook::ui::WorkbookFunction>);
    const PointDecimals pointDecimals;
    lxw_workbook *workbook = workbook_new(path.toLocal8Bit().constData());
    if (!workbook) {
        *error = QStringLiteral("the file cannot be created");
        return false;
    }
    lxw_format *bold = workbook_add_format(workbook);
    format_set_bold(bold);
    lxw_format *figure = workbook_add_format(workbook);
    format_set_num_format_index(figure, 2); // the built-in "0.00"

    for (const ratebook::ui::WorkbookSheet &sheet : book) {
        lxw_worksheet *worksheet = workbook_add_worksheet(workbook, sheet.name.toUtf8().constData());
        QList<qsizetype> widths;
        for (qsizetype r = 0; r < sheet.rows.size(); ++r) {
            for (qsizetype c = 0; c < sheet.rows[r].size(); ++c) {
                const ratebook::ui::WorkbookCell &cell = sheet.rows[r][c];
                const auto row = lxw_row_t(r);
                const auto column = lxw_col_t(c);
                if (cell.number)
                    worksheet_write_number(worksheet, row, column, *cell.number, figure);
                else if (!cell.text.isEmpty())
                    worksheet_write_string(worksheet, row, column, cell.text.toUtf8().constData(), cell.bold ? bold : nullptr);
                widths.resize(std::max(widths.size(), c + 1));
                // A title alone on its row may run on into the empty cells after it.
                if (sheet.rows[r].size() > 1)
                    widths[c] = std::max(widths[c], shownText(cell).size());
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
