// The picture and film viewers: fitting, decoding, the checks and messages of a chosen
// file, stepping through an element's files, the buttons and the colours.

#include "DialogiTestowe.h"
#include "Pomocnicze.h"
#include "WierszeLogiczne.h"
#include "app/KontekstAplikacji.h"
#include "store/Ilustracje.h"
#include "store/TFormWizFilm.h"
#include "store/TFormWizGraf.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVideoSink>
#include <QVideoWidget>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

namespace {

const QString Obraz = QStringLiteral("obraz graficzny/zdjecie fotograficzne");
const QString Film = QStringLiteral("film");

// Fact 10: two pictures and one film between them; fact 20: one picture; fact 30: three
// pictures; rule 10: a picture that must not be counted for fact 10.
const char *Multimedia = R"({"plikimultimedialne": [
 {"IdPlikMult": 1, "NazwaPliku": "a.bmp", "RodzajPliku": "obraz graficzny/zdjecie fotograficzne",
  "StosWysDoSzer": 0.5, "CoPlikIlustr": "fakt", "KodElemIlustr": 10, "Podpis": "Pierwszy"},
 {"IdPlikMult": 2, "NazwaPliku": "r.avi", "RodzajPliku": "film", "StosWysDoSzer": 0.75,
  "CoPlikIlustr": "fakt", "KodElemIlustr": 10, "Podpis": "Film"},
 {"IdPlikMult": 3, "NazwaPliku": "b.jpg", "RodzajPliku": "obraz graficzny/zdjecie fotograficzne",
  "StosWysDoSzer": 1, "CoPlikIlustr": "fakt", "KodElemIlustr": 10, "Podpis": "Drugi"},
 {"IdPlikMult": 4, "NazwaPliku": "a.bmp", "RodzajPliku": "obraz graficzny/zdjecie fotograficzne",
  "StosWysDoSzer": 2, "CoPlikIlustr": "regula", "KodElemIlustr": 10, "Podpis": "Reguły"}
]})";

struct Srodowisko {
    FolderRoboczy folder;
    KontekstAplikacji k;
    // The messages go to `komunikaty`.
    explicit Srodowisko(QStringList &komunikaty) : k(folder.sciezka(), std::make_unique<DialogiTestowe>(komunikaty))
    {
        k.baza.otworz(folder.sciezka());
        zalozWszystkieTabele(k.baza);
        importuj(k.baza, QString::fromUtf8(Multimedia));
        QImage obraz(40, 20, QImage::Format_RGB32);
        obraz.fill(Qt::darkCyan);
        obraz.save(folder.plik(QStringLiteral("a.bmp")), "BMP");
        obraz.save(folder.plik(QStringLiteral("b.jpg")), "JPG");
        obraz.save(folder.plik(QStringLiteral("C.JPG")), "JPG");
        folder.zapisz(QStringLiteral("zly.jpg"), "\xFF\xD8\xFF garbage");
        folder.zapisz(QStringLiteral("zly.bmp"), "BM garbage");
        folder.zapisz(QStringLiteral("zly.avi"), "RIFF....AVI garbage");
    }
};

QRect prostokat(int l, int g, int s, int w) { return QRect(l, g, s, w); }

// Makes an AVI film with gst-launch-1.0; empty when the tool is missing.
QString zrobFilm(const FolderRoboczy &f, const QString &nazwa, bool zDzwiekiem)
{
    const QString gst = QStandardPaths::findExecutable(QStringLiteral("gst-launch-1.0"));
    if (gst.isEmpty())
        return {};
    QStringList arg = {QStringLiteral("-q"), QStringLiteral("videotestsrc"), QStringLiteral("num-buffers=30"),
                       QStringLiteral("!"), QStringLiteral("video/x-raw,width=160,height=120,framerate=10/1"),
                       QStringLiteral("!"), QStringLiteral("jpegenc"), QStringLiteral("!"), QStringLiteral("mux.")};
    if (zDzwiekiem)
        arg << QStringLiteral("audiotestsrc") << QStringLiteral("num-buffers=30") << QStringLiteral("!")
            << QStringLiteral("audio/x-raw,rate=8000,channels=1") << QStringLiteral("!") << QStringLiteral("mux.");
    arg << QStringLiteral("avimux") << QStringLiteral("name=mux") << QStringLiteral("!") << QStringLiteral("filesink")
        << QStringLiteral("location=") + f.plik(nazwa);
    QProcess p;
    p.start(gst, arg);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return f.plik(nazwa);
}

