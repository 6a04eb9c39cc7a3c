// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/statement.h"

#include "documents/figure.h"
#include "kit/uikit.h"

#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <numeric>

namespace ratebook::documents {

namespace {

// The statement is first cut into lines of known height, so that the pages can be
// counted before the first is painted.
struct Line
{
    qreal height;
    std::function<void(QPainter &painter, qreal top)> draw;
    qsizetype header = -1; // a table's row: the line of its header, drawn again on a new page
};

// A column of figures reads best flush right; a column of names flush left.
bool isFigureColumn(const QList<QStringList> &rows, qsizetype column)
{
    return std::all_of(rows.begin(), rows.end(), [column](const QStringList &row) {
        const QString &cell = row.value(column);
        return cell.trimmed().isEmpty() || readFigure(cell);
    });
}

class Layout
{
public:
    Layout(QPagedPaintDevice &device, qreal width) : m_device(device), m_width(width), m_mm(device.logicalDpiY() / 25.4) {}

    qreal mm(qreal millimetres) const { return millimetres * m_mm; }
    QFont font(qreal points, bool bold = false) const { return kit::sansFont(points, bold); }
    qreal lineHeight(const QFont &f) const { return QFontMetricsF(f, &m_device).height(); }
    qreal textWidth(const QFont &f, const QString &text) const { return QFontMetricsF(f, &m_device).horizontalAdvance(text); }

    void space(qreal millimetres) { m_lines.push_back({mm(millimetres), [](QPainter &, qreal) {}}); }

    void text(const QString &text, const QFont &f, Qt::Alignment alignment = Qt::AlignLeft)
    {
        const qreal height = lineHeight(f) * 1.3;
        m_lines.push_back({height, [=, width = m_width](QPainter &p, qreal top) {
            p.setFont(f);
            p.drawText(QRectF(0, top, width, height), alignment | Qt::AlignVCenter, text);
        }});
    }

