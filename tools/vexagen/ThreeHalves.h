#pragma once

#include <QImage>

// Pixel art for a screen showing three device pixels for every two picture pixels (150 %).
// Device pixel X has its centre at picture coordinate (4X - 1) / 6 (pixel centres at whole
// numbers): inside one picture pixel, or, for every third device pixel, on the border between
// two. A device pixel takes the picture pixel its centre lies in, and on a border the one that
// ranks higher: a drawn colour over the black outline, the outline over the transparent ground.
// So every picture pixel covers a whole 2 x 2 block unless it is outranked, and a line one pixel
// wide comes out two pixels wide all along. The picture's top-left corner stays the image's.
QImage pixelArtAtThreeHalves(const QImage& picture);
