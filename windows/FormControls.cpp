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

namespace {
const char* const kDesignWidth = "designWidth";
}

QLabel* placeLabel(QWidget* parent, const QString& caption, QRect geometry) {
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setProperty(kDesignWidth, geometry.width());
    setLabelCaption(label, caption);
    return label;
}

void setLabelCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    // Labels size themselves to their caption, which the font may draw wider than planned.
    label->resize(std::max(label->property(kDesignWidth).toInt(), label->sizeHint().width()),
                  label->height());
}
