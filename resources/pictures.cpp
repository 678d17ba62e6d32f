#include "resources/pictures.h"

#include "resources/icon.xpm"
#include "resources/walker.xpm"

namespace resources {

QImage iconPicture() {
    return QImage(icon_xpm);
}

QImage walkerPicture() {
    return QImage(walker_xpm);
}

} // namespace resources
