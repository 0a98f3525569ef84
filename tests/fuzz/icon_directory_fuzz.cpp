#include "fuzz/FuzzTarget.h"
#include "rules/formats/IconHeader.h"

VEXA_FUZZ_TARGET(icon_directory) {
    const auto images = ReadIconDirectory(bytes);
    if (!images) return;
    FuzzCheck(!images->empty(), "an icon lists a picture");
    for (const IconImage& image : *images) {
        FuzzCheck(uint64_t{image.offset} + image.size <= bytes.size(), "picture inside the file");
    }
    FuzzCheck(PreferredIconImage(*images) < images->size(), "preferred picture is listed");
}
