#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <initializer_list>

// Whether the keyboard focus is in `widget`: an editable combo box hands it to its line edit.
inline bool HoldsFocus(QWidget* widget) {
    QWidget* focus = QApplication::focusWidget();
    return focus == widget || widget->isAncestorOf(focus);
}

// Whether Tab, pressed from the control focused now, takes the focus through `order` in turn.
inline bool TabWalks(std::initializer_list<QWidget*> order) {
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (!HoldsFocus(next)) return false;
    }
    return true;
}
