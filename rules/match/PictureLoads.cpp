#include "rules/match/PictureLoads.h"

#include "rules/formats/PictureError.h"

void PictureLoads::load(PictureSlot slot, const std::string& fileName) {
    try {
        screen_.loadPicture(slot, fileName);
    } catch (const PictureError&) {
        if (!firstFailure_) firstFailure_ = std::current_exception();
    }
}

void PictureLoads::throwFirstFailure() const {
    if (firstFailure_) std::rethrow_exception(firstFailure_);
}
