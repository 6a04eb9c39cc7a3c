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
    bool newPage = false;  // starts a page of its own
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
    Layout(QPagedPaintDevice &device, qreal width)
        : m_device(device), m_width(width), m_mm(device.logicalDpiY() / 25.4)
    { }

    qreal mm(qreal millimetres) const { return millimetres * m_mm; }
    QFont font(qreal points, bool bold = false) const { return kit::sansFont(points, bold); }
    qreal lineHeight(const QFont &f) const { return QFontMetricsF(f, &m_device).height(); }
    qreal textWidth(const QFont &f, const QString &text) const
    {
        return QFontMetricsF(f, &m_device).horizontalAdvance(text);
    }

    void space(qreal millimetres)
    {
        m_lines.push_back({mm(millimetres), [](QPainter &, qreal) {}});
    }

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
        const qreal height
            = QFontMetricsF(f, &m_device).boundingRect(room, Qt::TextWordWrap, text).height()
              + lineHeight(f) * 0.4;
        m_lines.push_back({height, [=, width = m_width](QPainter &p, qreal top) {
            p.setFont(f);
            p.drawText(QRectF(0, top, width, height),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
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
                p.drawText(QRectF(0, top, indent, height), Qt::AlignLeft | Qt::AlignVCenter,
                           field.first);
                p.setFont(value);
                p.drawText(QRectF(indent, top, width - indent, height),
                           Qt::AlignLeft | Qt::AlignVCenter, field.second);
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
        for (const int r : t.boldRows) {
            if (r < rows.size())
                boldRow[r] = true;
        }
        QList<qreal> widths(columns, 0);
        QList<Qt::Alignment> align(columns);
        for (qsizetype c = 0; c < columns; ++c) {
            widths[c] = textWidth(bold, header[c]);
            for (qsizetype r = 0; r < rows.size(); ++r)
                widths[c] = std::max(widths[c],
                                     textWidth(boldRow[r] ? bold : body, rows[r].value(c)));
            const bool figures = t.figureColumns.isEmpty() ? isFigureColumn(rows, c)
                                                           : t.figureColumns.contains(c);
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
            const qreal narrowed = std::max({widths[wrapped] - (natural - m_width / smallest),
                                             m_width / 4, textWidth(bold, header[wrapped])});
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
        auto row = [=, this, width = m_width](const QStringList &cells, const QFont &f,
                                              bool ruleBelow) {
            qreal height = single;
            const QString &words = cells.value(wrapped);
            if (wrapped >= 0 && textWidth(f, words) > widths[wrapped] * scale) {
                const QRectF room(0, 0, widths[wrapped] * scale, 1e6);
                height = std::max(
                    height,
                    QFontMetricsF(f, &m_device).boundingRect(room, Qt::TextWordWrap, words).height()
                        + lineHeight(f) * 0.5);
            }
            return Line{height, [=](QPainter &p, qreal top) {
                p.setFont(f);
                for (qsizetype c = 0; c < columns; ++c) {
                    const int wrap = c == wrapped ? Qt::TextWordWrap : 0;
                    p.drawText(QRectF(left[c], top, widths[c] * scale, height),
                               int(align[c]) | wrap, cells.value(c));
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

    // Room to sign over ruled lines, each with its role under it and who signs as that under
    // the role, kept together on one page.
    void signatures(const QList<std::pair<QString, QString>> &signers)
    {
        const QFont f = font(10);
        const qreal caption = lineHeight(f) * 1.3, column = m_width / qreal(signers.size());
        const qreal room = mm(20), height = room + caption * 2, rule = column - mm(12);
        m_lines.push_back({height, [=](QPainter &p, qreal top) {
            p.setFont(f);
            for (qsizetype i = 0; i < signers.size(); ++i) {
                const qreal x = column * qreal(i), base = top + room;
                p.drawLine(QPointF(x, base), QPointF(x + rule, base));
                p.drawText(QRectF(x, base, column, caption), Qt::AlignLeft | Qt::AlignVCenter,
                           signers[i].first);
                p.drawText(QRectF(x, base + caption, column, caption),
                           Qt::AlignLeft | Qt::AlignVCenter, signers[i].second);
            }
        }});
    }

    void pageBreak() { m_lines.push_back({0, [](QPainter &, qreal) {}, -1, true}); }

    // A part of the whole and, flush right, the page it starts on, asked for once it is known.
    void contentsLine(const QString &part, std::function<qsizetype()> page)
    {
        const QFont f = font(10);
        const qreal height = lineHeight(f) * 1.4;
        m_lines.push_back({height, [=, width = m_width](QPainter &p, qreal top) {
            p.setFont(f);
            p.drawText(QRectF(0, top, width, height), Qt::AlignLeft | Qt::AlignVCenter, part);
            p.drawText(QRectF(0, top, width, height), Qt::AlignRight | Qt::AlignVCenter,
                       QStringLiteral("page %1").arg(page()));
        }});
    }
    qsizetype lineCount() const { return m_lines.size(); }

    // Every part of a statement, from its title to its signatures.
    void statement(const Statement &s)
    {
        text(s.title, font(16, true), Qt::AlignHCenter);
        space(4);
        fields(QList<std::pair<QString, QString>>{
                   {QStringLiteral("Name of work:"), s.details.work},
                   {QStringLiteral("Place:"), s.details.place},
                   {QStringLiteral("Date:"), QLocale().toString(s.date, QLocale::LongFormat)}}
               + s.fields);
        for (qsizetype i = 0; i < s.tables.size(); ++i) {
            space(i == 0 ? 5 : 6);
            if (!s.tables[i].title.isEmpty())
                text(s.tables[i].title, font(11, true));
            table(s.tables[i]);
        }
        if (!s.notes.isEmpty())
            space(3);
        for (const QString &note : s.notes)
            paragraph(note, font(10));
        space(8);
        signatures({{QStringLiteral("Prepared by"), {}}, {QStringLiteral("Checked by"), {}}});
    }

    // Where each page starts: pages hold whole lines, a band kept clear for the page's number;
    // a page that starts inside a table starts with its header.
    QList<qsizetype> paginate(qreal pageHeight) const
    {
        const qreal room = pageHeight - band();
        QList<qsizetype> pageStarts{0};
        qreal y = 0;
        for (qsizetype i = 0; i < m_lines.size(); ++i) {
            if ((y + m_lines[i].height > room || m_lines[i].newPage) && y > 0) {
                pageStarts << i;
                y = repeated(i);
            }
            y += m_lines[i].height;
        }
        return pageStarts;
    }

    // "Page n of N" at the foot of each page; or, under a heading, at its head beside it.
    bool paint(qreal pageHeight, const QList<qsizetype> &pageStarts, const QString &heading = {})
    {
        const QFont small = font(8.5);
        QPainter painter;
        if (!painter.begin(&m_device))
            return false;
        const qsizetype pages = pageStarts.size();
        for (qsizetype page = 0; page < pages; ++page) {
            if (page > 0)
                m_device.newPage();
            const QString number = QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages);
            painter.setFont(small);
            const qreal top = heading.isEmpty() ? 0 : band();
            if (heading.isEmpty()) {
                painter.drawText(QRectF(0, pageHeight - band(), m_width, band()),
                                 Qt::AlignHCenter | Qt::AlignBottom, number);
            } else {
                painter.drawText(QRectF(0, 0, m_width, band() / 2), Qt::AlignLeft | Qt::AlignTop,
                                 heading);
                painter.drawText(QRectF(0, 0, m_width, band() / 2), Qt::AlignRight | Qt::AlignTop,
                                 number);
            }
            const qsizetype start = pageStarts[page];
            const qsizetype end = page + 1 < pages ? pageStarts[page + 1] : m_lines.size();
            qreal y = top;
            if (page > 0 && m_lines[start].header >= 0) {
                m_lines[m_lines[start].header].draw(painter, y);
                y += repeated(start);
            }
            for (qsizetype i = start; i < end; ++i) {
                m_lines[i].draw(painter, y);
                y += m_lines[i].height;
            }
        }
        return painter.end();
    }

private:
    qreal band() const { return lineHeight(font(8.5)) * 2; }
    qreal repeated(qsizetype line) const
    {
        return m_lines[line].header >= 0 ? m_lines[m_lines[line].header].height : 0;
    }

    QPagedPaintDevice &m_device;
    qreal m_width;
    qreal m_mm;
    QList<Line> m_lines;
};

void setMargins(QPagedPaintDevice &device)
{
    device.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
}

} // namespace

QPageSize::PageSizeId localPaperSize()
{
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                      : QPageSize::A4;
}

bool paintStatement(QPagedPaintDevice &device, const Statement &s)
{
    setMargins(device);
    const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiY());
    Layout layout(device, area.width());
    layout.statement(s);
    return layout.paint(area.height(), layout.paginate(area.height()));
}

bool paintBundle(QPagedPaintDevice &device, const FacePage &face, const QList<Statement> &parts)
{
    setMargins(device);
    const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiY());
    Layout layout(device, area.width());
    // Where each part starts is known only once the pages are counted: the face sheet's list
    // reads it then.
    QList<qsizetype> firstPages(parts.size(), 0);
    layout.text(face.title, layout.font(20, true), Qt::AlignHCenter);
    layout.space(3);
    layout.paragraph(face.work, layout.font(14, true));
    layout.space(4);
    layout.fields(face.fields);
    for (const QString &paragraph : face.report) {
        layout.space(2);
        layout.paragraph(paragraph, layout.font(10));
    }
    layout.space(6);
    layout.text(QStringLiteral("Contents"), layout.font(11, true));
    for (qsizetype i = 0; i < parts.size(); ++i)
        layout.contentsLine(parts[i].title, [&firstPages, i] { return firstPages.at(i); });
    layout.space(10);
    layout.signatures(face.signatures);
    QList<qsizetype> partStarts;
    for (const Statement &part : parts) {
        layout.pageBreak();
        partStarts << layout.lineCount();
        layout.statement(part);
    }
    const QList<qsizetype> pageStarts = layout.paginate(area.height());
    for (qsizetype i = 0; i < parts.size(); ++i)
        firstPages[i] = std::upper_bound(pageStarts.begin(), pageStarts.end(), partStarts[i])
                           - pageStarts.begin();
    return layout.paint(area.height(), pageStarts, face.work);
}

} // namespace ratebook::documents
