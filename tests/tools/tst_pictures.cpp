// The generated pictures, icons and sound, read the way the game reads them.
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <set>

#include "platform/QtBuiltin.h"
#include "platform/QtPictureLoader.h"
#include "rules/match/Geometry.h"
#include "rules/match/RangeSounds.h"
#include "rules/match/Rounds.h"
#include "rules/match/Scoring.h"
#include "rules/match/WindFlag.h"

namespace {

QImage runPicture(const QString& name) {
    return LoadPictureFile(QStringLiteral(VEXA_RUN_DIR "/") + name).toImage();
}

QImage builtinPicture(const QString& name) {
    return BuiltinPicture(name).toImage();
}

// At 150 % a device row whose centre lies inside one picture row shows that row alone. In it,
// an ink pixel between two pixels of lower rank (the transparent ground; the black outline
// beside a colour) is a line one pixel wide: it must come out exactly two device pixels wide.
bool linesTwoPixelsWide(const QImage& picture, const QImage& large, QString& where) {
    auto rank = [](QRgb c) { return qAlpha(c) == 0 ? 0 : (c & 0xffffff) == 0 ? 1 : 2; };
    for (int row = 0; row < large.height(); ++row) {
        const double centre = (row + 0.5) / 1.5;
        if (centre == std::floor(centre)) continue;  // on the border of two picture rows
        const int y = int(centre);
        for (int x = 1; x + 1 < picture.width(); ++x) {
            const QRgb ink = picture.pixel(x, y);
            if (rank(ink) == 0 || rank(picture.pixel(x - 1, y)) >= rank(ink) ||
                rank(picture.pixel(x + 1, y)) >= rank(ink))
                continue;
            int width = 0;
            for (int column = 0; column < large.width(); ++column) {
                const double c = (column + 0.5) / 1.5;
                if (c >= x - 0.5 && c <= x + 1.5 && large.pixel(column, row) == ink) ++width;
            }
            if (width != 2) {
                where = QStringLiteral("row %1 column %2: %3 wide").arg(y).arg(x).arg(width);
                return false;
            }
        }
    }
    return true;
}

QImage transposed(const QImage& image) {
    return image.transformed(QTransform(0, 1, 1, 0, 0, 0));
}

using ZoneOf = std::function<int32_t(int x, int y)>;
using ColourCounts = std::map<QRgb, int>;

// How often each colour occurs in each zone. Fails the test when one colour turns up in two
// zones: then some pixel lies on the wrong side of a ring boundary.
std::map<int32_t, ColourCounts> coloursByZone(const QImage& image, const ZoneOf& zoneOf) {
    std::map<int32_t, ColourCounts> zones;
    std::map<QRgb, int32_t> zoneOfColour;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y) | 0xff000000u;
            const int32_t zone = zoneOf(x, y);
            auto [it, added] = zoneOfColour.emplace(colour, zone);
            if (!added && it->second != zone) {
                QTest::qFail(qPrintable(QStringLiteral("pixel (%1, %2) of zone %3 has a colour of "
                                                       "zone %4")
                                            .arg(x)
                                            .arg(y)
                                            .arg(zone)
                                            .arg(it->second)),
                             __FILE__, __LINE__);
                return {};
            }
            ++zones[zone][colour];
        }
    }
    return zones;
}

QRgb mostFrequent(const ColourCounts& counts) {
    return std::max_element(counts.begin(), counts.end(),
                            [](auto& a, auto& b) { return a.second < b.second; })
        ->first;
}

// The colour family a ring of a real target face shows.
QString family(QRgb c) {
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    if (r > 150 && g > 120 && b < 100 && r >= g) return "gold";
    if (r > 180 && g < 90 && b < 90) return "red";
    if (b > 180 && r < 90) return "blue";
    if (r < 64 && g < 64 && b < 64) return "black";
    if (r > 220 && g > 220 && b > 220) return "white";
    return "other";
}

QString expectedFamily(int32_t ring) {
    static const char* const kFamilies[] = {"white", "black", "blue", "red", "gold"};
    return kFamilies[(ring - 1) / 2];
}

