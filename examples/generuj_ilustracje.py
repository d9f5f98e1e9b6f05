#!/usr/bin/env python3
"""Draws the pictures and the film of the example knowledge bases.

Only the Python standard library is used for drawing; the pictures are written as 24-bit BMP
files. JPEG pictures and the AVI film are encoded from raw RGB frames by gst-launch-1.0
(rawvideoparse, jpegenc, avimux). The generated files are kept in the repository, so this
script is needed only after a picture has been changed.

    python3 examples/generuj_ilustracje.py
"""

import math
import os
import struct
import subprocess
import tempfile

KATALOG = os.path.dirname(os.path.abspath(__file__))


class Obraz:
    """An RGB canvas with a few filled shapes."""

    def __init__(self, szer, wys, tlo=(255, 255, 255)):
        self.szer, self.wys = szer, wys
        self.px = [bytearray(bytes(tlo) * szer) for _ in range(wys)]

    def punkt(self, x, y, kolor):
        if 0 <= x < self.szer and 0 <= y < self.wys:
            self.px[y][3 * x:3 * x + 3] = bytes(kolor)

    def prostokat(self, x0, y0, x1, y1, kolor):
        for y in range(max(0, y0), min(self.wys, y1)):
            for x in range(max(0, x0), min(self.szer, x1)):
                self.px[y][3 * x:3 * x + 3] = bytes(kolor)

    def elipsa(self, cx, cy, rx, ry, kolor):
        for y in range(int(cy - ry), int(cy + ry) + 1):
            for x in range(int(cx - rx), int(cx + rx) + 1):
                if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1:
                    self.punkt(x, y, kolor)

    def wielokat(self, punkty, kolor):
        ys = [p[1] for p in punkty]
        for y in range(max(0, int(min(ys))), min(self.wys, int(max(ys)) + 1)):
            xs = []
            for (xa, ya), (xb, yb) in zip(punkty, punkty[1:] + punkty[:1]):
                if (ya <= y < yb) or (yb <= y < ya):
                    xs.append(xa + (y - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for a, b in zip(xs[::2], xs[1::2]):
                for x in range(int(a), int(b) + 1):
                    self.punkt(x, y, kolor)

    def linia(self, x0, y0, x1, y1, grubosc, kolor):
        kroki = int(max(abs(x1 - x0), abs(y1 - y0))) + 1
        for i in range(kroki + 1):
            t = i / kroki
            self.elipsa(x0 + t * (x1 - x0), y0 + t * (y1 - y0), grubosc / 2, grubosc / 2, kolor)

    def rgb(self):
        return b"".join(bytes(w) for w in self.px)

    def zapisz_bmp(self, sciezka):
        wiersz = (3 * self.szer + 3) & ~3
        dane = bytearray()
        for w in reversed(self.px):
            for x in range(self.szer):
                r, g, b = w[3 * x:3 * x + 3]
                dane += bytes((b, g, r))
            dane += bytes(wiersz - 3 * self.szer)
        naglowek = struct.pack("<2sIHHI", b"BM", 54 + len(dane), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.szer, self.wys, 1, 24, 0, len(dane), 2835, 2835, 0, 0)
        with open(sciezka, "wb") as f:
            f.write(naglowek + info + dane)


def gst_z_klatek(klatki, szer, wys, kl_na_s, koncowka, sciezka):
    """Encodes raw RGB frames with gst-launch-1.0 into a JPEG picture or an MJPEG AVI film."""
    with tempfile.NamedTemporaryFile(suffix=".rgb", delete=False) as f:
        for k in klatki:
            f.write(k)
        surowy = f.name
    try:
        subprocess.run(["gst-launch-1.0", "-q", "filesrc", f"location={surowy}", "!", "rawvideoparse",
                        f"width={szer}", f"height={wys}", "format=rgb", f"framerate={kl_na_s}/1", "!",
                        "videoconvert", "!", "jpegenc", "quality=90", "!"] + koncowka +
                       ["!", "filesink", f"location={sciezka}"], check=True)
    finally:
        os.unlink(surowy)


def zapisz_jpeg(obraz, sciezka):
    gst_z_klatek([obraz.rgb()], obraz.szer, obraz.wys, 1, ["image/jpeg"], sciezka)


# Colours.
CZARNY, BIALY, SZARY, STAL = (30, 30, 30), (255, 255, 255), (150, 150, 150), (110, 120, 135)
NIEBIESKI, ZOLTY, CZERWONY = (40, 90, 230), (250, 210, 40), (220, 40, 30)
NIEBO, MORZE, PIASEK, ZIELEN = (150, 200, 240), (30, 100, 170), (235, 215, 160), (60, 140, 70)


def kociol():
    o = Obraz(400, 300, (235, 240, 245))
    o.prostokat(60, 120, 300, 280, STAL)                 # komora spalania
    o.elipsa(180, 90, 130, 40, SZARY)                    # walczak
    o.prostokat(50, 90, 310, 100, SZARY)
    o.prostokat(320, 20, 350, 200, (90, 90, 90))         # komin
    o.prostokat(100, 230, 260, 250, CZARNY)              # palnik
    for x in range(110, 260, 25):
        o.wielokat([(x, 230), (x + 10, 180), (x + 20, 230)], NIEBIESKI)
    o.prostokat(170, 20, 190, 60, CZARNY)                # kolektor pary
    o.elipsa(180, 30, 22, 22, BIALY)                     # termometr
    o.linia(180, 30, 195, 18, 3, CZERWONY)
    return o


def plomien():
    o = Obraz(480, 240, (40, 40, 45))
    for i, kolor in enumerate((NIEBIESKI, ZOLTY, CZERWONY)):
        cx = 80 + 160 * i
        o.prostokat(cx - 50, 200, cx + 50, 225, SZARY)
        o.wielokat([(cx - 35, 200), (cx, 40), (cx + 35, 200)], kolor)
        o.elipsa(cx, 185, 20, 15, BIALY if kolor == NIEBIESKI else kolor)
    return o


def zawor():
    o = Obraz(300, 300, (245, 245, 240))
    o.prostokat(100, 220, 200, 290, STAL)                # korpus
    o.prostokat(20, 240, 100, 270, SZARY)                # króciec
    o.prostokat(135, 200, 165, 220, CZARNY)              # grzybek
    for y in range(80, 200, 16):                         # sprężyna
        o.linia(120, y, 180, y + 8, 5, (70, 70, 70))
        o.linia(180, y + 8, 120, y + 16, 5, (70, 70, 70))
    o.prostokat(110, 60, 190, 80, STAL)
    o.prostokat(143, 20, 157, 60, CZERWONY)              # śruba nastawcza
    return o


def przegrzewacz():
    o = Obraz(400, 300, (250, 235, 215))
    o.prostokat(0, 0, 400, 40, (200, 120, 60))          # spaliny
    for i in range(6):
        y = 70 + 35 * i
        o.linia(60, y, 340, y, 10, CZERWONY if i < 3 else STAL)
        x = 340 if i % 2 == 0 else 60
        if i < 5:
            o.linia(x, y, x, y + 35, 10, CZERWONY if i < 2 else STAL)
    return o


def termometr():
    o = Obraz(400, 200, BIALY)
    o.prostokat(40, 85, 340, 115, (220, 220, 220))
    o.elipsa(40, 100, 30, 30, CZERWONY)
    o.prostokat(40, 93, 260, 107, CZERWONY)
    for i in range(0, 11):
        x = 60 + 27 * i
        o.prostokat(x, 120, x + 2, 135 if i % 5 else 145, CZARNY)
    o.prostokat(200, 60, 204, 150, (200, 0, 0))          # próg 38 °C
    return o


def krajobraz(gory):
    o = Obraz(480, 270, NIEBO)
    o.elipsa(400, 60, 30, 30, ZOLTY)
    if gory:
        o.wielokat([(0, 270), (120, 70), (220, 200), (320, 50), (480, 220), (480, 270)], (110, 110, 120))
        o.wielokat([(95, 100), (120, 70), (145, 100)], BIALY)
        o.wielokat([(290, 90), (320, 50), (350, 90)], BIALY)
        o.prostokat(0, 240, 480, 270, BIALY)
    else:
        o.prostokat(0, 150, 480, 210, MORZE)
        o.prostokat(0, 210, 480, 270, PIASEK)
        o.wielokat([(80, 230), (110, 180), (140, 230)], CZERWONY)   # parasol
        o.linia(110, 180, 110, 250, 3, CZARNY)
    return o


def zatoka():
    o = Obraz(480, 270, NIEBO)
    o.wielokat([(0, 120), (160, 90), (260, 140), (0, 200)], ZIELEN)
    o.prostokat(0, 140, 480, 270, (20, 140, 170))
    o.wielokat([(300, 270), (360, 170), (480, 150), (480, 270)], (200, 180, 150))
    for i in range(5):
        o.prostokat(380 + 18 * i, 120 - 6 * i, 394 + 18 * i, 170, (230, 200, 170))
        o.wielokat([(378 + 18 * i, 120 - 6 * i), (387 + 18 * i, 110 - 6 * i), (396 + 18 * i, 120 - 6 * i)], (190, 80, 50))
    return o


def film_czyszczenia(sciezka):
    """Film: a brush passes over the burner nozzles; the flames turn from yellow to blue."""
    szer, wys, klatki = 320, 240, []
    for k in range(40):
        o = Obraz(szer, wys, (40, 40, 45))
        o.prostokat(40, 180, 280, 200, SZARY)
        czyste = k * 8 // 40
        for i in range(8):
            x = 50 + 30 * i
            if k < 20:
                o.prostokat(x, 172, x + 12, 180, (20, 20, 20) if i >= czyste * 2 else (180, 180, 180))
            else:
                kolor = NIEBIESKI if i < (k - 20) * 8 // 20 + 1 else ZOLTY
                o.wielokat([(x - 2, 180), (x + 6, 120), (x + 14, 180)], kolor)
        if k < 20:
            bx = 40 + k * 12
            o.prostokat(bx, 120, bx + 10, 170, (150, 100, 60))
            o.prostokat(bx - 6, 160, bx + 16, 172, (230, 230, 230))
        klatki.append(o.rgb())
    gst_z_klatek(klatki, szer, wys, 10, ["avimux"], sciezka)


def main():
    def sciezka(przyklad, nazwa):
        return os.path.join(KATALOG, przyklad, nazwa)

    kociol().zapisz_bmp(sciezka("kociol", "kociol.bmp"))
    plomien().zapisz_bmp(sciezka("kociol", "plomien.bmp"))
    zapisz_jpeg(zawor(), sciezka("kociol", "zawor.jpg"))
    przegrzewacz().zapisz_bmp(sciezka("kociol", "przegrzewacz.bmp"))
    film_czyszczenia(sciezka("kociol", "czyszczenie_palnika.avi"))
    termometr().zapisz_bmp(sciezka("choroba", "termometr.bmp"))
    krajobraz(False).zapisz_bmp(sciezka("wypoczynek", "baltyk.bmp"))
    krajobraz(True).zapisz_bmp(sciezka("wypoczynek", "tatry.bmp"))
    zapisz_jpeg(zatoka(), sciezka("wypoczynek", "chorwacja.jpg"))


if __name__ == "__main__":
    main()