    // A paragraph wrapped at the page's width.
    void paragraph(const QString &text, const QFont &f)
    {
        const QRectF room(0, 0, m_width, 1e6);
        const qreal height = QFontMetricsF(f, &m_device).boundingRect(room, Qt::TextWordWrap, text).height()
                             + lineHeight(f) * 0.4;
        m_lines.push_back({height, [=, width = m_width](QPainter &p, qreal top) {
            p.setFont(f);
            p.drawText(QRectF(0, top, width, height), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
        }});
    }

    // "Label: value" lines with the values lined up after the widest label.
    void fields(const QList<std::pair<QString, QString>> &fields)
    {
        const QFont label = font(10, true), value = font(10);
        qreal indent = 0;
        for (const auto &[name, _] : fields)
            indent = std::max(indent, textWidth(label, name));
        indent += mm(3);
        const qreal height = lineHeight(value) * 1.4;
        for (const auto &field : fields) {
            m_lines.push_back({height, [=, width = m_width](QPainter &p, qreal top) {
                p.setFont(label);
                p.drawText(QRectF(0, top, indent, height), Qt::AlignLeft | Qt::AlignVCenter, field.first);
                p.setFont(value);
                p.drawText(QRectF(indent, top, width - indent, height), Qt::AlignLeft | Qt::AlignVCenter, field.second);
            }});
        }
    }

    // A ruled table: the header and the rows asked for in bold, every cell as given. Where
    // the columns would not fit the page's width, the table is set a little smaller; where
    // that is not enough, the widest column of words is narrowed too and its cells wrap, each
    // row as tall as its longest cell.
    void table(const StatementTable &t)
    {
        const QStringList &header = t.header;
        const QList<QStringList> &rows = t.rows;
        QFont body = font(9.5), bold = font(9.5, true);
        const qsizetype columns = header.size();
        const qreal gap = mm(4);
        QList<bool> boldRow(rows.size(), false);
        for (const int r : t.boldRows)
            boldRow[r] = true;
        QList<qreal> widths(columns, 0);
        QList<Qt::Alignment> align(columns);
        for (qsizetype c = 0; c < columns; ++c) {
            widths[c] = textWidth(bold, header[c]);
            for (qsizetype r = 0; r < rows.size(); ++r)
                widths[c] = std::max(widths[c], textWidth(boldRow[r] ? bold : body, rows[r].value(c)));
            const bool figures = t.figureColumns.isEmpty() ? isFigureColumn(rows, c) : t.figureColumns.contains(c);
            align[c] = (figures ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        }
        qreal natural = std::accumulate(widths.begin(), widths.end(), gap * qreal(columns - 1));
        qsizetype wrapped = -1;
        for (qsizetype c = 0; c < columns; ++c) {
            if (!(align[c] & Qt::AlignRight) && (wrapped < 0 || widths[c] > widths[wrapped]))
                wrapped = c;
        }
        const qreal smallest = 0.8; // of the font, before a column wraps
        if (natural * smallest > m_width && wrapped >= 0) {
            const qreal narrowed = std::max({widths[wrapped] - (natural - m_width / smallest), m_width / 4,
                                             textWidth(bold, header[wrapped])});
            natural -= widths[wrapped] - narrowed;
            widths[wrapped] = narrowed;
        } else {
            wrapped = -1; // set smaller, every cell still fits its column
        }
        const qreal scale = std::min<qreal>(1, m_width / natural);
        body.setPointSizeF(body.pointSizeF() * scale);
        bold.setPointSizeF(bold.pointSizeF() * scale);
        QList<qreal> left(columns, 0);
        for (qsizetype c = 1; c < columns; ++c)
            left[c] = left[c - 1] + (widths[c - 1] + gap) * scale;

        const qreal single = lineHeight(body) * 1.5;
        auto row = [=, this, width = m_width](const QStringList &cells, const QFont &f, bool ruleBelow) {
            qreal height = single;
            const QString &words = cells.value(wrapped);
            if (wrapped >= 0 && textWidth(f, words) > widths[wrapped] * scale) {
                const QRectF room(0, 0, widths[wrapped] * scale, 1e6);
                height = std::max(height, QFontMetricsF(f, &m_device).boundingRect(room, Qt::TextWordWrap, words).height()
                                              + lineHeight(f) * 0.5);
            }
            return Line{height, [=](QPainter &p, qreal top) {
                p.setFont(f);
                for (qsizetype c = 0; c < columns; ++c) {
                    const int wrap = c == wrapped ? Qt::TextWordWrap : 0;
                    p.drawText(QRectF(left[c], top, widths[c] * scale, height), int(align[c]) | wrap, cells.value(c));
                }
                if (ruleBelow)
                    p.drawLine(QPointF(0, top + height), QPointF(width, top + height));
            }};
        };
        const qsizetype headerLine = m_lines.size();
        m_lines.push_back(row(header, bold, true));
        for (qsizetype r = 0; r < rows.size(); ++r) {
            m_lines.push_back(row(rows[r], boldRow[r] ? bold : body, r + 1 == rows.size()));
            m_lines.back().header = headerLine;
        }
    }

    // Room to sign under two ruled lines, kept together on one page.
    void signatures(const QStringList &roles)
    {
        const QFont f = font(10);
        const qreal height = mm(22), column = m_width / qreal(roles.size());
        const qreal caption = lineHeight(f) * 1.3, rule = column - mm(12);
        m_lines.push_back({height, [=](QPainter &p, qreal top) {
            p.setFont(f);
            for (qsizetype i = 0; i < roles.size(); ++i) {
                const qreal x = column * qreal(i), base = top + height - caption;
                p.drawLine(QPointF(x, base), QPointF(x + rule, base));
                p.drawText(QRectF(x, base, column, caption), Qt::AlignLeft | Qt::AlignVCenter, roles[i]);
            }
        }});
    }

    // Pages hold whole lines, the footer kept clear at the bottom of each; a page that
    // starts inside a table starts with its header.
    bool paint(qreal pageHeight)
    {
        const QFont footerFont = font(8.5);
        const qreal footer = lineHeight(footerFont) * 2;
        auto repeated = [this](qsizetype line) {
            return m_lines[line].header >= 0 ? m_lines[m_lines[line].header].height : 0;
        };
        QList<qsizetype> pageStarts{0};
        qreal y = 0;
        for (qsizetype i = 0; i < m_lines.size(); ++i) {
            if (y + m_lines[i].height > pageHeight - footer && y > 0) {
                pageStarts << i;
                y = repeated(i);
            }
            y += m_lines[i].height;
        }
        QPainter painter;
        if (!painter.begin(&m_device))
            return false;
        const qsizetype pages = pageStarts.size();
        for (qsizetype page = 0; page < pages; ++page) {
            if (page > 0)
                m_device.newPage();
            const qsizetype start = pageStarts[page];
            const qsizetype end = page + 1 < pages ? pageStarts[page + 1] : m_lines.size();
            y = 0;
            if (page > 0 && m_lines[start].header >= 0) {
                m_lines[m_lines[start].header].draw(painter, y);
                y += repeated(start);
            }
            for (qsizetype i = start; i < end; ++i) {
                m_lines[i].draw(painter, y);
                y += m_lines[i].height;
            }
            painter.setFont(footerFont);
            painter.drawText(QRectF(0, pageHeight - footer, m_width, footer), Qt::AlignHCenter | Qt::AlignBottom,
                             QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
        }
        return painter.end();
    }

private:
    QPagedPaintDevice &m_device;
    qreal m_width;
    qreal m_mm;
    QList<Line> m_lines;
};

} // namespace

QPageSize::PageSizeId localPaperSize()
{
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

bool paintStatement(QPagedPaintDevice &device, const Statement &s)
{
    device.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
    const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiY());
    Layout layout(device, area.width());

    layout.text(s.title, layout.font(16, true), Qt::AlignHCenter);
    layout.space(4);
    layout.fields(QList<std::pair<QString, QString>>{{QStringLiteral("Name of work:"), s.details.work},
                                                     {QStringLiteral("Place:"), s.details.place},
                                                     {QStringLiteral("Date:"), QLocale().toString(s.date, QLocale::LongFormat)}}
                  + s.fields);
    for (qsizetype i = 0; i < s.tables.size(); ++i) {
        layout.space(i == 0 ? 5 : 6);
        if (!s.tables[i].title.isEmpty())
            layout.text(s.tables[i].title, layout.font(11, true));
        layout.table(s.tables[i]);
    }
    if (!s.notes.isEmpty())
        layout.space(3);
    for (const QString &note : s.notes)
        layout.paragraph(note, layout.font(10));
    layout.space(8);
    layout.signatures({QStringLiteral("Prepared by"), QStringLiteral("Checked by")});
    return layout.paint(area.height());
}

} // namespace ratebook::documents
