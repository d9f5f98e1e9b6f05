#include "DekoderJpeg.h"

#include <QFile>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace tremida::gui {

namespace {

constexpr qint64 MaksLiczbaPikseli = 100'000'000;

// libjpeg reports errors through this structure: the message is kept and control goes back
// to the decoder by longjmp instead of the library's exit() and standard error output.
struct ObslugaBledow {
    jpeg_error_mgr pub;
    std::jmp_buf powrot;
    char komunikat[JMSG_LENGTH_MAX];
};

void bladKrytyczny(j_common_ptr cinfo)
{
    auto *o = reinterpret_cast<ObslugaBledow *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, o->komunikat);
    std::longjmp(o->powrot, 1);
}

// Warnings (a corrupt but decodable stream) are neither printed nor fatal.
void komunikatBiblioteki(j_common_ptr cinfo)
{
    auto *o = reinterpret_cast<ObslugaBledow *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, o->komunikat);
}

void wiadomosc(j_common_ptr, int) {}

inline uchar skladowa(int a, int b) { return static_cast<uchar>((a * b + 127) / 255); }

} // namespace

QImage dekodujJpeg(const QByteArray &dane, QString *blad)
{
    jpeg_decompress_struct cinfo{};
    ObslugaBledow obsluga{};
    cinfo.err = jpeg_std_error(&obsluga.pub);
    obsluga.pub.error_exit = bladKrytyczny;
    obsluga.pub.output_message = komunikatBiblioteki;
    obsluga.pub.emit_message = wiadomosc;

    // Everything that must survive a longjmp lives outside the protected block.
    QImage *obraz = new QImage;
    std::vector<JSAMPLE> *wiersz = new std::vector<JSAMPLE>;
    auto sprzataj = [&] {
        jpeg_destroy_decompress(&cinfo);
        delete wiersz;
    };

    if (setjmp(obsluga.powrot)) {
        if (blad)
            *blad = QString::fromLocal8Bit(obsluga.komunikat);
        sprzataj();
        delete obraz;
        return {};
    }

    jpeg_create_decompress(&cinfo);
    if (dane.isEmpty()) {
        if (blad)
            *blad = QStringLiteral("pusty plik");
        sprzataj();
        delete obraz;
        return {};
    }
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(dane.constData()),
                 static_cast<unsigned long>(dane.size()));
    jpeg_read_header(&cinfo, TRUE);

    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    const bool szary = cinfo.jpeg_color_space == JCS_GRAYSCALE;
    cinfo.out_color_space = cmyk ? JCS_CMYK : szary ? JCS_GRAYSCALE : JCS_RGB;

    if (static_cast<qint64>(cinfo.image_width) * cinfo.image_height > MaksLiczbaPikseli) {
        if (blad)
            *blad = QStringLiteral("obraz %1 × %2 pikseli jest zbyt duży").arg(cinfo.image_width).arg(cinfo.image_height);
        sprzataj();
        delete obraz;
        return {};
    }

    jpeg_start_decompress(&cinfo);
    const int szer = static_cast<int>(cinfo.output_width);
    const int wys = static_cast<int>(cinfo.output_height);
    const int kanaly = cinfo.output_components;
    *obraz = QImage(szer, wys, szary ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (obraz->isNull()) {
        if (blad)
            *blad = QStringLiteral("brak pamięci na obraz %1 × %2 pikseli").arg(szer).arg(wys);
        jpeg_abort_decompress(&cinfo);
        sprzataj();
        delete obraz;
        return {};
    }
    // Editors that write an Adobe marker store CMYK inverted (0 = full ink).
    const bool odwrocone = cinfo.saw_Adobe_marker;
    wiersz->resize(static_cast<size_t>(szer) * kanaly);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = static_cast<int>(cinfo.output_scanline);
        JSAMPROW w = wiersz->data();
        jpeg_read_scanlines(&cinfo, &w, 1);
        uchar *cel = obraz->scanLine(y);
        if (!cmyk) {
            std::copy(wiersz->begin(), wiersz->begin() + static_cast<ptrdiff_t>(szer) * kanaly, cel);
            continue;
        }
        for (int x = 0; x < szer; ++x) {
            const JSAMPLE *p = wiersz->data() + x * 4;
            int c = p[0], m = p[1], yy = p[2], k = p[3];
            if (!odwrocone) {
                c = 255 - c;
                m = 255 - m;
                yy = 255 - yy;
                k = 255 - k;
            }
            cel[x * 3] = skladowa(c, k);
            cel[x * 3 + 1] = skladowa(m, k);
            cel[x * 3 + 2] = skladowa(yy, k);
        }
    }
    jpeg_finish_decompress(&cinfo);
    sprzataj();
    QImage wynik = std::move(*obraz);
    delete obraz;
    return wynik;
}

QImage wczytajJpeg(const QString &sciezka, QString *blad)
{
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly)) {
        if (blad)
            *blad = f.errorString();
        return {};
    }
    return dekodujJpeg(f.readAll(), blad);
}

} // namespace tremida::gui
