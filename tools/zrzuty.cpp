// Saves screenshots of the program's windows as PNG files into the folder given as the
// first argument (default: docs/img). Run it under xvfb-run; the windows work on a
// temporary folder with empty tables.

#include "app/Komunikat.h"
#include "app/TFormGlowne.h"
#include "app/TFormKonfig.h"
#include "app/TFormOProgramie.h"
#include "app/TFormOstrzTab.h"
#include "inference/TFormCzytFakt.h"
#include "inference/TFormCzytFaktWnios.h"
#include "inference/TFormFalsHip.h"
#include "inference/TFormMetodyWnios.h"
#include "inference/TFormRealizWnios.h"
#include "inference/TFormWizKonkl.h"
#include "inference/TFormWybSyst.h"
#include "inference/TWnioskowanie.h"
#include "inference/DostepWnios.h"
#include "store/Ilustracje.h"
#include "store/Wymiana.h"
#include "verify/TFormKontrSpojn.h"
#include "verify/TFormWeryf.h"
#include "store/TFormWizFilm.h"
#include "store/TFormWizGraf.h"
#include "rules/TFormEdytorReg.h"
#include "rules/TFormKartaReg.h"
#include "rules/TFormTabReg.h"
#include "rules/TFormTabStale.h"
#include "store/TFormTabFakt.h"
#include "store/TFormTabPlikMult.h"
#include "store/TFormTabSyst.h"
#include "store/TFormTabTraj.h"
#include "store/TFormTabWartFaktWylicz.h"
#include "store/TFormWizWartFaktWylicz.h"
#include "store/Wymiana.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QLinearGradient>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tremida;
using namespace tremida::gui;

