#pragma once
// The canvas a printout is drawn on, in printer pixels: a real printer, a PDF file, or a
// recording canvas in tests.

#include <QString>

namespace tremida {

class Plotno {
public:
    virtual ~Plotno() = default;

    // Size of the printable page in pixels.
    virtual int szerokoscStrony() const = 0;
    virtual int wysokoscStrony() const = 0;

    // Selects the printout font at `punkty` points, bold and/or underlined.
    virtual void ustawCzcionke(int punkty, bool pogrubiona, bool podkreslona) = 0;

    // Width of a text in the current font, in pixels.
    virtual int szerokoscTekstu(const QString &tekst) const = 0;

    // Draws a text with its top-left corner at (x, y).
    virtual void piszTekst(int x, int y, const QString &tekst) = 0;

    // Ends the current page and starts a new one.
    virtual void nowaStrona() = 0;

    // Draws the picture of file `plik` scaled into the rectangle with its top-left corner at
    // (x, y). False, drawing nothing, when the file cannot be read or decoded, or the canvas
    // draws no pictures.
    virtual bool rysujObraz(int /*x*/, int /*y*/, int /*szerokosc*/, int /*wysokosc*/, const QString & /*plik*/)
    {
        return false;
    }
};

} // namespace tremida
