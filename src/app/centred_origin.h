#pragma once

namespace zormade {

struct Origin {
    int x;
    int y;
};

// Centres a window of the given outer size on the desktop; the halves truncate toward zero, so a
// desktop smaller than the window puts it partly off screen, as the game always did.
Origin CentredOrigin(int desktopRight, int desktopBottom, int width, int height);

}  // namespace zormade
