#include "app/centred_origin.h"

namespace zormade {

Origin CentredOrigin(int desktopRight, int desktopBottom, int width, int height) {
    return {(desktopRight - width) / 2, (desktopBottom - height) / 2};
}

Origin KeptOnDesktop(Origin origin, int desktopLeft, int desktopTop) {
    return {origin.x < desktopLeft ? desktopLeft : origin.x, origin.y < desktopTop ? desktopTop : origin.y};
}

}  // namespace zormade
