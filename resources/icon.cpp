#include "resources/icon.h"

#include "resources/pictures.h"

#include <QPixmap>

namespace resources {

QImage blockScaled(const QImage& picture, int factor) {
    return picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QIcon windowIcon() {
    const QImage drawn = iconPicture();
    QIcon icon;
    for (const int size : iconSizes)
        icon.addPixmap(QPixmap::fromImage(blockScaled(drawn, size / drawn.width())));
    return icon;
}

} // namespace resources
