// The libjpeg decoder of the picture viewer: colour spaces (CMYK included), damaged files,
// and silence on standard error.

#include "store/DekoderJpeg.h"

#include <QColor>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <jpeglib.h>
#include <unistd.h>
#include <vector>

using namespace tremida::gui;

namespace {

// A small encoder: `piksel` gives the components of one pixel (the same for the whole
// picture). For CMYK `adobe` chooses whether the Adobe marker is written.
QByteArray zakoduj(int szer, int wys, J_COLOR_SPACE przestrzen, std::vector<JSAMPLE> piksel, bool adobe = true)
{
    jpeg_compress_struct c{};
    jpeg_error_mgr bledy{};
    c.err = jpeg_std_error(&bledy);
    jpeg_create_compress(&c);
    unsigned char *bufor = nullptr;
    unsigned long rozmiar = 0;
    jpeg_mem_dest(&c, &bufor, &rozmiar);
    c.image_width = static_cast<JDIMENSION>(szer);
    c.image_height = static_cast<JDIMENSION>(wys);
    c.input_components = static_cast<int>(piksel.size());
    c.in_color_space = przestrzen;
    jpeg_set_defaults(&c);
    jpeg_set_colorspace(&c, przestrzen == JCS_RGB ? JCS_YCbCr : przestrzen);
    c.write_Adobe_marker = adobe ? TRUE : FALSE;
    jpeg_set_quality(&c, 95, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<JSAMPLE> wiersz;
    for (int x = 0; x < szer; ++x)
        wiersz.insert(wiersz.end(), piksel.begin(), piksel.end());
    while (c.next_scanline < c.image_height) {
        JSAMPROW w = wiersz.data();
        jpeg_write_scanlines(&c, &w, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    QByteArray wynik(reinterpret_cast<const char *>(bufor), static_cast<qsizetype>(rozmiar));
    free(bufor);
    return wynik;
}

// Runs `f` with standard error redirected and returns what was written there.
template <typename F> QByteArray standardowyBlad(F f)
{
    QTemporaryFile plik;
    if (!plik.open())
        return "cannot capture";
    std::fflush(stderr);
    const int kopia = dup(2);
    dup2(plik.handle(), 2);
    f();
    std::fflush(stderr);
    dup2(kopia, 2);
    close(kopia);
    plik.seek(0);
    return plik.readAll();
}

bool bliski(QColor a, QColor b, int tolerancja = 10)
{
    return qAbs(a.red() - b.red()) <= tolerancja && qAbs(a.green() - b.green()) <= tolerancja
           && qAbs(a.blue() - b.blue()) <= tolerancja;
}

} // namespace

class TstJpeg : public QObject {
    Q_OBJECT
private slots:
    void kolory_data()
    {
        QTest::addColumn<QByteArray>("dane");
        QTest::addColumn<QColor>("kolor");
        QTest::addColumn<bool>("szary");
        QTest::newRow("RGB picture") << zakoduj(16, 8, JCS_RGB, {200, 30, 60}) << QColor(200, 30, 60) << false;
        QTest::newRow("grey picture") << zakoduj(16, 8, JCS_GRAYSCALE, {128}) << QColor(128, 128, 128) << true;
        // With an Adobe marker editors store CMYK inverted: 255 means no ink.
        QTest::newRow("CMYK inverted red") << zakoduj(16, 8, JCS_CMYK, {255, 0, 0, 255}) << QColor(255, 0, 0) << false;
        QTest::newRow("CMYK inverted black") << zakoduj(16, 8, JCS_CMYK, {255, 255, 255, 0}) << QColor(0, 0, 0)
                                             << false;
        QTest::newRow("CMYK plain green (no Adobe marker)")
            << zakoduj(16, 8, JCS_CMYK, {255, 0, 255, 0}, false) << QColor(0, 255, 0) << false;
        QTest::newRow("CMYK plain half grey key")
            << zakoduj(16, 8, JCS_CMYK, {0, 0, 0, 128}, false) << QColor(127, 127, 127) << false;
    }
    void kolory()
    {
        QFETCH(QByteArray, dane);
        QFETCH(QColor, kolor);
        QFETCH(bool, szary);
        QImage obraz;
        QString blad;
        const QByteArray err = standardowyBlad([&] { obraz = dekodujJpeg(dane, &blad); });
        QVERIFY2(!obraz.isNull(), qPrintable(blad));
        QCOMPARE(obraz.size(), QSize(16, 8));
        QCOMPARE(obraz.format() == QImage::Format_Grayscale8, szary);
        QVERIFY2(bliski(obraz.pixelColor(5, 3), kolor), qPrintable(obraz.pixelColor(5, 3).name()));
        QCOMPARE(err, QByteArray());
    }

    void zleDane_data()
    {
        QTest::addColumn<QByteArray>("dane");
        const QByteArray dobry = zakoduj(64, 64, JCS_RGB, {10, 20, 30});
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a JPEG") << QByteArray("BM this is no picture at all, just text");
        QTest::newRow("header cut short") << dobry.left(30);
    }
    void zleDane()
    {
        QFETCH(QByteArray, dane);
        QImage obraz;
        QString blad;
        const QByteArray err = standardowyBlad([&] { obraz = dekodujJpeg(dane, &blad); });
        QVERIFY(obraz.isNull());
        QVERIFY(!blad.isEmpty());
        QCOMPARE(err, QByteArray());
    }

    // A stream cut inside the picture data is shown as far as it goes, silently.
    void uciety()
    {
        const QByteArray dobry = zakoduj(64, 64, JCS_RGB, {10, 20, 30});
        QImage obraz;
        const QByteArray err = standardowyBlad([&] { obraz = dekodujJpeg(dobry.left(dobry.size() - 20)); });
        QCOMPARE(obraz.size(), QSize(64, 64));
        QCOMPARE(err, QByteArray());
    }

    void brakPliku()
    {
        QString blad;
        QVERIFY(wczytajJpeg(QStringLiteral("/nonexistent/picture.jpg"), &blad).isNull());
        QVERIFY(!blad.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstJpeg)
#include "tst_jpeg.moc"
