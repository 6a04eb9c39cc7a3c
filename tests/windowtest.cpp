#include "windowtest.h"

QStringList captionsNotWhole(QWidget *window)
{
    QStringList cut;
    auto check = [&cut](QWidget *w, const QString &text, const QRect &room, const QFontMetrics &fm) {
        const bool inside = !w->parentWidget() || w->parentWidget()->rect().contains(w->geometry());
        if (fm.horizontalAdvance(text) > room.width() || fm.height() > room.height() || !inside)
            cut << w->objectName() + " \"" + text + '"';
    };
    for (QLabel *label : window->findChildren<QLabel *>())
        check(label, label->text(), label->contentsRect(), label->fontMetrics());
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const auto contents = qobject_cast<QCheckBox *>(button) ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents;
        check(button, QString(option.text).remove(QRegularExpression("&(?=.)")), // the access key's mark
              button->style()->subElementRect(contents, &option, button), button->fontMetrics());
    }
    for (QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        check(frame, frame->title(), label.intersected(frame->rect()), frame->fontMetrics());
    }
    for (QTreeWidget *list : window->findChildren<QTreeWidget *>()) {
        const int margin = list->header()->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, list->header());
        for (int c = 0; c < list->columnCount(); ++c)
            check(list, list->headerItem()->text(c), QRect(0, 0, list->header()->sectionSize(c) - 2 * margin,
                  list->header()->height()), QFontMetrics(list->header()->font()));
    }
    return cut;
}

QString answerMessageBox(const std::function<void()> &action)
{
    const ratebook::ui::MessageHandler recorder = ratebook::ui::setMessageHandler(nullptr);
    QString seen = "no modal message box";
    QTimer::singleShot(0, [&seen] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen = QStringLiteral("%1|%2|%3|%4").arg(box->windowTitle(), box->text()).arg(int(box->icon())).arg(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        }
    });
    action();
    ratebook::ui::setMessageHandler(recorder);
    return seen;
}
