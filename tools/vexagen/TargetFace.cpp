#include "tools/vexagen/TargetFace.h"

#include <QPainter>
#include <array>
#include <cmath>

#include "rules/match/Geometry.h"

namespace {

// Index ring - 1. Neighbouring rings of one colour differ by a few levels only; the lines on
// the black rings are light, as on a real face.
constexpr std::array<RingShade, kTargetRings> kShades = {{
    {qRgb(244, 244, 240), qRgb(60, 60, 60)},  // 1 white
    {qRgb(250, 250, 246), qRgb(72, 72, 72)},  // 2
    {qRgb(24, 24, 28), qRgb(190, 190, 190)},  // 3 black
    {qRgb(32, 32, 36), qRgb(210, 210, 210)},  // 4
    {qRgb(30, 140, 220), qRgb(12, 66, 132)},  // 5 blue
    {qRgb(38, 150, 228), qRgb(20, 80, 150)},  // 6
    {qRgb(222, 32, 36), qRgb(136, 14, 18)},   // 7 red
    {qRgb(232, 42, 44), qRgb(152, 22, 24)},   // 8
    {qRgb(250, 214, 24), qRgb(166, 136, 0)},  // 9 gold
    {qRgb(255, 224, 40), qRgb(182, 150, 0)},  // 10
}};

constexpr std::array<QRgb, 3> kGrass = {qRgb(70, 132, 56), qRgb(78, 142, 60), qRgb(62, 122, 50)};
constexpr QRgb kStraw = qRgb(214, 188, 124);
constexpr QRgb kStrawShade = qRgb(196, 168, 104);
constexpr QRgb kStrawEdge = qRgb(150, 122, 70);
constexpr QRgb kStandWood = qRgb(112, 76, 40);

int32_t isqrt(int32_t n) {
    auto root = static_cast<int32_t>(std::sqrt(static_cast<double>(n)));
    while (root * root > n) --root;
    while ((root + 1) * (root + 1) <= n) ++root;
    return root;
}

// Grass tufts that look random but are the same in every build.
QRgb grassAt(int x, int y) {
    const uint32_t h = static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u;
    return kGrass[(h >> 7) % kGrass.size()];
}

// The straw boss that carries the face, with its stand; all of it outside the scoring rings.
void drawBoss(QImage& image, Point centre, int32_t ringWidth) {
    const int32_t faceRadius = kTargetRings * ringWidth;
    const int32_t half = faceRadius + ringWidth + ringWidth / 2;
    const QRect boss(centre.x - half, centre.y - half, 2 * half + 1, 2 * half + 1);

    QPainter painter(&image);  // aliased: every pixel keeps one of the scene's exact colours
    painter.setPen(QPen(QColor(kStandWood), std::max(2, ringWidth / 2)));
    const int legEnd = boss.bottom() + half / 2;
    painter.drawLine(boss.left() + half / 3, boss.bottom(), boss.left() + half / 6, legEnd);
    painter.drawLine(boss.right() - half / 3, boss.bottom(), boss.right() - half / 6, legEnd);
    painter.end();

    for (int y = std::max(0, boss.top()); y <= std::min(image.height() - 1, boss.bottom()); ++y) {
        for (int x = std::max(0, boss.left()); x <= std::min(image.width() - 1, boss.right());
             ++x) {
            const bool edge =
                x == boss.left() || x == boss.right() || y == boss.top() || y == boss.bottom();
            const bool band = ((x + 2 * y) / std::max(3, ringWidth)) % 4 == 0;  // straw coils
            image.setPixel(x, y, edge ? kStrawEdge : band ? kStrawShade : kStraw);
        }
    }
}

// An X in the middle of the inner ten, kept inside it so it never blurs a boundary.
bool onCentreMark(int32_t dx, int32_t dy, int32_t ringWidth) {
    const int32_t arm = std::max(1, (ringWidth - 1) / 2);
    return std::abs(dx) == std::abs(dy) && std::abs(dx) <= arm;
}

QImage drawFace(int32_t size, Point centre, int32_t ringWidth) {
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) image.setPixel(x, y, grassAt(x, y));
    }
    drawBoss(image, centre, ringWidth);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int32_t dx = x - centre.x, dy = y - centre.y;
            const int32_t ring = ringAt(dx, dy, ringWidth);
            if (ring == 0) continue;
            const RingShade shade = ringShade(ring);
            const bool outermost = isqrt(dx * dx + dy * dy) % ringWidth == ringWidth - 1;
            const bool mark = ring == kTargetRings && onCentreMark(dx, dy, ringWidth);
            image.setPixel(x, y, outermost || mark ? shade.line : shade.fill);
        }
    }
    return image;
}

// Device pixel (X, Y) at 150 % has its centre at picture coordinates ((4X - 1) / 6, (4Y - 1) / 6)
// (pixel centres at whole numbers): in sixths of a picture pixel the rings are whole numbers, and
// the 100 % rules above hold with every length six times as long.
QImage drawFaceAtThreeHalves(const QImage& picture, Point centre, int32_t ringWidth) {
    const int size = picture.width() * 3 / 2;
    QImage image = picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const int32_t ring6 = 6 * ringWidth;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int32_t dx = 4 * x - 1 - 6 * centre.x, dy = 4 * y - 1 - 6 * centre.y;
            const int32_t distance = isqrt(dx * dx + dy * dy);
            const int32_t ring = std::max(0, kTargetRings - distance / ring6);
            if (ring == 0) continue;
            const RingShade shade = ringShade(ring);
            const bool outermost = distance % ring6 >= ring6 - 6;
            // Within half a device pixel of either diagonal: the centre lies between device
            // pixels, so one diagonal passes through pixel centres and the other between them.
            const bool mark =
                ring == kTargetRings && std::abs(std::abs(dx) - std::abs(dy)) <= 2 &&
                std::max(std::abs(dx), std::abs(dy)) <= 6 * std::max(1, (ringWidth - 1) / 2);
            image.setPixel(x, y, outermost || mark ? shade.line : shade.fill);
        }
    }
    return image;
}

Point scopePictureCentre() {
    return {kScopeCentre.x - kScopeOrigin.x, kScopeCentre.y - kScopeOrigin.y};
}

}  // namespace

RingShade ringShade(int32_t ring) {
    return kShades.at(static_cast<std::size_t>(ring - 1));
}

int32_t ringAt(int32_t dx, int32_t dy, int32_t ringWidth) {
    return std::max(0, kTargetRings - isqrt(dx * dx + dy * dy) / ringWidth);
}

QImage drawTargetFace(int32_t ringWidth) {
    return drawFace(kTargetSize, kTargetCentre, ringWidth);
}

QImage drawScopeFace() {
    return drawFace(kScopeSize, scopePictureCentre(), kScopeRingWidth);
}

QImage drawTargetFaceAtThreeHalves(int32_t ringWidth) {
    return drawFaceAtThreeHalves(drawTargetFace(ringWidth), kTargetCentre, ringWidth);
}

QImage drawScopeFaceAtThreeHalves() {
    return drawFaceAtThreeHalves(drawScopeFace(), scopePictureCentre(), kScopeRingWidth);
}
