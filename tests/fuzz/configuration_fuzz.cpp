#include "fuzz/FuzzTarget.h"
#include "rules/settings/Configuration.h"

VEXA_FUZZ_TARGET(configuration) {
    const Configuration read = ReadConfiguration(bytes);
    const Configuration again =
        ReadConfiguration(WriteConfiguration(read.StoredLeft, read.StoredTop, read.Difficulty));
    FuzzCheck(again.StoredLeft == read.StoredLeft && again.StoredTop == read.StoredTop &&
                  again.Difficulty == read.Difficulty,
              "save and read again");
}
