// Fitting a picture or a film into a viewer's frame by its height-to-width ratio.

#include "store/Dopasowanie.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace tremida;

Q_DECLARE_METATYPE(tremida::Prostokat)

namespace {
const Prostokat RamkaObrazu{24, 24, 929, 521};
const Prostokat RamkaFilmu{24, 24, 929, 497};
} // namespace

class TstDopasowanie : public QObject {
    Q_OBJECT
private slots:
    void dopasowanie_data()
    {
        QTest::addColumn<Prostokat>("ramka");
        QTest::addColumn<double>("stosunek");
        QTest::addColumn<Prostokat>("oczekiwany");
        // 0,5 × 929 = 464,5 rounds to the even 464; (521 − 464) / 2 = 28 below the top.
        QTest::newRow("half ratio rounds to even, centred vertically")
            << RamkaObrazu << 0.5 << Prostokat{24, 52, 929, 464};
        QTest::newRow("square centred horizontally") << RamkaObrazu << 1.0 << Prostokat{228, 24, 521, 521};
        QTest::newRow("ratio of the frame fills it") << RamkaObrazu << 521.0 / 929.0 << RamkaObrazu;
        // 521 / 2 = 260,5 rounds to 260; (929 − 260) / 2 = 334 truncated.
        QTest::newRow("tall picture, width half to even") << RamkaObrazu << 2.0 << Prostokat{358, 24, 260, 521};
        // 497 / 0,75 = 662,67 rounds to 663; (929 − 663) / 2 = 133.
        QTest::newRow("film frame, 4:3 screen") << RamkaFilmu << 0.75 << Prostokat{157, 24, 663, 497};
        // 3 × 0,5 = 1,5 rounds up to the even 2; (10 − 2) / 2 = 4.
        QTest::newRow("half rounds up to even") << Prostokat{0, 0, 3, 10} << 0.5 << Prostokat{0, 4, 3, 2};
        QTest::newRow("wide strip") << RamkaObrazu << 0.01 << Prostokat{24, 280, 929, 9};
        QTest::newRow("zero ratio keeps the frame") << RamkaObrazu << 0.0 << RamkaObrazu;
        QTest::newRow("negative ratio keeps the frame") << RamkaObrazu << -1.0 << RamkaObrazu;
        QTest::newRow("NaN keeps the frame") << RamkaObrazu << std::nan("") << RamkaObrazu;
        QTest::newRow("infinite ratio keeps the frame")
            << RamkaObrazu << std::numeric_limits<double>::infinity() << RamkaObrazu;
        QTest::newRow("huge ratio keeps one pixel") << RamkaObrazu << 1e9 << Prostokat{488, 24, 1, 521};
        QTest::newRow("tiny ratio keeps one pixel") << RamkaObrazu << 1e-9 << Prostokat{24, 284, 929, 1};
    }
    void dopasowanie()
    {
        QFETCH(Prostokat, ramka);
        QFETCH(double, stosunek);
        QFETCH(Prostokat, oczekiwany);
        const Prostokat r = dopasujDoRamki(ramka, stosunek);
        QCOMPARE(QList<int>({r.lewo, r.gora, r.szerokosc, r.wysokosc}),
                 QList<int>({oczekiwany.lewo, oczekiwany.gora, oczekiwany.szerokosc, oczekiwany.wysokosc}));
    }

    void zaokraglanie_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("wynik");
        QTest::newRow("0,5 down to 0") << 0.5 << 0;
        QTest::newRow("1,5 up to 2") << 1.5 << 2;
        QTest::newRow("2,5 down to 2") << 2.5 << 2;
        QTest::newRow("464,5 down to 464") << 464.5 << 464;
        QTest::newRow("465,5 up to 466") << 465.5 << 466;
        QTest::newRow("2,4999 down") << 2.4999 << 2;
        QTest::newRow("2,5001 up") << 2.5001 << 3;
        QTest::newRow("-1,5 to -2") << -1.5 << -2;
        QTest::newRow("-0,5 to 0") << -0.5 << 0;
        QTest::newRow("beyond int saturates") << 1e12 << std::numeric_limits<int>::max();
    }
    void zaokraglanie()
    {
        QFETCH(double, x);
        QFETCH(int, wynik);
        QCOMPARE(zaokraglijDoParzystej(x), wynik);
    }
};

QTEST_GUILESS_MAIN(TstDopasowanie)
#include "tst_dopasowanie.moc"
