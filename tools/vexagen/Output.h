#pragma once

#include <QImage>
#include <QString>
#include <stdexcept>
#include <string>
#include <string_view>

// Anything that keeps the generator from writing a correct file. main() reports it and fails
// the build, so a broken picture or list never reaches the game folder.
class GenerateError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The format follows the file name's extension (bmp, png, ico). Throws GenerateError.
void saveImage(const QImage& image, const QString& path);
void saveBytes(std::string_view bytes, const QString& path);
std::string readBytes(const QString& path);