namespace {

void zapisz(QWidget *w, const QString &folder, const QString &nazwa)
{
    w->show();
    QTest::qWait(300);
    const QString plik = QDir(folder).filePath(nazwa + QStringLiteral(".png"));
    if (!w->grab().save(plik))
        qWarning("Nie można zapisać %s", qPrintable(plik));
    else
        qInfo("%s", qPrintable(plik));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/img");
    QDir().mkpath(folder);
    QTemporaryDir dane;
    ustawPrzechwytKomunikatow([](const QString &) {});
    TFormGlowne glowne(dane.path());
    for (Tabela t : WszystkieTabele)
        glowne.kontekst().baza.zalozTabele(t, false);
    glowne.resize(1000, 640);
    zapisz(&glowne, folder, QStringLiteral("okno-glowne"));

    // The table windows over a small knowledge base.
    QString bladImportu;
    importujJson(glowne.kontekst().baza, QByteArrayLiteral(R"({
      "systemyeksperckie": [{"IdSyst": 1, "NazSyst": "Kotły parowe", "OpisSyst": "Diagnoza usterek kotła"}],
      "fakty": [
        {"IdFakt": 1, "KodSyst": 1, "NazFakt": "kolor płomienia", "RodzFakt": "wprowadzany", "TypFakt": "wyliczeniowy",
         "CzyWielWart": "nie", "LiczWart": 2, "PytFakt": "Jaki jest kolor płomienia?"},
        {"IdFakt": 2, "KodSyst": 1, "NazFakt": "temperatura pary", "RodzFakt": "wprowadzany", "TypFakt": "rzeczywisty",
         "WartFakt": "312,5", "CFWartFakt": 0.9}],
      "wartoscifaktowwyliczeniowych": [
        {"IdWartFaktWylicz": 1, "KodFakt": 1, "WartFaktWylicz": "niebieski", "CzyFaktMaWartAkt": "tak", "CFWartFaktWyliczAkt": 0.8},
        {"IdWartFaktWylicz": 2, "KodFakt": 1, "WartFaktWylicz": "żółty", "CzyFaktMaWartAkt": "nie", "CFWartFaktWyliczAkt": 0}],
      "stale": [{"IdStala": 1, "KodSyst": 1, "NazStala": "próg", "RodzStala": "obliczana", "TypStala": "rzeczywista",
         "WartStalaProsta": "0", "KodArgStala": 2, "WartParAStala": "1,5", "WartParBStala": "-2", "DataRek": "1"}],
      "plikimultimedialne": [{"IdPlikMult": 1, "NazwaPliku": "kociol.jpg", "RodzajPliku": "obraz graficzny/zdjecie fotograficzne",
         "StosWysDoSzer": 0.75, "CoPlikIlustr": "fakt", "KodElemIlustr": 2, "Podpis": "Kocioł"}]
    })"), &bladImportu);
    glowne.formTabSyst()->otworz();
    zapisz(glowne.formTabSyst(), folder, QStringLiteral("tabela-systemow"));
    glowne.formTabSyst()->hide();
    glowne.formTabFakt()->otworz();
    zapisz(glowne.formTabFakt(), folder, QStringLiteral("tabela-faktow"));
    glowne.formTabFakt()->hide();
    glowne.formTabWartFaktWylicz()->otworz();
    zapisz(glowne.formTabWartFaktWylicz(), folder, QStringLiteral("tabela-wartosci"));
    glowne.formTabWartFaktWylicz()->hide();
    glowne.formTabStale()->otworz();
    zapisz(glowne.formTabStale(), folder, QStringLiteral("tabela-stalych"));
    glowne.formTabStale()->hide();
    glowne.formTabPlikMult()->otworz();
    zapisz(glowne.formTabPlikMult(), folder, QStringLiteral("tabela-plikow"));
    glowne.formTabPlikMult()->hide();
    importujJson(glowne.kontekst().baza, QByteArrayLiteral(R"({
      "reguly": [{"IdReg": 1, "KodSyst": 1, "NazReg": "płomień niebieski", "PozReg": 1, "KierWniReg": "oba", "CFReg": 0.8,
         "PrzesReg": "[kolor płomienia]=[niebieski] AND\n[temperatura pary]>=[próg]", "KonklReg": "[temperatura pary]=[350]",
         "OpisKonklReg": "Spalanie prawidłowe", "InstrReg": "Utrzymuj dopływ powietrza", "OpisReg": "Instrukcja kotła",
         "CzyOdpal": "nie", "CFKonklReg": 0, "CzyBieUdzWeWnios": "tak"}],
      "trajektoria": [
        {"IdKrokTraj": 1, "KodSyst": 1, "KodRegTraj": 1, "PozRegTraj": 1, "IterRegTraj": 1, "KierWniTraj": "w przod",
         "CzyOdpalTraj": "nie", "PrzyczNieOdpalTraj": "Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe reguły zwraca wartość logiczną FALSE", "DataRek": "5.3.2024"},
        {"IdKrokTraj": 2, "KodSyst": 1, "KodRegTraj": 1, "PozRegTraj": 1, "IterRegTraj": 2, "KierWniTraj": "w przod",
         "CzyOdpalTraj": "tak", "CFKonklRegTraj": 0.72, "PrzyczNieOdpalTraj": "Reguła została \"odpalona\" w danym kroku trajektorii wnioskowania", "DataRek": "5.3.2024"}]
    })"), &bladImportu);
    glowne.formTabReg()->otworz();
    zapisz(glowne.formTabReg(), folder, QStringLiteral("tabela-regul"));
    glowne.formTabReg()->wywolajEdytor();
    zapisz(glowne.formTabReg()->edytor(), folder, QStringLiteral("edytor-reguly"));
    glowne.formTabReg()->edytor()->hide();
    glowne.formTabReg()->pokazKarte();
    zapisz(glowne.formTabReg()->karta(), folder, QStringLiteral("karta-reguly"));
    glowne.formTabReg()->karta()->hide();
    glowne.formTabReg()->hide();
    glowne.formTabTraj()->otworz();
    zapisz(glowne.formTabTraj(), folder, QStringLiteral("tabela-trajektorii"));
    glowne.formTabTraj()->hide();
    {
        TRekSyst s;
        s.IdSyst = 1;
        s.NazSyst = QStringLiteral("Kotły parowe");
        TRekFakt f;
        f.IdFakt = 1;
        f.NazFakt = QStringLiteral("kolor płomienia");
        TRekWartFaktWylicz a, b;
        a.IdWartFaktWylicz = 1;
        a.WartFaktWylicz = QStringLiteral("niebieski");
        a.CzyFaktMaWartAkt = QStringLiteral("tak");
        a.CFWartFaktWyliczAkt = 0.8;
        b.IdWartFaktWylicz = 2;
        b.WartFaktWylicz = QStringLiteral("żółty");
        b.CzyFaktMaWartAkt = QStringLiteral("nie");
        TFormWizWartFaktWyliczPosrLubKonc widok(glowne.kontekst());
        widok.pokazWartosci(s, f, {a, b});
        zapisz(&widok, folder, QStringLiteral("wartosci-faktu"));
    }

    TFormOstrzTab ostrzezenie(Tabela::Fakty, glowne.kontekst().konfig);
    zapisz(&ostrzezenie, folder, QStringLiteral("ostrzezenie"));
    TFormOProgramie oProgramie(glowne.kontekst().konfig);
    zapisz(&oProgramie, folder, QStringLiteral("o-programie"));

    TFormKonfig konfiguracja(glowne.kontekst());
    zapisz(&konfiguracja, folder, QStringLiteral("konfiguracja"));

    // A picture of ratio 0,75 and, where gst-launch-1.0 exists, a short film.
    QImage obraz(400, 300, QImage::Format_RGB32);
    {
        QPainter m(&obraz);
        QLinearGradient g(0, 0, 400, 300);
        g.setColorAt(0, QColor(30, 90, 160));
        g.setColorAt(1, QColor(220, 230, 240));
        m.fillRect(obraz.rect(), g);
        m.setPen(Qt::white);
        m.setFont(QFont(QStringLiteral("DejaVu Sans"), 28, QFont::Bold));
        m.drawText(obraz.rect(), Qt::AlignCenter, QStringLiteral("kocioł.jpg"));
    }
    obraz.save(QDir(dane.path()).filePath(QStringLiteral("kociol.jpg")), "JPG");
    ustawPrzechwytKomunikatow([](const QString &t) { qWarning("%s", qPrintable(t)); });
    if (PokazObraz(glowne.kontekst(), QStringLiteral("kociol.jpg"), 0.75,
                   QStringLiteral("Manometr kotła: odczytaj ciśnienie na skali zewnętrznej.")))
        zapisz(&formWizGraf(glowne.kontekst()), folder, QStringLiteral("wizualizacja-obrazu"));
    const QString gst = QStandardPaths::findExecutable(QStringLiteral("gst-launch-1.0"));
    if (!gst.isEmpty()
        && QProcess::execute(gst, {QStringLiteral("-q"), QStringLiteral("videotestsrc"), QStringLiteral("num-buffers=50"),
                                   QStringLiteral("!"), QStringLiteral("video/x-raw,width=320,height=240,framerate=10/1"),
                                   QStringLiteral("!"), QStringLiteral("jpegenc"), QStringLiteral("!"),
                                   QStringLiteral("avimux"), QStringLiteral("!"), QStringLiteral("filesink"),
                                   QStringLiteral("location=") + QDir(dane.path()).filePath(QStringLiteral("film.avi"))})
               == 0
        && PokazFilm(glowne.kontekst(), QStringLiteral("film.avi"), 0.75,
                     QStringLiteral("Kolejność czynności przy odpowietrzaniu instalacji."))) {
        TFormWizFilm &film = formWizFilm(glowne.kontekst());
        film.przyciskOdtworz()->click();
        QTest::qWait(2500);
        zapisz(&film, folder, QStringLiteral("wizualizacja-filmu"));
        film.hide();
    }

    // The inference windows on a small knowledge base.
    ustawPrzechwytKomunikatow([](const QString &) {});
    importujJson(glowne.kontekst().baza, R"({
      "systemyeksperckie": [{"IdSyst": 1, "NazSyst": "Kocioł parowy", "OpisSyst": "Diagnostyka kotła"}],
      "fakty": [
        {"IdFakt": 1, "KodSyst": 1, "NazFakt": "temperatura", "RodzFakt": "wprowadzany", "TypFakt": "rzeczywisty",
         "PytFakt": "Podaj temperaturę pary na wylocie kotła", "JedWartFakt": "°C", "WartFakt": "???", "CFWartFakt": 0},
        {"IdFakt": 2, "KodSyst": 1, "NazFakt": "kolor płomienia", "RodzFakt": "wprowadzany", "TypFakt": "wyliczeniowy",
         "CzyWielWart": "nie", "LiczWart": 3, "WartFakt": "???", "PytFakt": "Zaznacz kolor płomienia w palenisku"},
        {"IdFakt": 3, "KodSyst": 1, "NazFakt": "stan", "RodzFakt": "koncowy", "TypFakt": "wyliczeniowy",
         "CzyWielWart": "nie", "LiczWart": 2, "WartFakt": "???"}],
      "wartoscifaktowwyliczeniowych": [
        {"IdWartFaktWylicz": 1, "KodFakt": 2, "WartFaktWylicz": "czerwony", "CzyFaktMaWartAkt": "???", "CFWartFaktWyliczAkt": 0},
        {"IdWartFaktWylicz": 2, "KodFakt": 2, "WartFaktWylicz": "niebieski", "CzyFaktMaWartAkt": "???", "CFWartFaktWyliczAkt": 0},
        {"IdWartFaktWylicz": 3, "KodFakt": 2, "WartFaktWylicz": "żółty", "CzyFaktMaWartAkt": "???", "CFWartFaktWyliczAkt": 0},
        {"IdWartFaktWylicz": 4, "KodFakt": 3, "WartFaktWylicz": "zły", "CzyFaktMaWartAkt": "???", "CFWartFaktWyliczAkt": 0},
        {"IdWartFaktWylicz": 5, "KodFakt": 3, "WartFaktWylicz": "dobry", "CzyFaktMaWartAkt": "???", "CFWartFaktWyliczAkt": 0}],
      "reguly": [
        {"IdReg": 1, "KodSyst": 1, "NazReg": "Przegrzanie", "PozReg": 1, "KierWniReg": "oba", "CFReg": 0.9,
         "PrzesReg": "[temperatura]>[500]", "KonklReg": "[stan]=[zły]", "OpisKonklReg": "Kocioł przegrzany",
         "InstrReg": "Zmniejsz dopływ paliwa i sprawdź zawór bezpieczeństwa.", "OpisReg": "Instrukcja obsługi kotła"}]
    })", nullptr);
    glowne.kontekst().baza.synchronizuj();
    TWnioskowanie &wn = glowne.wnioskowanie();
    wn.wyborSystemu();
    zapisz(wn.formWybSyst(), folder, QStringLiteral("wybor-systemu"));
    wn.formWybSyst()->przyciskOk()->click();
    wn.weryfikacja();
    wn.formWeryf()->przyciskStart()->click();
    zapisz(wn.formWeryf(), folder, QStringLiteral("weryfikacja"));
    wn.formWeryf()->hide();
    wn.czytanieFaktow();
    zapisz(wn.formCzytFakt(), folder, QStringLiteral("czytanie-faktow"));
    wn.formCzytFakt()->hide();
    wn.sesja.LinieOpisu = {QStringLiteral("Obiekt"), QStringLiteral("kocioł nr 2"), QStringLiteral("Data"),
                           QStringLiteral("5.3.2024"), {}, {}, {}, {}, {}, {}};
    wn.realizacja();
    zapisz(wn.formRealizWnios(), folder, QStringLiteral("realizacja-wnioskowania"));
    wn.formRealizWnios()->przyciskWPrzod()->click();
    wn.formWniosWPrzod()->lista()->setCurrentRow(0);
    wn.formWniosWPrzod()->pokazUwage(0);
    zapisz(wn.formWniosWPrzod(), folder, QStringLiteral("wnioskowanie-w-przod"));
    wn.formWniosWPrzod()->hide();
    {
        TKontekstCzytFakt k;
        k.kodSyst = 1;
        k.nazSyst = QStringLiteral("Kocioł parowy");
        k.fakt = *dostep::fakt(glowne.kontekst().baza, 2);
        k.wartosci = dostep::wartosciFaktu(glowne.kontekst().baza, 2);
        wn.formCzytFaktWnios()->przygotuj(k);
        zapisz(wn.formCzytFaktWnios(), folder, QStringLiteral("przypisanie-wartosci-wyliczeniowej"));
        wn.formCzytFaktWnios()->hide();
        k.fakt = *dostep::fakt(glowne.kontekst().baza, 1);
        k.wartosci.clear();
        wn.formCzytFaktWnios()->przygotuj(k);
        zapisz(wn.formCzytFaktWnios(), folder, QStringLiteral("przypisanie-wartosci"));
        wn.formCzytFaktWnios()->hide();
    }
    TWizKonkl wiz;
    wiz.kodSyst = 1;
    wiz.nazSyst = QStringLiteral("Kocioł parowy");
    wiz.idReg = 1;
    wiz.nazReg = QStringLiteral("Przegrzanie");
    wiz.konklReg = QStringLiteral("[stan]=[zły]");
    wiz.opisKonklReg = QStringLiteral("Kocioł przegrzany");
    wiz.instrReg = QStringLiteral("Zmniejsz dopływ paliwa i sprawdź zawór bezpieczeństwa.");
    wiz.opisReg = QStringLiteral("Instrukcja obsługi kotła");
    wiz.cfKonkl = 0.9;
    wiz.cfZagreg = 0.9;
    wiz.rodzFakt = QStringLiteral("koncowy");
    wn.formWizKonkl()->wypelnij(wiz);
    zapisz(wn.formWizKonkl(), folder, QStringLiteral("wizualizacja-konkluzji"));
    wn.formWizKonkl()->hide();
    wn.formFalsHip()->przygotuj(1, QStringLiteral("Kocioł parowy"), QStringLiteral("[stan]=[zły]"),
                                {QStringLiteral("[stan]=[dobry]"), QStringLiteral("[stan]=[awaria]")});
    wn.formFalsHip()->lista()->item(0)->setSelected(true);
    zapisz(wn.formFalsHip(), folder, QStringLiteral("falsyfikacja-hipotezy"));
    wn.formFalsHip()->hide();
    wn.kontrolaSpojnosci();
    wn.formKontrSpojn()->przyciskStart()->click();
    zapisz(wn.formKontrSpojn(), folder, QStringLiteral("kontrola-spojnosci"));
    return 0;
}
