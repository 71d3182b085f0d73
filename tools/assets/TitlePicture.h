#pragma once

#include <QImage>

constexpr int TitleWidth = 567;
constexpr int TitleHeight = 300;

// The splash and about windows' picture: the game's name over a fan of tiles.
// The windows put their labels at the top-left and along the bottom, so the
// name sits in the middle band and the lower fifth stays calm.
QImage RenderTitlePicture();
