#include "windowtest.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOption>
#include <QTimer>
#include <QTreeWidget>

namespace {

QString withoutMnemonic(QString text)
{
    const qsizetype amp = text.indexOf('&');
    if (amp >= 0 && amp + 1 < text.size() && text[amp + 1] != '&')
        text.remove(amp, 1);
    return text;
}

bool fits(const QRect &room, const QFontMetrics &fm, const QString &text)
{
    return fm.horizontalAdvance(text) <= room.width() && fm.height() <= room.height();
}

} // namespace

QStringList captionsNotWhole(QWidget *window)
{
    QStringList cut;
    auto check = [&cut](QWidget *w, const QString &text, const QRect &room) {
        const bool insideParent = !w->parentWidget() || w->parentWidget()->rect().contains(w->geometry());
        if (!fits(room, w->fontMetrics(), text) || !insideParent)
            cut << QStringLiteral("%1 \"%2\"").arg(w->objectName(), text);
    };
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->text().isEmpty())
            check(label, label->text(), label->contentsRect());
    }
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        check(button, withoutMnemonic(button->text()),
              button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button));
    }
    for (QCheckBox *box : window->findChildren<QCheckBox *>()) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        check(box, withoutMnemonic(box->text()),
              box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box));
    }
    for (QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        check(frame, frame->title(), label.intersected(frame->rect()));
    }
    for (QTreeWidget *list : window->findChildren<QTreeWidget *>()) {
        QHeaderView *header = list->header();
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int column = 0; column < list->columnCount(); ++column) {
            const QString text = list->headerItem()->text(column);
            const QRect room(0, 0, header->sectionSize(column) - 2 * margin, header->height());
            if (!fits(room, QFontMetrics(header->font()), text))
                cut << QStringLiteral("%1 header \"%2\"").arg(list->objectName(), text);
        }
    }
    return cut;
}

QString answerMessageBox(const std::function<void()> &action)
{
    QString seen = QStringLiteral("no modal message box");
    QTimer::singleShot(0, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = QStringLiteral("%1|%2|%3|%4").arg(box->windowTitle(), box->text()).arg(int(box->icon())).arg(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    action();
    return seen;
}