int contrast(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// Every zone is there and coloured as on a real face, and each ring ends in a visible edge, also
// between the two rings of one colour.
void checkFace(const QImage& image, Point centre, int32_t ringWidth, const ZoneOf& zoneOf) {
    const auto zones = coloursByZone(image, zoneOf);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(zones.size(), std::size_t(kTargetRings + 1));
    for (int32_t ring = 1; ring <= kTargetRings; ++ring) {
        QCOMPARE(family(mostFrequent(zones.at(ring))), expectedFamily(ring));
    }
    for (int32_t edge = 1; edge <= kTargetRings; ++edge) {
        const int x = centre.x + edge * ringWidth;
        QVERIFY2(contrast(image.pixel(x - 1, centre.y), image.pixel(x, centre.y)) >= 60,
                 qPrintable(QStringLiteral("edge of ring %1 is hard to see").arg(11 - edge)));
    }
}

ColourCounts faceColours(const QImage& image, const ZoneOf& zoneOf) {
    ColourCounts all;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (zoneOf(x, y) > 0) ++all[image.pixel(x, y) | 0xff000000u];
        }
    }
    return all;
}

// A sound file of the game, checked to be the canonical RIFF/WAVE of 16-bit mono PCM it must be.
struct Pcm {
    quint32 rate = 0;
    std::vector<int> samples;

    int peak(int from, int to) const {
        int highest = 0;
        for (int i = from; i < to; ++i) highest = std::max(highest, std::abs(samples[i]));
        return highest;
    }
    // Stretches where the sound is loud, each at least 10 ms above a tenth of the peak, told
    // apart by at least 50 ms below it.
    int loudStretches() const {
        const int window = int(rate / 100);
        const int loud = peak(0, int(samples.size())) / 10;
        int stretches = 0;
        int quietWindows = 5;
        for (std::size_t at = 0; at + window <= samples.size(); at += window) {
            if (peak(int(at), int(at) + window) > loud) {
                if (quietWindows >= 5) ++stretches;
                quietWindows = 0;
            } else {
                ++quietWindows;
            }
        }
        return stretches;
    }
};

