// vexagen <runDir> <builtinDir> <dataDir>
// Draws every picture, icon and sound of the game and writes the default competitor files
// into runDir, and the pictures built into the program, with their builtin.qrc, into
// builtinDir, beside the menu icon at each size the install takes (menu-icon-<size>.png, the
// sizes listed in Generate.cmake too). Any failure ends it with a message and a non-zero exit,
// so the build stops.
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <iostream>
#include <map>
#include <utility>
#include <vector>

#include "rules/competitors/CompetitorFile.h"
#include "rules/match/Geometry.h"
#include "rules/match/RangeSounds.h"
#include "rules/match/Rounds.h"
#include "rules/match/SightDrawing.h"
#include "rules/match/WindFlag.h"
#include "tools/vexagen/Bow.h"
#include "tools/vexagen/CompetitorList.h"
#include "tools/vexagen/Controls.h"
#include "tools/vexagen/Markers.h"
#include "tools/vexagen/Output.h"
#include "tools/vexagen/ProgramIcons.h"
#include "tools/vexagen/Sights.h"
#include "tools/vexagen/Sound.h"
#include "tools/vexagen/TargetFace.h"
#include "tools/vexagen/ThreeHalves.h"
#include "tools/vexagen/WindFlag.h"

namespace {

// The competitor files the rounds load, each from data/<stem>.txt. Read before anything is
// written, so a bad list leaves the game folder as it was.
std::map<QString, std::string> encodeCompetitorFiles(const QDir& data) {
    std::map<QString, std::string> files;
    for (const Round& round : kRounds) {
        const QString name = QString::fromLatin1(round.competitorFile);
        if (files.count(name)) continue;
        const QString source = data.filePath(QFileInfo(name).completeBaseName() + ".txt");
        const CompetitorTable table = parseCompetitorList(readBytes(source), source.toStdString());
        files[name] = encodeCompetitorFile(table);
    }
    return files;
}

void requireCaptionFont() {
    const QString family = QStringLiteral("DejaVu Sans");
    if (QFontInfo(QFont(family)).family() != family) {
        throw GenerateError("the font DejaVu Sans (package fonts-dejavu-core) is missing");
    }
}

void writeRunFiles(const QDir& run, const std::map<QString, std::string>& competitorFiles) {
    for (const TargetFace& face : kTargetFaces) {
        saveImage(drawTargetFace(face.ringWidth), run.filePath(QString::fromLatin1(face.picture)));
    }
    saveImage(drawNextArrowControl(NextArrowPicture::NextArrow), run.filePath("nextar.bmp"));
    saveImage(drawNextArrowControl(NextArrowPicture::NextEnd), run.filePath("nextsa.bmp"));
    for (int32_t style = 1; style <= static_cast<int32_t>(kMarkerHotSpot.size()); ++style) {
        saveImage(drawMarker(style), run.filePath(QStringLiteral("arrow%1.ico").arg(style)));
    }
    for (int32_t sight = 1; sight <= kSightKinds; ++sight) {
        saveImage(drawSight(sight), run.filePath(QStringLiteral("z%1.ico").arg(sight)));
    }
    for (const RangeSound sound : kRangeSounds) {
        const std::vector<int16_t> samples = [sound] {
            switch (sound) {
                case RangeSound::ClickerTick:
                    return tickSamples();
                case RangeSound::BowRelease:
                    return releaseSamples();
                case RangeSound::RingHit:
                    return ringHitSamples();
                case RangeSound::GrassMiss:
                    return grassMissSamples();
                default:
                    return whistleSamples(WhistleBlasts(sound));
            }
        }();
        saveBytes(encodeWav(samples, kSoundSampleRate),
                  run.filePath(QString::fromLatin1(RangeSoundFile(sound))));
    }
    for (const auto& [name, bytes] : competitorFiles) saveBytes(bytes, run.filePath(name));
}

void writeBuiltinFiles(const QDir& builtin) {
    std::vector<std::pair<QString, QImage>> pictures = {
        {"scope.bmp", drawScopeFace()},
        {"sight1.png", drawSight(1)},
        {"marker.png", drawMarker(1)},
        {"clicker.bmp", drawClicker()},
        {"arrow.bmp", drawDrawnArrow()},
        {"archer.bmp", drawArcher()},
        {"nextarrow0.bmp", drawNextArrowControl(NextArrowPicture::BeforeMatch)},
        {"downbut.bmp", drawStyleButton(Pointing::Down)},
        {"rightbut.bmp", drawStyleButton(Pointing::Right)},
        {"upbut.bmp", drawStyleButton(Pointing::Up)},
        {"leftbut.bmp", drawStyleButton(Pointing::Left)},
        {"icon.png", drawProgramIcon()},
        {"roundtype.png", drawRoundTypeIcon()},
        {"cursor.png", drawSight(1)},  // the sight pointer shares sight 1's drawing
        {"x1.5/scope.bmp", drawScopeFaceAtThreeHalves()},
        {"x1.5/sight1.png", pixelArtAtThreeHalves(drawSight(1))},
        {"x1.5/cursor.png", pixelArtAtThreeHalves(drawSight(1))},
        {"x1.5/marker.png", pixelArtAtThreeHalves(drawMarker(1))},
        {"x1.5/clicker.bmp", drawClicker(1.5)},
        {"x1.5/arrow.bmp", pixelArtAtThreeHalves(drawDrawnArrow())},
        {"x1.5/archer.bmp", drawArcher(1.5)},
    };
    // The game folder's markers and sights at 150 %, each beside the picture it stands for.
    for (int32_t style = 1; style <= static_cast<int32_t>(kMarkerHotSpot.size()); ++style) {
        const QString name = QStringLiteral("arrow%1.ico").arg(style);
        pictures.emplace_back("x1/" + name, drawMarker(style));
        pictures.emplace_back("x1.5/" + name, pixelArtAtThreeHalves(drawMarker(style)));
    }
    for (int32_t sight = 1; sight <= kSightKinds; ++sight) {
        const QString name = QStringLiteral("z%1.ico").arg(sight);
        pictures.emplace_back("x1/" + name, drawSight(sight));
        pictures.emplace_back("x1.5/" + name, pixelArtAtThreeHalves(drawSight(sight)));
    }
    // The wind flag in every pose, painted anew for 150 %.
    for (int32_t index = 0; index < kFlagPoseCount; ++index) {
        const FlagPose pose = FlagPoseAt(index);
        const QString name = QString::fromStdString(FlagPictureName(pose));
        pictures.emplace_back(name, drawWindFlag(pose));
        pictures.emplace_back("x1.5/" + name, drawWindFlag(pose, 1.5));
    }
    // The faces at 150 %, each beside the picture it stands for (x1/), by which the game knows
    // that a target picture in the game folder is still its own.
    for (const TargetFace& face : kTargetFaces) {
        const QString name = QString::fromLatin1(face.picture);
        pictures.emplace_back("x1/" + name, drawTargetFace(face.ringWidth));
        pictures.emplace_back("x1.5/" + name, drawTargetFaceAtThreeHalves(face.ringWidth));
    }
    QString qrc = "<RCC>\n<qresource prefix=\"/builtin\">\n";
    for (const auto& [name, image] : pictures) {
        saveImage(image, builtin.filePath(name));
        qrc += "<file>" + name + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    saveBytes(qrc.toStdString(), builtin.filePath("builtin.qrc"));
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        saveImage(drawMenuIcon(size),
                  builtin.filePath(QStringLiteral("menu-icon-%1.png").arg(size)));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: vexagen <runDir> <builtinDir> <dataDir>\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");  // draws only; never opens a window
    QGuiApplication app(argc, argv);
    try {
        const QDir run(QString::fromLocal8Bit(argv[1]));
        const QDir builtin(QString::fromLocal8Bit(argv[2]));
        const QDir data(QString::fromLocal8Bit(argv[3]));
        const auto competitorFiles = encodeCompetitorFiles(data);
        requireCaptionFont();
        if (!run.mkpath(".") || !builtin.mkpath("x1") || !builtin.mkpath("x1.5"))
            throw GenerateError("cannot make the output folders");
        writeRunFiles(run, competitorFiles);
        writeBuiltinFiles(builtin);
    } catch (const GenerateError& error) {
        std::cerr << "vexagen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
