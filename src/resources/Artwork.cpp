#include "resources/Artwork.h"

QPixmap splashPicture()
{
    QPixmap picture(200, 200);
    picture.fill(Qt::white);
    return picture;
}

QIcon programIcon()
{
    return {};
}
