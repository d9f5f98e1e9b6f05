#pragma once
// Fitting a picture or a film into a viewer's display frame by its height-to-width ratio.

namespace tremida {

// A rectangle in pixels: top-left corner and size.
struct Prostokat {
    int lewo = 0;
    int gora = 0;
    int szerokosc = 0;
    int wysokosc = 0;
    bool operator==(const Prostokat &) const = default;
};

// The place of a file of height-to-width ratio `stosunek` in `ramka`: when the ratio is at
// most the frame's own, the full width and a height of ratio × width, centred vertically;
// otherwise the full height and a width of height / ratio, centred horizontally. Sizes are
// rounded to the nearest integer with halves to even, the centring offset is halved with
// truncation. A ratio that is not a positive finite number gives the whole frame, and no
// side is ever narrower than one pixel.
Prostokat dopasujDoRamki(const Prostokat &ramka, double stosunek);

// Rounds to the nearest integer, halves to the even neighbour.
int zaokraglijDoParzystej(double x);

} // namespace tremida
