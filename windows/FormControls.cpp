#include "windows/FormControls.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
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

namespace {

const char* const kDesignWidth = "designWidth";

void fitWidth(QWidget* control, int needed) {
    const int room = control->parentWidget()->width() - control->x();
    const int designed = control->property(kDesignWidth).toInt();
    control->resize(std::max(designed, std::min(needed, room)), control->height());
}

}  // namespace

QRadioButton* placeRadio(QWidget* parent, const QString& caption, QRect geometry) {
    auto* radio = new QRadioButton(parent);
    radio->setGeometry(geometry);
    radio->setProperty(kDesignWidth, geometry.width());
    setRadioCaption(radio, caption);
    return radio;
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
    fitWidth(label, label->sizeHint().width());
}

void setRadioCaption(QRadioButton* radio, const QString& caption) {
    radio->setText(caption);
    // The room the style leaves the caption beside the indicator. A caption drawn whole keeps
    // the design's width (its advance ends in a blank pixel of bearing that may be cut); a
    // longer one, as a translation may be, gets the room it needs.
    QStyleOptionButton option;
    option.initFrom(radio);
    option.text = caption;
    const QRect room =
        radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
    const int blankBearing = 1;
    fitWidth(radio, radio->width() - room.width() +
                        radio->fontMetrics().horizontalAdvance(caption) - blankBearing);
}
