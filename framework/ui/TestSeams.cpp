#include "framework/ui/TestSeams.h"

#include <utility>

namespace framework::seams {

namespace {

DialogSeams& Installed() {
    static DialogSeams seams;
    return seams;
}

} // namespace

void SetDialogSeams(DialogSeams seams) {
    Installed() = std::move(seams);
}

const DialogSeams& CurrentDialogSeams() {
    return Installed();
}

} // namespace framework::seams