std::optional<Pcm> readPcm(const QString& name) {
    QFile file(QStringLiteral(VEXA_RUN_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray wav = file.readAll();
    if (wav.size() <= 44) return std::nullopt;
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
    auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
    const quint32 rate = u32(24);
    const bool canonical = wav.mid(0, 4) == "RIFF" && u32(4) == quint32(wav.size() - 8) &&
                           wav.mid(8, 8) == "WAVEfmt " && u32(16) == 16 && u16(20) == 1 &&
                           u16(22) == 1 && u32(28) == rate * 2 && u16(32) == 2 && u16(34) == 16 &&
                           wav.mid(36, 4) == "data" && u32(40) == quint32(wav.size() - 44);
    if (!canonical) return std::nullopt;
    Pcm pcm{rate, {}};
    for (int at = 44; at + 1 < wav.size(); at += 2) pcm.samples.push_back(qint16(u16(at)));
    return pcm;
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT

  private slots:
    void targetFacesAgreeWithTheScoring_data() {
        QTest::addColumn<int>("metres");
        for (const TargetFace& d : kTargetFaces) QTest::newRow(d.picture) << d.metres;
    }

    void targetFacesAgreeWithTheScoring() {
        QFETCH(int, metres);
        const TargetFace target = *findTargetFace(metres);
        const QImage face = runPicture(QString::fromLatin1(target.picture));
        QCOMPARE(face.size(), QSize(kTargetSize, kTargetSize));
        checkFace(face, kTargetCentre, target.ringWidth, [metres](int x, int y) {
            int32_t sx = x, sy = y;
            return ScoreHit(100, metres, sx, sy);
        });
    }

    void scopeFaceHasTwelvePixelRingsAboutTheScopeCentre() {
        const QImage scope = builtinPicture("scope.bmp");
        QCOMPARE(scope.size(), QSize(kScopeSize, kScopeSize));
        const Point centre{kScopeCentre.x - kScopeOrigin.x, kScopeCentre.y - kScopeOrigin.y};
        const ZoneOf zoneOf = [centre](int x, int y) {
            const int64_t dx = x - centre.x, dy = y - centre.y;
            const auto rings = static_cast<int32_t>(
                IntegerSquareRoot(static_cast<uint64_t>(dx * dx + dy * dy)) / kScopeRingWidth);
            return std::max(0, kTargetRings - rings);
        };
        checkFace(scope, centre, kScopeRingWidth, zoneOf);

        // The same face as the targets, only larger: no colour of its rings is new.
        const ColourCounts target = faceColours(runPicture("30.bmp"), [](int x, int y) {
            int32_t sx = x, sy = y;
            return ScoreHit(100, 30, sx, sy);
        });
        for (const auto& [colour, count] : faceColours(scope, zoneOf)) {
            QVERIFY2(target.count(colour), qPrintable(QString::number(colour, 16)));
        }
    }

    // At 150 % each screen pixel takes the ring its centre lies in, measured in picture pixels.
    void facesAt150PercentAgreeWithTheScoringAtThatSize_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("ringWidth");
        QTest::addColumn<QPoint>("centre");
        for (const TargetFace& face : kTargetFaces) {
            QTest::newRow(face.picture) << QString::fromLatin1(face.picture) << face.ringWidth
                                        << QPoint(kTargetCentre.x, kTargetCentre.y);
        }
        QTest::newRow("scope.bmp")
            << QStringLiteral("scope.bmp") << kScopeRingWidth
            << QPoint(kScopeCentre.x - kScopeOrigin.x, kScopeCentre.y - kScopeOrigin.y);
    }

    void facesAt150PercentAgreeWithTheScoringAtThatSize() {
        QFETCH(QString, name);
        QFETCH(int, ringWidth);
        QFETCH(QPoint, centre);
        const QPixmap own = BuiltinPicture(QStringLiteral("x1/") + name).isNull()
                                ? BuiltinPicture(name)
                                : BuiltinPicture(QStringLiteral("x1/") + name);
        const QPixmap sharp = PictureForScreen(own, name, 1.5);
        QCOMPARE(sharp.devicePixelRatio(), 1.5);
        QCOMPARE(sharp.deviceIndependentSize(), QSizeF(own.size()));
        const QImage image = sharp.toImage();
        std::map<QRgb, int32_t> ringOfColour;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const double dx = (x + 0.5) / 1.5 - 0.5 - centre.x();
                const double dy = (y + 0.5) / 1.5 - 0.5 - centre.y();
                const double rings = std::hypot(dx, dy) / ringWidth;
                if (std::abs(rings - std::round(rings)) < 1e-9) continue;  // on a boundary
                const int32_t ring = std::max(0, kTargetRings - static_cast<int32_t>(rings));
                if (ring == 0) continue;
                const auto [it, added] = ringOfColour.emplace(image.pixel(x, y), ring);
                if (it->second != ring) {
                    QFAIL(qPrintable(QStringLiteral("(%1, %2) in ring %3 has a colour of ring %4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(ring)
                                         .arg(it->second)));
                }
            }
        }
        QCOMPARE(ringOfColour.size(), std::size_t(2 * kTargetRings));  // a fill and a line each
    }

    void onlyTheGamesOwnFacesAreReplacedAt150Percent() {
        const QPixmap own = LoadPictureFile(VEXA_RUN_DIR "/30.bmp");
        QCOMPARE(PictureForScreen(own, "30.bmp", 1.5).devicePixelRatio(), 1.5);
        QCOMPARE(PictureForScreen(own, "30.bmp", 2.0).cacheKey(), own.cacheKey());
        QImage changed = own.toImage();
        changed.setPixel(0, 0, ~changed.pixel(0, 0));
        const QPixmap players = QPixmap::fromImage(changed);
        QCOMPARE(PictureForScreen(players, "30.bmp", 1.5).cacheKey(), players.cacheKey());
        QCOMPARE(PictureForScreen(own, "50.bmp", 1.5).cacheKey(), own.cacheKey());
    }

    void markerIconsHaveTheirTipOnTheHotSpot() {
        const int last = kMarkerSize - 1;
        for (int32_t style = 1; style <= 4; ++style) {
            const QImage marker = runPicture(QStringLiteral("arrow%1.ico").arg(style));
            QCOMPARE(marker.size(), QSize(kMarkerSize, kMarkerSize));
            const Point hotSpot = kMarkerHotSpot[style - 1];
            const int tipX = std::min(hotSpot.x, last), tipY = std::min(hotSpot.y, last);
            const int inX = tipX == 0 ? 1 : -1, inY = tipY == 0 ? 1 : -1;
            QVERIFY2(qAlpha(marker.pixel(tipX, tipY)) == 255, qPrintable(QString::number(style)));
            // The head fills the corner towards the middle ...
            for (int step = 1; step <= 3; ++step) {
                QCOMPARE(qAlpha(marker.pixel(tipX + step * inX, tipY + step * inY)), 255);
            }
            // ... and no other corner is reached.
            for (const QPoint corner :
                 {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
                if (corner != QPoint(tipX, tipY)) QCOMPARE(qAlpha(marker.pixel(corner)), 0);
            }
            // Dark outline and light body: seen on the black rings and on the white ones.
            bool dark = false, light = false;
            int clear = 0;
            for (int y = 0; y < kMarkerSize; ++y) {
                for (int x = 0; x < kMarkerSize; ++x) {
                    const QRgb c = marker.pixel(x, y);
                    if (qAlpha(c) == 0) ++clear;
                    if (qAlpha(c) == 0) continue;
                    dark = dark || qGray(c) < 40;
                    light = light || qGray(c) > 120;
                }
            }
            QVERIFY(dark && light);
            QVERIFY(clear > kMarkerSize * kMarkerSize / 2);
        }
        QCOMPARE(builtinPicture("marker.png"), runPicture("arrow1.ico"));
    }

    // The sights and markers at 150 %: from the game's own drawing, no colour it lacks, every
    // line one picture pixel wide two device pixels wide across and along, the tip in its corner.
    void pixelArtAt150PercentHasEvenLines() {
        QStringList names = {"sight1.png", "cursor.png", "marker.png"};
        for (int n = 1; n <= 4; ++n) names << QStringLiteral("arrow%1.ico").arg(n);
        for (int n = 1; n <= 3; ++n) names << QStringLiteral("z%1.ico").arg(n);
        for (const QString& name : names) {
            const QPixmap own = name.endsWith(".ico") ? LoadPictureFile(VEXA_RUN_DIR "/" + name)
                                                      : BuiltinPicture(name);
            const QPixmap shown = PictureForScreen(own, name, 1.5);
            QCOMPARE(shown.devicePixelRatio(), 1.5);
            const QImage picture = own.toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage large = shown.toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(large.size(), picture.size() * 3 / 2);
            std::set<QRgb> colours;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x) colours.insert(picture.pixel(x, y));
            for (int y = 0; y < large.height(); ++y)
                for (int x = 0; x < large.width(); ++x)
                    QVERIFY2(colours.count(large.pixel(x, y)), qPrintable(name));
            QString where;
            QVERIFY2(linesTwoPixelsWide(picture, large, where), qPrintable(name + " " + where));
            QVERIFY2(linesTwoPixelsWide(transposed(picture), transposed(large), where),
                     qPrintable(name + " across " + where));
            // The corner pixels stay: a marker's tip on its hot spot, the other corners clear.
            const int right = picture.width() - 1, bottom = picture.height() - 1;
            for (const QPoint corner :
                 {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
                const QPoint device(corner.x() ? large.width() - 1 : 0,
                                    corner.y() ? large.height() - 1 : 0);
                QCOMPARE(large.pixel(device), picture.pixel(corner));
            }
        }
    }

    void sightsShowWhatTellsThemApart() {
        const int aim = kSightAimOffset;
        auto black = [](const QImage& image, int x, int y) {
            return image.pixel(x, y) == qRgba(0, 0, 0, 255);
        };
        QImage sights[4];
        for (int n = 1; n <= 3; ++n) {
            sights[n] = runPicture(QStringLiteral("z%1.ico").arg(n));
            QCOMPARE(sights[n].size(), QSize(32, 32));
            for (int y = 0; y < 32; ++y) {  // two colours only: black ink, clear ground
                for (int x = 0; x < 32; ++x) {
                    QVERIFY(black(sights[n], x, y) || qAlpha(sights[n].pixel(x, y)) == 0);
                }
            }
        }
        const QImage& one = sights[1];
        QVERIFY(black(one, aim, aim) && black(one, aim - 1, aim - 1) &&
                black(one, aim + 1, aim + 1));
        QVERIFY(black(one, aim, 1) && black(one, 1, aim) && black(one, 30, aim));
        QVERIFY(!black(one, 0, 0) && !black(one, aim - 4, aim - 4));

        for (int n : {2, 3}) {
            const QImage& s = sights[n];
            QVERIFY(!black(s, aim, aim));
            QVERIFY(black(s, aim - 1, aim) && black(s, aim + 1, aim + 1) && black(s, aim, aim - 1));
            QVERIFY(!black(s, aim, aim - 5) && !black(s, aim - 5, aim) && !black(s, aim + 5, aim));
            QVERIFY(black(s, aim, aim + 5) && black(s, aim, aim + 12));
        }
        QVERIFY(!black(sights[2], 0, 0) && !black(sights[2], 31, 31));
        QVERIFY(black(sights[3], 0, 0) && black(sights[3], 31, 31) && black(sights[3], 31, 0));

        QCOMPARE(builtinPicture("sight1.png"), one);
        QCOMPARE(builtinPicture("cursor.png"), one);
    }

    // The wind flag in every pose, at 100 % and as drawn for 150 %: the cloth on the side the
    // wind carries it to, reaching further from the pole the stronger the wind, less when seen
    // end on, and in another shape for each half of a flutter.
    void windFlagsStreamDownwindAtEverySize() {
        for (const qreal scale : {1.0, 1.5}) {
            std::map<std::string, QImage> shown;
            for (int32_t index = 0; index < kFlagPoseCount; ++index) {
                const FlagPose pose = FlagPoseAt(index);
                const QString name = QString::fromStdString(FlagPictureName(pose));
                const QPixmap picture = PictureForScreen(BuiltinPicture(name), name, scale);
                QCOMPARE(picture.devicePixelRatio(), scale);
                const QImage image = picture.toImage();
                QCOMPARE(image.size(), QSize(kFlagWidth, kFlagHeight) * scale);
                // Signed reach of the orange cloth from the pole, in picture pixels.
                const double pole = image.width() / 2.0;
                double left = 0, right = 0;
                for (int y = 0; y < image.height(); ++y) {
                    for (int x = 0; x < image.width(); ++x) {
                        const QColor c = image.pixelColor(x, y);
                        if (c.alpha() < 200 || c.red() < 200 || c.green() > 160 || c.blue() > 80)
                            continue;
                        const double from = (x + 0.5 - pole) / scale;
                        left = std::max(left, -from);
                        right = std::max(right, from);
                    }
                }
                const double reach = pose.toTheLeft ? left : right;
                const double back = pose.toTheLeft ? right : left;
                QVERIFY2(back < 3, qPrintable(name));
                if (pose.strength == 0) {
                    QVERIFY2(reach < 8, qPrintable(name));
                } else if (!pose.alongTheRange) {
                    QVERIFY2(reach > 1 + 5 * pose.strength, qPrintable(name));
                } else {
                    QVERIFY2(reach > 2 && reach < 12, qPrintable(name));
                }
                shown[FlagPictureName(pose)] = image;
            }
            for (int32_t index = 1; index < kFlagPoseCount; index += 2) {
                QVERIFY(shown[FlagPictureName(FlagPoseAt(index))] !=
                        shown[FlagPictureName(FlagPoseAt(index + 1))]);
            }
        }
    }

    void everyOtherPictureHasItsSize() {
        struct Expected {
            const char* name;
            bool builtin;
            QSize size;
        };
        const Expected pictures[] = {
            {"nextar.bmp", false, {125, 100}},    {"nextsa.bmp", false, {125, 100}},
            {"nextarrow0.bmp", true, {125, 100}}, {"clicker.bmp", true, {125, 100}},
            {"arrow.bmp", true, {125, 2}},        {"archer.bmp", true, {116, 126}},
            {"downbut.bmp", true, {41, 40}},      {"rightbut.bmp", true, {41, 40}},
            {"upbut.bmp", true, {41, 40}},        {"leftbut.bmp", true, {41, 40}},
            {"icon.png", true, {32, 32}},         {"roundtype.png", true, {32, 32}},
        };
        for (const Expected& e : pictures) {
            const QImage image = e.builtin ? builtinPicture(e.name) : runPicture(e.name);
            QVERIFY2(image.size() == e.size, e.name);
        }
        QVERIFY(runPicture("nextar.bmp") != runPicture("nextsa.bmp"));
        QVERIFY(builtinPicture("nextarrow0.bmp") != runPicture("nextar.bmp"));
    }

    void styleButtonsPointFourWays() {
        // Each button turned a quarter onto the next shows the same picture: down, left, up,
        // right in turn, and no two alike.
        const QImage down = builtinPicture("downbut.bmp"), left = builtinPicture("leftbut.bmp"),
                     up = builtinPicture("upbut.bmp"), right = builtinPicture("rightbut.bmp");
        QVERIFY(down != up && left != right && down != left);
        auto inkCentre = [](const QImage& image) {
            QPointF sum;
            int count = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (qGray(image.pixel(x, y)) < 64 && x > 3 && y > 3 && x < image.width() - 4 &&
                        y < image.height() - 4) {
                        sum += QPointF(x, y);
                        ++count;
                    }
                }
            }
            return sum / count - QPointF(image.width() / 2.0, image.height() / 2.0);
        };
        // The arrowhead's mass lies towards its base, against the way it points.
        QVERIFY(inkCentre(down).y() < 0);
        QVERIFY(inkCentre(up).y() > 0);
        QVERIFY(inkCentre(right).x() < 0);
        QVERIFY(inkCentre(left).x() > 0);
    }

    void archerIsLightOnBlack() {
        const QImage archer = builtinPicture("archer.bmp");
        int light = 0;
        for (int y = 0; y < archer.height(); ++y) {
            for (int x = 0; x < archer.width(); ++x) light += qGray(archer.pixel(x, y)) > 150;
        }
        QCOMPARE(archer.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(archer.pixel(archer.width() - 1, archer.height() - 1), qRgb(0, 0, 0));
        QVERIFY(light > 500);
    }

    void tickIsAShortPcmClick() {
        const std::optional<Pcm> tick = readPcm(QStringLiteral("tick.wav"));
        QVERIFY(tick);
        const int samples = int(tick->samples.size());
        const double seconds = double(samples) / tick->rate;
        QVERIFY2(seconds >= 0.02 && seconds <= 0.04, qPrintable(QString::number(seconds)));
        const int fiveMs = int(tick->rate / 200);
        QVERIFY(tick->peak(0, fiveMs) > 8000);  // a sharp attack
        QVERIFY(tick->peak(samples - fiveMs, samples) * 10 < tick->peak(0, fiveMs));  // dies away
    }

    // Every sound of the range is short enough to leave the next one room, and each whistle
    // sounds as many separate blasts as its signal has.
    void theRangeSoundsAreShortAndTheWhistlesBlowTheirBlasts() {
        std::set<std::vector<int>> distinct;
        for (const RangeSound sound : kRangeSounds) {
            const QString name = QString::fromLatin1(RangeSoundFile(sound));
            const std::optional<Pcm> pcm = readPcm(name);
            QVERIFY2(pcm, qPrintable(name));
            const double seconds = double(pcm->samples.size()) / pcm->rate;
            const int32_t blasts = WhistleBlasts(sound);
            QVERIFY2(seconds <= (blasts ? 3.0 : 1.0), qPrintable(name));
            QVERIFY2(pcm->peak(0, int(pcm->samples.size())) > 8000, qPrintable(name));
            QCOMPARE(pcm->loudStretches(), std::max(blasts, 1));
            distinct.insert(pcm->samples);
        }
        QCOMPARE(distinct.size(), std::size(kRangeSounds));
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
