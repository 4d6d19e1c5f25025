#pragma once
// Screen metrics: the program designs in twips, the screen counts pixels.

namespace forms {

int TwipsPerPixelX();
int TwipsPerPixelY();
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);

}  // namespace forms
