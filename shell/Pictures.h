#pragma once

// The pictures of the windows, read from the program's resources on first use and kept for the
// rest of the run. A picture that cannot be read is nullptr, and the next request tries again.

#include <memory>

namespace framework {
class Picture;
}

// The converter window's info symbol, 32 x 32.
std::shared_ptr<framework::Picture> Info32();
// The converter window's title, 510 x 36.
std::shared_ptr<framework::Picture> QVRtitle();
// The About window's title, 313 x 20.
std::shared_ptr<framework::Picture> QVRtitleSm();
// The program's icon in the About window, 64 x 64: the picture every window carries.
std::shared_ptr<framework::Picture> Icon64();
