#pragma once

#include <QImage>

// The next-arrow control: before any match (greyed), while an end is being shot ("Další šíp")
// and after its last arrow ("Další sada").
enum class NextArrowPicture { BeforeMatch, NextArrow, NextEnd };
QImage drawNextArrowControl(NextArrowPicture picture);

// The marker-style buttons: a raised button with an arrowhead pointing one way.
enum class Pointing { Down, Right, Up, Left };
QImage drawStyleButton(Pointing direction);
