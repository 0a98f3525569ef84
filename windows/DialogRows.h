#pragma once

#include <initializer_list>

class QFormLayout;
class QHBoxLayout;
class QLabel;
class QWidget;

// The rows every dialog of the game lays out the same way.

// The dialog's buttons at the right of their row, in the order given.
QHBoxLayout* ButtonsAtRight(std::initializer_list<QWidget*> buttons);
// A row of `form` whose label names `field`: the label's accelerator takes the focus there.
QLabel* AddLabelledRow(QFormLayout* form, QWidget* field);
// Tab takes the focus through `controls` in the order given.
void SetTabChain(std::initializer_list<QWidget*> controls);
