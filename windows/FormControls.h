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
// Gives a placed label or option a new caption, widened as far as the caption needs (another
// language's may be longer) and its parent has room; never narrower than placed.
void setLabelCaption(QLabel* label, const QString& caption);
void setRadioCaption(QRadioButton* radio, const QString& caption);
