#pragma once

#include <QByteArray>
#include <QImage>

// The application's icon: a navy board of three by three picture tiles, the
// middle one just placed (a gold ring). One list of shapes gives both the
// scalable picture and the pixel sizes, so they always agree.
QByteArray AppIconSvg();
QImage RenderAppIcon(int Size);

// The pixel sizes the desktop's icon theme gets beside the scalable one.
inline constexpr int AppIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
