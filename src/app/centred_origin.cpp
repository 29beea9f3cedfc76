#include "app/centred_origin.h"

namespace zormade {

Origin CentredOrigin(int desktopRight, int desktopBottom, int width, int height) {
    return {(desktopRight - width) / 2, (desktopBottom - height) / 2};
}

}  // namespace zormade
