#pragma once
// Answers the next modal dialog of a given class: the action runs on it as soon as it is shown.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

template <class Dialog>
void WhenDialogShows(std::function<void(Dialog*)> action)
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action, left = 500]() mutable {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        } else if (--left <= 0) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}
