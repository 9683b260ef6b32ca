#pragma once
// The names of the controls that Tab visits in a window, from the one focused first.

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QStringList>
#include <QTest>
#include <QWidget>

inline QStringList TabOrder(QWidget* window, QWidget* first, int steps)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return {QStringLiteral("(window not active)")};
    first->setFocus();
    QStringList visited;
    for (int step = 0; step < steps; ++step) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            break;
        // The text field inside a list or a spin box stands for its box.
        QWidget* control = focus;
        if (qobject_cast<QComboBox*>(focus->parentWidget()) || qobject_cast<QAbstractSpinBox*>(focus->parentWidget()))
            control = focus->parentWidget();
        visited << control->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return visited;
}
