#include "app/uikit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

namespace ratebook::ui {

namespace {

void showMessageBox(QWidget *parent, const Message &message)
{
    // Not every platform hands the activation and the focus back when a modal box
    // closes: the user goes on where they were.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    QMessageBox box(QMessageBox::Question, message.title, message.prompt, QMessageBox::Ok, parent);
    box.exec();
    if (parent)
        parent->window()->activateWindow();
    if (focused)
        focused->setFocus();
}

// The header and the chosen rows (all of them when none is chosen), as tab-separated
// lines for a spreadsheet and as an HTML table for a word processor.
QMimeData *rowsAsMimeData(const QTreeWidget *list)
{
    QList<const QTreeWidgetItem *> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->isSelected())
            rows << list->topLevelItem(i);
    }
    if (rows.isEmpty()) {
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i);
    }
    rows.prepend(list->headerItem());
    QString text;
    QString html = QStringLiteral("<table>");
    for (const QTreeWidgetItem *row : rows) {
        const QString cell = row == list->headerItem() ? QStringLiteral("th") : QStringLiteral("td");
        QStringList cells;
        html += QStringLiteral("<tr>");
        for (int column = 0; column < list->columnCount(); ++column) {
            cells << row->text(column);
            html += QStringLiteral("<%1>%2</%1>").arg(cell, row->text(column).toHtmlEscaped());
        }
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
        html += QStringLiteral("</tr>");
    }
    auto *data = new QMimeData;
    data->setText(text);
    data->setHtml(html + QStringLiteral("</table>"));
    return data;
}

MessageHandler &messageHandler()
{
    static MessageHandler handler = showMessageBox;
    return handler;
}

} // namespace

QFont sansFont(double points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QColor rgb(int red, int green, int blue)
{
    return QColor(red, green, blue);
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("ratebook"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // The desktop entry that installing adds carries this name; a desktop finds the
    // entry's icon and name through it.
    QGuiApplication::setDesktopFileName(QStringLiteral("ratebook"));
    // 64 and 96 are the doubles of 32 and 48, so a scaled screen needs no blurred icon.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 96})
        icon.addFile(QStringLiteral(":/ratebook/ratebook-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    // The process ends when its last window unloads; the work windows are tool windows,
    // which Qt would not count, so the window slots decide instead.
    QApplication::setQuitOnLastWindowClosed(false);
}

void showMessage(QWidget *parent, const QString &prompt, const QString &title)
{
    messageHandler()(parent, Message{prompt, title});
}

MessageHandler setMessageHandler(MessageHandler handler)
{
    return std::exchange(messageHandler(), handler ? std::move(handler) : MessageHandler(showMessageBox));
}

int characterCode(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return event->modifiers() & Qt::ControlModifier ? 127 : 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return -1;
    default:
        break;
    }
    // The clipboard and editing shortcuts, whichever keys the platform binds them to.
    static const std::pair<QKeySequence::StandardKey, int> shortcuts[] = {
        {QKeySequence::Paste, 22}, {QKeySequence::Copy, 3}, {QKeySequence::Cut, 24},
        {QKeySequence::Undo, 26}, {QKeySequence::Redo, 25}, {QKeySequence::SelectAll, 1},
    };
    for (const auto &[shortcut, code] : shortcuts) {
        if (event->matches(shortcut))
            return code;
    }
    if ((event->modifiers() & Qt::ControlModifier) && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return event->key() - Qt::Key_A + 1;
    const QString text = event->text();
    return text.isEmpty() ? -1 : text.at(0).unicode();
}

bool reportingFailures(QWidget *window, const std::function<void()> &body,
                       const std::function<QString(int input)> &boxName)
{
    try {
        body();
        return true;
    } catch (const NotANumber &e) {
        showMessage(window, QObject::tr("%1 reads \"%2\", which is not a number.")
                                .arg(boxName(e.input()), QString::fromStdString(e.text())));
    } catch (const TooLarge &) {
        showMessage(window, QObject::tr("The result is too large to compute."));
    }
    return false;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QFont &font, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(font);
    button->setGeometry(geometry);
    // Outside a dialog a push button ignores Enter unless it is an auto-default one.
    button->setAutoDefault(true);
    return button;
}

QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFont(sansFont(9.75, true));
    frame->setGeometry(geometry);
    // The caption sits on the frame's top line and the inside starts right under it, so
    // that controls placed near the top stay clear of the line.
    const int half = QFontMetrics(frame->font()).height() / 2;
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox#%1 { border: 1px solid palette(mid); border-radius: 3px; margin-top: %2px; }"
        "QGroupBox#%1::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; color: rgb(0, 0, 64); }")
        .arg(frame->objectName()).arg(half));
    return frame;
}

QTreeWidget *makeReportList(QWidget *parent, const char *name, const QFont &font)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setFont(font);
    list->header()->setFont(font);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setItemsExpandable(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    list->setColumnCount(0);
    // Several rows can be chosen for copying out. The shortcut belongs to the list alone:
    // elsewhere Ctrl+C stays what it was, in a cost box a key that the filter drops.
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto *copy = new QAction(QObject::tr("Copy"), list);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copy, &QAction::triggered, list, [list] { QGuiApplication::clipboard()->setMimeData(rowsAsMimeData(list)); });
    list->addAction(copy);
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    return list;
}

void addColumn(QTreeWidget *list, const QString &header, double widthTwips, Qt::Alignment alignment)
{
    const int column = list->columnCount();
    list->setColumnCount(column + 1);
    QTreeWidgetItem *headerItem = list->headerItem();
    headerItem->setText(column, header);
    headerItem->setTextAlignment(column, alignment | Qt::AlignVCenter);
    list->setColumnWidth(column, pixels(widthTwips));
}

void appendRow(QTreeWidget *list, const QStringList &cells)
{
    auto *item = new QTreeWidgetItem(cells);
    const QTreeWidgetItem *header = list->headerItem();
    for (int column = 0; column < cells.size(); ++column)
        item->setTextAlignment(column, Qt::Alignment(header->textAlignment(column)));
    list->addTopLevelItem(item);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace ratebook::ui
