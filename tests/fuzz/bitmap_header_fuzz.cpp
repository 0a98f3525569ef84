#include "fuzz/FuzzTarget.h"
#include "rules/formats/BitmapHeader.h"

VEXA_FUZZ_TARGET(bitmap_header) {
    // The header alone (as inside an icon) and the whole file (as a ".bmp").
    if (const auto dib = ReadDibHeader(bytes)) {
        FuzzCheck(dib->rowBytes % 4 == 0 && dib->rows > 0, "rows padded and declared");
    }
    if (BitmapFileIsComplete(bytes)) FuzzCheck(bytes.substr(0, 2) == "BM", "a bitmap starts BM");
}