// A file check before showing: the kind, the file name, whether its ratio is given and the
// one message expected.
struct KontrolaPliku {
    QString rodzaj, nazwa;
    bool zeStosunkiem;
    QString komunikat;
};

// Moves through the pictures of a fact: the state before the first move and after each.
struct Krokowanie {
    int kodFaktu;
    QString ruchy, liczbaPlikow, poczatek;
    QStringList stany;
};

} // namespace

Q_DECLARE_METATYPE(KontrolaPliku)
Q_DECLARE_METATYPE(Krokowanie)

class TstGuiWiz : public QObject {
    Q_OBJECT
    QStringList m_komunikaty;

private slots:
    void init()
    {
        m_komunikaty.clear();
    }

    void obraz_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<double>("stosunek");
        QTest::addColumn<QRect>("miejsce");
        QTest::newRow("bitmap, ratio 0,5") << "a.bmp" << 0.5 << prostokat(24, 52, 929, 464);
        QTest::newRow("JPEG, ratio 1") << "b.jpg" << 1.0 << prostokat(228, 24, 521, 521);
        QTest::newRow("JPEG with upper-case extension") << "C.JPG" << 521.0 / 929.0 << prostokat(24, 24, 929, 521);
    }
    void obraz()
    {
        QFETCH(QString, nazwa);
        QFETCH(double, stosunek);
        QFETCH(QRect, miejsce);
        Srodowisko s(m_komunikaty);
        QVERIFY(PokazObraz(s.k, nazwa, stosunek, QStringLiteral("Podpis obrazu")));
        TFormWizGraf &w = formWizGraf(s.k);
        QCOMPARE(w.windowTitle(), QStringLiteral("WIZUALIZACJA OBRAZU GRAFICZNEGO/ZDJĘCIA FOTOGRAFICZNEGO"));
        QVERIFY(w.isVisible());
        QVERIFY(w.obraz()->isVisible());
        QCOMPARE(w.obraz()->geometry(), miejsce);
        QCOMPARE(w.obraz()->pixmap().size(), QSize(40, 20));
        QCOMPARE(w.polePodpisu()->toPlainText(), QStringLiteral("Podpis obrazu"));
        QCOMPARE(m_komunikaty, QStringList());
        w.przyciskOK()->click();
        QVERIFY(!w.isVisible());
    }

    void obrazNiePokazany_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QString>("poczatek");
        QTest::newRow("missing file") << "brak.jpg"
                                      << "Stwierdzono brak na dysku pliku brak.jpg do wizualizacji.\n\rOpcja nie "
                                         "zostanie zrealizowana.";
        QTest::newRow("damaged JPEG") << "zly.jpg" << "Pliku zly.jpg nie można wyświetlić jako obrazu";
        QTest::newRow("damaged bitmap") << "zly.bmp" << "Pliku zly.bmp nie można wyświetlić jako obrazu";
    }
    void obrazNiePokazany()
    {
        QFETCH(QString, nazwa);
        QFETCH(QString, poczatek);
        Srodowisko s(m_komunikaty);
        QVERIFY(!PokazObraz(s.k, nazwa, 1.0, QString()));
        QCOMPARE(m_komunikaty.size(), 1);
        QVERIFY2(m_komunikaty[0].startsWith(poczatek), qPrintable(m_komunikaty[0]));
        QVERIFY(m_komunikaty[0].endsWith(QStringLiteral("\n\rOpcja nie zostanie zrealizowana.")));
        QVERIFY(!formWizGraf(s.k).isVisible());
        // Over a picture already shown: the viewer keeps that picture with its caption.
        QVERIFY(PokazObraz(s.k, QStringLiteral("a.bmp"), 0.5, QStringLiteral("Poprzedni")));
        QVERIFY(!PokazObraz(s.k, nazwa, 1.0, QStringLiteral("Nowy")));
        QCOMPARE(formWizGraf(s.k).polePodpisu()->toPlainText(), QStringLiteral("Poprzedni"));
        QCOMPARE(formWizGraf(s.k).obraz()->geometry(), prostokat(24, 52, 929, 464));
    }

    void kontrolePliku_data()
    {
        QTest::addColumn<KontrolaPliku>("p");
        QTest::newRow("picture without name") << KontrolaPliku{.rodzaj = Obraz, .nazwa = "", .zeStosunkiem = false,
            .komunikat = "Nazwa pliku graficznego/zdjęcia nie została określona. Opcja nie zostanie zrealizowana."};
        QTest::newRow("picture without ratio") << KontrolaPliku{.rodzaj = Obraz, .nazwa = "a.bmp",
            .zeStosunkiem = false, .komunikat = "Wymiary (stosunek wysokości do szerokości) pliku graficznego/zdjęcia "
                                                "nie zostały określone. Opcja nie zostanie zrealizowana."};
        QTest::newRow("picture file missing") << KontrolaPliku{.rodzaj = Obraz, .nazwa = "x.bmp", .zeStosunkiem = true,
            .komunikat = "Stwierdzono brak na dysku pliku x.bmp do wizualizacji.\n\rOpcja nie zostanie zrealizowana."};
        QTest::newRow("film without name") << KontrolaPliku{.rodzaj = Film, .nazwa = "", .zeStosunkiem = true,
            .komunikat = "Nazwa pliku filmu nie została określona. Opcja nie zostanie zrealizowana."};
        QTest::newRow("film without ratio") << KontrolaPliku{.rodzaj = Film, .nazwa = "r.avi", .zeStosunkiem = false,
            .komunikat = "Wymiary (stosunek wysokości do szerokości) ekranu filmu nie zostały określone. Opcja nie "
                         "zostanie zrealizowana."};
        QTest::newRow("film file missing") << KontrolaPliku{.rodzaj = Film, .nazwa = "r.avi", .zeStosunkiem = true,
            .komunikat = "Stwierdzono brak na dysku pliku filmu r.avi do odtworzenia.\n\rOpcja nie zostanie "
                         "zrealizowana."};
    }
    void kontrolePliku()
    {
        QFETCH(KontrolaPliku, p);
        Srodowisko s(m_komunikaty);
        const std::optional<double> stosunek = p.zeStosunkiem ? std::optional<double>(1.0) : std::nullopt;
        QVERIFY(!pokazPlikIlustracji(s.k, p.nazwa, stosunek, QString(), p.rodzaj));
        QCOMPARE(m_komunikaty, QStringList{p.komunikat});
    }

    // Moves through the pictures of an element: "+" next, "-" previous. After each move:
    // the caption of the picture shown, the next button's caption (empty when hidden) and
    // whether the previous button is visible.
    void krokowanie_data()
    {
        QTest::addColumn<Krokowanie>("p");
        QTest::newRow("two pictures with a film between") << Krokowanie{.kodFaktu = 10, .ruchy = "++-",
            .liczbaPlikow = "2", .poczatek = "Pokaż pierwszy obraz/zdjęcie",
            .stany = {"Pierwszy|Pokaż następny obraz/zdjęcie|nie", "Drugi||tak",
                      "Pierwszy|Pokaż następny obraz/zdjęcie|nie"}};
        QTest::newRow("one picture shown again and again") << Krokowanie{.kodFaktu = 20, .ruchy = "+++",
            .liczbaPlikow = "1", .poczatek = "Pokaż obraz/zdjęcie",
            .stany = {"Jedyny|Pokaż obraz/zdjęcie|nie", "Jedyny|Pokaż obraz/zdjęcie|nie",
                      "Jedyny|Pokaż obraz/zdjęcie|nie"}};
        QTest::newRow("three pictures to the end and back") << Krokowanie{.kodFaktu = 30, .ruchy = "+++--",
            .liczbaPlikow = "3", .poczatek = "Pokaż pierwszy obraz/zdjęcie",
            .stany = {"1|Pokaż następny obraz/zdjęcie|nie", "2|Pokaż następny obraz/zdjęcie|tak", "3||tak",
                      "2|Pokaż następny obraz/zdjęcie|tak", "1|Pokaż następny obraz/zdjęcie|nie"}};
    }
    void krokowanie()
    {
        QFETCH(Krokowanie, p);
        Srodowisko s(m_komunikaty);
        importuj(s.k.baza, QStringLiteral(R"({"plikimultimedialne": [
 {"IdPlikMult": 5, "NazwaPliku": "b.jpg", "RodzajPliku": "obraz graficzny/zdjecie fotograficzne",
  "StosWysDoSzer": 1, "CoPlikIlustr": "fakt", "KodElemIlustr": 20, "Podpis": "Jedyny"},
 {"IdPlikMult": 6, "NazwaPliku": "a.bmp", "RodzajPliku": "obraz graficzny/zdjecie fotograficzne",
  "StosWysDoSzer": 1, "CoPlikIlustr": "fakt", "KodElemIlustr": 30, "Podpis": "1"},
 {"IdPlikMult": 7, "NazwaPliku": "a.bmp", "RodzajPliku": "obraz graficzny/zdjecie fotograficzne",
  "StosWysDoSzer": 1, "CoPlikIlustr": "fakt", "KodElemIlustr": 30, "Podpis": "2"},
 {"IdPlikMult": 8, "NazwaPliku": "a.bmp", "RodzajPliku": "obraz graficzny/zdjecie fotograficzne",
  "StosWysDoSzer": 1, "CoPlikIlustr": "fakt", "KodElemIlustr": 30, "Podpis": "3"}]})"));
        QPushButton nastepny, poprzedni;
        QLineEdit liczba;
        TPrzyciskiIlustracji przyciski(s.k, Obraz, &nastepny, &poprzedni, &liczba);
        przyciski.ustawElement(p.kodFaktu, QStringLiteral("fakt"));
        QCOMPARE(nastepny.text(), p.poczatek);
        QVERIFY(!nastepny.isHidden());
        QVERIFY(poprzedni.isHidden());
        QCOMPARE(liczba.text(), p.liczbaPlikow);
        QStringList wynik;
        for (QChar r : p.ruchy) {
            QPushButton &b = r == u'+' ? nastepny : poprzedni;
            QVERIFY2(!b.isHidden(), qPrintable(QString(r)));
            b.click();
            wynik << formWizGraf(s.k).polePodpisu()->toPlainText() + u'|'
                         + (nastepny.isHidden() ? QString() : nastepny.text()) + u'|'
                         + (poprzedni.isHidden() ? QStringLiteral("nie") : QStringLiteral("tak"));
            if (!poprzedni.isHidden())
                QCOMPARE(poprzedni.text(), QStringLiteral("Pokaż poprzedni obraz/zdjęcie"));
        }
        QCOMPARE(wynik, p.stany);
        QCOMPARE(m_komunikaty, QStringList());
    }

    // A failed check keeps the new position and leaves the buttons as they were.
    void krokZBledem()
    {
        Srodowisko s(m_komunikaty);
        QPushButton nastepny, poprzedni;
        QLineEdit liczba;
        TPrzyciskiIlustracji przyciski(s.k, Film, &nastepny, &poprzedni, &liczba);
        przyciski.ustawElement(10, QStringLiteral("fakt"));
        QCOMPARE(liczba.text(), QStringLiteral("1"));
        QCOMPARE(nastepny.text(), QStringLiteral("Pokaż film"));
        nastepny.click();
        QCOMPARE(m_komunikaty, QStringList{"Stwierdzono brak na dysku pliku filmu r.avi do odtworzenia.\n\rOpcja nie "
                                           "zostanie zrealizowana."});
        QCOMPARE(przyciski.krok().pozycja(), 1);
        QCOMPARE(nastepny.text(), QStringLiteral("Pokaż film"));
        QVERIFY(!nastepny.isHidden());
        QVERIFY(poprzedni.isHidden());
        przyciski.wyczysc();
        QCOMPARE(liczba.text(), QStringLiteral("0"));
        QVERIFY(nastepny.isHidden());
        // No film at position 2: nothing shown, nothing said.
        m_komunikaty.clear();
        QVERIFY(!pokazPlikElementu(s.k, 10, QStringLiteral("fakt"), Film, 2));
        QCOMPARE(m_komunikaty, QStringList());
    }

    void pomocIKolory()
    {
        Srodowisko s(m_komunikaty);
        QStringList strony;
        s.k.pokazStroneInstrukcji = [&](const QString &st) { strony << st; };
        formWizGraf(s.k).przyciskPomoc()->click();
        formWizFilm(s.k).przyciskPomoc()->click();
        QCOMPARE(strony, QStringList({"10.1", "10.1"}));

        s.k.konfig.KolCzcBier = 32768;  // zielony
        s.k.konfig.KolTlaBier = 65535;  // zolty
        s.k.konfig.KolCzcPomoc = 128;   // kasztanowaty
        s.k.zastosujKoloryWszedzie();
        for (QPlainTextEdit *memo : {formWizGraf(s.k).polePodpisu(), formWizFilm(s.k).polePodpisu()}) {
            QCOMPARE(memo->palette().color(QPalette::Text), QColor(0, 128, 0));
            QCOMPARE(memo->palette().color(QPalette::Base), QColor(255, 255, 0));
        }
        QCOMPARE(formWizFilm(s.k).przyciskOK()->palette().color(QPalette::ButtonText), QColor(128, 0, 0));
    }

    void film_data()
    {
        wierszeLogiczne("zDzwiekiem", {{"picture only", false}, {"with sound", true}});
    }
    void film()
    {
        QFETCH(bool, zDzwiekiem);
        Srodowisko s(m_komunikaty);
        if (zrobFilm(s.folder, QStringLiteral("r.avi"), zDzwiekiem).isEmpty())
            QSKIP("gst-launch-1.0 is not installed or cannot make an AVI film here");
        const bool pokazany = PokazFilm(s.k, QStringLiteral("r.avi"), 0.75, QStringLiteral("Podpis filmu"));
        if (!pokazany && !m_komunikaty.isEmpty() && m_komunikaty[0].startsWith(QStringLiteral("Pliku filmu")))
            QSKIP(qPrintable(QStringLiteral("this machine cannot play AVI films: ") + m_komunikaty[0]));
        QVERIFY2(pokazany, qPrintable(m_komunikaty.join(u'\n')));
        TFormWizFilm &w = formWizFilm(s.k);
        QCOMPARE(w.windowTitle(), QStringLiteral("WIZUALIZACJA FILMU"));
        QVERIFY(w.isVisible());
        QCOMPARE(w.ekran()->geometry(), prostokat(157, 24, 663, 497));
        QCOMPARE(w.polePodpisu()->toPlainText(), QStringLiteral("Podpis filmu"));
        // 30 frames at 10 per second: three seconds.
        QVERIFY2(qAbs(w.pasekPostepu()->maximum() - 3000) <= 200, qPrintable(QString::number(w.pasekPostepu()->maximum())));
        QCOMPARE(w.pasekPostepu()->value(), 0);
        QVERIFY(w.zegarPostepu()->isActive());
        QCOMPARE(w.zegarPostepu()->interval(), 1000);

        QSignalSpy klatki(w.ekran()->videoSink(), &QVideoSink::videoFrameChanged);
        w.przyciskOdtworz()->click();
        QTRY_VERIFY_WITH_TIMEOUT(w.pasekPostepu()->value() > 0, 5000);
        QVERIFY(!klatki.isEmpty());
        w.przyciskOK()->click();
        QVERIFY(!w.isVisible());
        QVERIFY(!w.zegarPostepu()->isActive());
        QCOMPARE(m_komunikaty, QStringList());
    }

    void filmUszkodzony()
    {
        Srodowisko s(m_komunikaty);
        QVERIFY(!PokazFilm(s.k, QStringLiteral("zly.avi"), 0.75, QString()));
        QCOMPARE(m_komunikaty.size(), 1);
        QVERIFY2(m_komunikaty[0].startsWith(QStringLiteral("Pliku filmu zly.avi nie można odtworzyć")),
                 qPrintable(m_komunikaty[0]));
        QVERIFY(!formWizFilm(s.k).isVisible());
        QVERIFY(!formWizFilm(s.k).zegarPostepu()->isActive());
    }
};

QTEST_MAIN(TstGuiWiz)
#include "tst_gui_wiz.moc"
