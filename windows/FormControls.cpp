#include "windows/FormControls.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

QPushButton* placeButton(QWidget* parent, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    return button;
}

QPushButton* placeButton(QWidget* parent, const QString& caption, QStyle::StandardPixmap glyph,
                         QRect geometry) {
    QPushButton* button = placeButton(parent, caption, geometry);
    button->setIcon(parent->style()->standardIcon(glyph));
    return button;
}

QRadioButton* placeRadio(QWidget* parent, const QString& caption, QRect geometry) {
    auto* radio = new QRadioButton(caption, parent);
    radio->setGeometry(geometry);
    return radio;
}

QLabel* placeLabel(QWidget* parent, const QString& caption, QRect geometry) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(geometry);
    // Labels size themselves to their caption, which the font may draw wider than planned.
    label->resize(std::max(geometry.width(), label->sizeHint().width()), geometry.height());
    return label;
}
