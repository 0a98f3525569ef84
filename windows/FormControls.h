#pragma once

#include <QRect>
#include <QString>
#include <QStyle>

class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

// The competitor dialogs are laid out in fixed client pixels; these place one control each.
QPushButton* placeButton(QWidget* parent, const QString& caption, QRect geometry);
// A button with the standard glyph of its kind (OK, cancel, help, ignore, abort).
QPushButton* placeButton(QWidget* parent, const QString& caption, QStyle::StandardPixmap glyph,
                         QRect geometry);
QRadioButton* placeRadio(QWidget* parent, const QString& caption, QRect geometry);
// A label is widened when its caption needs more room.
QLabel* placeLabel(QWidget* parent, const QString& caption, QRect geometry);
// Gives a placed label a new caption, widened again as far as the caption needs.
void setLabelCaption(QLabel* label, const QString& caption);
