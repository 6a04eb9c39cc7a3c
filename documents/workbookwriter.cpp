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
        lxw_format *&format = m_made[cell.format + QLatin1Char(cell.bold ? 'b' : 'r')
                                     + QLatin1Char(wraps(cell) ? 'w' : 'l')];
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

// A spreadsheet's number format groups by thousands, or by a fixed pattern: the lakhs and
// crores of any figure come from rules that pick the pattern by its size, each written on
// the money cells of a column that run on unbroken and end in the same words.
struct MoneyRun
{
    lxw_row_t first;
    lxw_row_t last;
    lxw_col_t column;
    QString words; // after the figure, as the format quotes them
};

void groupInLakhs(lxw_workbook *workbook, lxw_worksheet *worksheet, const QList<MoneyRun> &runs)
{
    // From the largest down: 10^11, 10^9, a crore, a lakh; below a lakh, thousands are lakhs'
    // groups.
    const char *const sizes[] = {"100000000000", "1000000000", "10000000", "100000"};
    QHash<QString, lxw_format *> made;
    for (const MoneyRun &run : runs) {
        char name[LXW_MAX_CELL_NAME_LENGTH];
        lxw_rowcol_to_cell(name, run.first, run.column);
        const QString first = QString::fromLatin1(name);
        for (int groups = 5; groups >= 2; --groups) {
            const QString code = QStringLiteral("##\\,").repeated(groups) + QStringLiteral("##0.00")
                                 + run.words;
            lxw_format *&format = made[code];
            if (!format) {
                format = workbook_add_format(workbook);
                format_set_num_format(format, code.toUtf8().constData());
            }
            const QByteArray rule = QStringLiteral("ABS(%1)>=%2")
                                        .arg(first, QLatin1String(sizes[5 - groups]))
                                        .toUtf8();
            lxw_conditional_format condition{};
            condition.type = LXW_CONDITIONAL_TYPE_FORMULA;
            condition.value_string = const_cast<char *>(rule.constData());
            condition.format = format;
            condition.stop_if_true = LXW_TRUE;
            worksheet_conditional_format_range(worksheet, run.first, run.column, run.last,
                                               run.column, &condition);
        }
    }
}

// The words a money cell's format quotes after its figure.
QString wordsOf(const WorkbookCell &cell)
{
    const qsizetype quote = cell.format.indexOf(QLatin1Char('"'));
    return quote < 0 ? QString() : cell.format.mid(quote);
}

// libxlsxwriter prints numbers with printf, which follows LC_NUMERIC: under a comma
// locale 1812.4 would be written "1812,4", which no spreadsheet reads as a number.
class PointDecimals
{
public:
    PointDecimals() : m_previous(std::setlocale(LC_NUMERIC, nullptr))
    {
        std::setlocale(LC_NUMERIC, "C");
    }
    ~PointDecimals() { std::setlocale(LC_NUMERIC, m_previous.c_str()); }

private:
    std::string m_previous;
};

} // namespace

extern "C" Q_DECL_EXPORT bool ratebook_writeWorkbook(const ratebook::documents::Workbook &book,
                                                     const QString &path, QString *error)
{
    static_assert(
        std::is_same_v<decltype(&ratebook_writeWorkbook), ratebook::documents::WorkbookFunction>);
    const PointDecimals pointDecimals;
    lxw_workbook *workbook = workbook_new(path.toLocal8Bit().constData());
    if (!workbook) {
        *error = QStringLiteral("the file cannot be created");
        return false;
    }
    Formats formats(workbook);

    for (const ratebook::documents::WorkbookSheet &sheet : book) {
        lxw_worksheet *worksheet = workbook_add_worksheet(workbook,
                                                          sheet.name.toUtf8().constData());
        QList<qsizetype> widths;
        QList<MoneyRun> money;
        QHash<QString, qsizetype> lastRun; // by column and words, its place in `money` plus one
        for (qsizetype r = 0; r < sheet.rows.size(); ++r) {
            for (qsizetype c = 0; c < sheet.rows[r].size(); ++c) {
                const WorkbookCell &cell = sheet.rows[r][c];
                const auto row = lxw_row_t(r);
                const auto column = lxw_col_t(c);
                if (!cell.formula.isEmpty() && !cell.number)
                    worksheet_write_formula_str(worksheet, row, column,
                                                cell.formula.toUtf8().constData(), formats.of(cell),
                                                cell.text.toUtf8().constData());
                else if (!cell.formula.isEmpty())
                    worksheet_write_formula_num(worksheet, row, column,
                                                cell.formula.toUtf8().constData(), formats.of(cell),
                                                *cell.number);
                else if (cell.number)
                    worksheet_write_number(worksheet, row, column, *cell.number, formats.of(cell));
                else if (!cell.text.isEmpty())
                    worksheet_write_string(worksheet, row, column, cell.text.toUtf8().constData(),
                                           formats.of(cell));
                if (cell.money) {
                    // The last run of the column with these words goes on, or a new one starts.
                    qsizetype &last = lastRun[QString::number(column) + wordsOf(cell)];
                    if (last > 0 && money[last - 1].last + 1 == row)
                        money[last - 1].last = row;
                    else
                        money << MoneyRun{row, row, column, wordsOf(cell)};
                    last = money.size();
                }
                widths.resize(std::max(widths.size(), c + 1));
                // A title alone on its row may run on into the empty cells after it.
                if (sheet.rows[r].size() > 1)
                    widths[c] = std::max(widths[c], std::min(shownText(cell).size(), WidestColumn));
            }
        }
        groupInLakhs(workbook, worksheet, money);
        // In characters of the default font, with a little room for bold.
        for (qsizetype c = 0; c < widths.size(); ++c)
            worksheet_set_column(worksheet, lxw_col_t(c), lxw_col_t(c), double(widths[c]) * 1.1 + 2,
                                 nullptr);
    }
    const lxw_error result = workbook_close(workbook);
    if (result != LXW_NO_ERROR)
        *error = QString::fromUtf8(lxw_strerror(result));
    return result == LXW_NO_ERROR;
}
