// Saves screenshots of the program's windows as PNG files into the folder given as the
// first argument (default: docs/img). Run it under xvfb-run; the windows work on a
// temporary folder holding the three example knowledge bases and walk the road of the
// README: the tables, a forward run of the boiler base to its conclusions, a backward run
// of the infection base handed over to falsification. With "--ekran" after the folder each
// picture is the whole screen (where the window lies on it), not the window alone.

#include "app/KontekstAplikacji.h"
#include "app/TFormGlowne.h"
#include "app/TFormKonfig.h"
#include "app/TFormOProgramie.h"
#include "app/TFormOstrzTab.h"
#include "inference/DostepWnios.h"
#include "inference/TFormCzytFakt.h"
#include "inference/TFormCzytFaktWnios.h"
#include "inference/TFormFalsHip.h"
#include "inference/TFormMetodyWnios.h"
#include "inference/TFormRealizWnios.h"
#include "inference/TFormWizKonkl.h"
#include "inference/TFormWybSyst.h"
#include "inference/TWnioskowanie.h"
#include "rules/TFormEdytorReg.h"
#include "rules/TFormKartaReg.h"
#include "rules/TFormTabReg.h"
#include "rules/TFormTabStale.h"
#include "store/Ilustracje.h"
#include "store/TFormTabFakt.h"
#include "store/TFormTabPlikMult.h"
#include "store/TFormTabSyst.h"
#include "store/TFormTabTraj.h"
#include "store/TFormTabWartFaktWylicz.h"
#include "store/TFormWizFilm.h"
#include "store/TFormWizGraf.h"
#include "store/TFormWizWartFaktWylicz.h"
#include "store/Wymiana.h"
#include "verify/TFormKontrSpojn.h"
#include "verify/TFormWeryf.h"
#include "widgets/ZbiorDanych.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tremida;
using namespace tremida::gui;

namespace {

QString g_folder;
bool g_ekran = false;

void zapisz(QWidget *w, const QString &nazwa)
{
    w->show();
    w->raise();
    QTest::qWait(300);
    const QString plik = QDir(g_folder).filePath(nazwa + QStringLiteral(".png"));
    const QPixmap obraz = g_ekran ? w->screen()->grabWindow(0) : w->grab();
    if (!obraz.save(plik))
        qWarning("Nie można zapisać %s", qPrintable(plik));
    else
        qInfo("%s", qPrintable(plik));
}

// Saves the window and hides it again.
void zapiszIUkryj(QWidget *w, const QString &nazwa)
{
    zapisz(w, nazwa);
    w->hide();
}

// Opens a table window, on the record whose column `kolumna` holds `id` where a data set is
// given, and saves it; the window stays open for the caller.
template <typename Okno>
Okno *zapiszTabele(Okno *okno, const QString &nazwa, ZbiorDanych *(Okno::*zbior)() const = nullptr,
                   const QString &kolumna = QString(), int id = 0)
{
    okno->otworz();
    if (zbior)
        (okno->*zbior)()->znajdz(kolumna, id);
    zapisz(okno, nazwa);
    return okno;
}

// Selects the list item with this text, as a click would.
void wybierz(QListWidget *lista, const QString &tekst)
{
    const auto znalezione = lista->findItems(tekst, Qt::MatchExactly);
    if (znalezione.isEmpty())
        qWarning("Brak pozycji %s", qPrintable(tekst));
    else
        lista->setCurrentItem(znalezione.first());
}

// Chooses system `wiersz` (from 0) for inference, reads its input-fact file and verifies it.
void doWyrzutni(TWnioskowanie &wn, int wiersz, const QString &plikFaktow, bool zrzuty)
{
    wn.wyborSystemu();
    wn.formWybSyst()->ustawBiezacy(wiersz);
    if (zrzuty)
        zapisz(wn.formWybSyst(), QStringLiteral("wybor-systemu"));
    wn.formWybSyst()->przyciskOk()->click();
    wn.czytanieFaktow();
    wn.formCzytFakt()->poleSciezki()->setText(plikFaktow);
    if (zrzuty)
        zapisz(wn.formCzytFakt(), QStringLiteral("czytanie-faktow"));
    wn.formCzytFakt()->przyciskCzytaj()->click();
    wn.weryfikacja();
    wn.formWeryf()->przyciskStart()->click();
    if (zrzuty)
        zapisz(wn.formWeryf(), QStringLiteral("weryfikacja"));
    wn.formWeryf()->przyciskOk()->click();
    wn.realizacja();
}

// The messages are not shown (a modal box would wait); while `glosno` they are logged.
class DialogiZrzutow : public Dialogi {
public:
    bool glosno = false;
    void komunikat(const QString &tekst, QWidget *) override
    {
        if (glosno)
            qWarning("%s", qPrintable(tekst));
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/img");
    g_ekran = argc > 2 && QByteArray(argv[2]) == "--ekran";
    QDir().mkpath(g_folder);
    QTemporaryDir dane;
    const QDir przyklady(QStringLiteral(TREMIDA_PRZYKLADY));
    // No modal dialog may wait for an answer: every input dialog is left without a value.
    QTimer odpowiadacz;
    QObject::connect(&odpowiadacz, &QTimer::timeout, [] {
        if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            d->reject();
    });
    odpowiadacz.start(200);

    auto dialogiZrzutow = std::make_unique<DialogiZrzutow>();
    DialogiZrzutow &dialogi = *dialogiZrzutow;
    KontekstAplikacji kontekst(dane.path(), std::move(dialogiZrzutow));
    TFormGlowne glowne(kontekst);
    Baza &baza = glowne.kontekst().baza;
    for (Tabela t : WszystkieTabele)
        if (!baza.zalozTabele(t, false))
            qWarning("Nie można założyć tabeli");
    const QStringList nazwy = {QStringLiteral("kociol"), QStringLiteral("choroba"), QStringLiteral("wypoczynek")};
    for (const QString &n : nazwy) {
        QFile f(przyklady.filePath(n + u'/' + n + QStringLiteral(".json")));
        QString blad;
        if (!f.open(QIODevice::ReadOnly) || !importujJson(baza, f.readAll(), &blad))
            qWarning("Nie można zaimportować %s: %s", qPrintable(n), qPrintable(blad));
        for (const QString &plik : QDir(przyklady.filePath(n)).entryList(QDir::Files))
            if (!plik.endsWith(QStringLiteral(".json")))
                QFile::copy(przyklady.filePath(n + u'/' + plik), QDir(dane.path()).filePath(plik));
    }
    baza.synchronizuj();
    glowne.resize(1000, 640);
    zapisz(&glowne, QStringLiteral("okno-glowne"));

    // The table windows.
    zapiszTabele(glowne.formTabSyst(), QStringLiteral("tabela-systemow"))->hide();
    TFormTabFakt *fakty =
        zapiszTabele(glowne.formTabFakt(), QStringLiteral("tabela-faktow"), &TFormTabFakt::zbiorFakt, "IdFakt", 103);
    fakty->zbiorFakt()->znajdz("IdFakt", 106);
    if (auto *p = fakty->findChild<QPushButton *>(QStringLiteral("przyciskWartPosr"))) {
        p->click();
        zapiszIUkryj(fakty->widokWartosciPosr(), QStringLiteral("wartosci-faktu"));
    }
    fakty->hide();
    zapiszTabele(glowne.formTabWartFaktWylicz(), QStringLiteral("tabela-wartosci"),
                 &TFormTabWartFaktWylicz::zbiorFakt, "IdFakt", 103)
        ->hide();
    zapiszTabele(glowne.formTabStale(), QStringLiteral("tabela-stalych"), &TFormTabStale::zbiorStale, "IdStala", 104)
        ->hide();
    zapiszTabele(glowne.formTabPlikMult(), QStringLiteral("tabela-plikow"))->hide();
    TFormTabReg *reguly =
        zapiszTabele(glowne.formTabReg(), QStringLiteral("tabela-regul"), &TFormTabReg::zbiorReg, "IdReg", 104);
    reguly->wywolajEdytor();
    reguly->edytor()->wybierzFakt(2);
    zapiszIUkryj(reguly->edytor(), QStringLiteral("edytor-reguly"));
    reguly->pokazKarte();
    zapiszIUkryj(reguly->karta(), QStringLiteral("karta-reguly"));
    reguly->hide();

    TFormOstrzTab ostrzezenie(Tabela::Fakty, glowne.kontekst().konfig);
    zapiszIUkryj(&ostrzezenie, QStringLiteral("ostrzezenie"));
    TFormOProgramie oProgramie(glowne.kontekst().konfig);
    zapiszIUkryj(&oProgramie, QStringLiteral("o-programie"));
    TFormKonfig konfiguracja(glowne.kontekst());
    zapiszIUkryj(&konfiguracja, QStringLiteral("konfiguracja"));

    // The pictures and the film of the boiler.
    dialogi.glosno = true;
    if (PokazObraz(glowne.kontekst(), QStringLiteral("plomien.bmp"), 0.75,
                   QStringLiteral("Płomień palnika: barwa żółta świadczy o niezupełnym spalaniu.")))
        zapisz(&formWizGraf(glowne.kontekst()), QStringLiteral("wizualizacja-obrazu"));
    formWizGraf(glowne.kontekst()).hide();
    if (PokazFilm(glowne.kontekst(), QStringLiteral("czyszczenie_palnika.avi"), 0.75,
                  QStringLiteral("Czyszczenie palnika kotła."))) {
        TFormWizFilm &film = formWizFilm(glowne.kontekst());
        film.przyciskOdtworz()->click();
        QTest::qWait(1500);
        zapiszIUkryj(&film, QStringLiteral("wizualizacja-filmu"));
    }
    dialogi.glosno = false;

    // Forward chaining of the boiler: the input dialogs as they would ask, the first
    // conclusion, and the trajectory of the whole run.
    TWnioskowanie &wn = glowne.wnioskowanie();
    {
        TKontekstCzytFakt k;
        k.kodSyst = 1;
        k.nazSyst = QStringLiteral("Diagnostyka usterek kotła parowego");
        k.fakt = *dostep::fakt(baza, 103);
        k.wartosci = dostep::wartosciFaktu(baza, 103);
        wn.formCzytFaktWnios()->przygotuj(k);
        zapiszIUkryj(wn.formCzytFaktWnios(), QStringLiteral("przypisanie-wartosci-wyliczeniowej"));
        k.fakt = *dostep::fakt(baza, 101);
        k.wartosci.clear();
        wn.formCzytFaktWnios()->przygotuj(k);
        zapiszIUkryj(wn.formCzytFaktWnios(), QStringLiteral("przypisanie-wartosci"));
    }
    QFile::copy(przyklady.filePath(QStringLiteral("kociol/wartosci_faktow.txt")),
                QDir(dane.path()).filePath(QStringLiteral("wartosci_faktow_kociol.txt")));
    doWyrzutni(wn, 0, QDir(dane.path()).filePath(QStringLiteral("wartosci_faktow_kociol.txt")), true);
    zapisz(wn.formRealizWnios(), QStringLiteral("realizacja-wnioskowania"));
    wn.formRealizWnios()->przyciskWPrzod()->click();
    wn.formWniosWPrzod()->pokazUwage(0);
    zapisz(wn.formWniosWPrzod(), QStringLiteral("wnioskowanie-w-przod"));
    wn.formWniosWPrzod()->pokazUwage(-1);
    wn.formWniosWPrzod()->przyciskStart()->click();
    zapisz(wn.formWizKonkl(), QStringLiteral("wizualizacja-konkluzji"));
    for (int i = 0; i < 20 && wn.wstrzymany(); ++i)
        wn.formWizKonkl()->przyciskKontynuuj()->click();
    wn.formRealizWnios()->hide();
    zapiszTabele(glowne.formTabTraj(), QStringLiteral("tabela-trajektorii"))->hide();

    // Backward chaining of the infection base that does not prove its hypothesis: the
    // falsification form with the conclusions about the same fact.
    QFile::copy(przyklady.filePath(QStringLiteral("choroba/wartosci_faktow.txt")),
                QDir(dane.path()).filePath(QStringLiteral("wartosci_faktow_choroba.txt")));
    doWyrzutni(wn, 1, QDir(dane.path()).filePath(QStringLiteral("wartosci_faktow_choroba.txt")), false);
    wn.formRealizWnios()->przyciskWstecz()->click();
    wybierz(wn.formWniosWstecz()->lista(), QStringLiteral("[rozpoznanie]=[zapalenie oskrzeli]"));
    zapisz(wn.formWniosWstecz(), QStringLiteral("wnioskowanie-wstecz"));
    wn.formWniosWstecz()->przyciskStart()->click();
    if (wn.formFalsHip()->lista()->count() > 0)
        wn.formFalsHip()->lista()->item(0)->setSelected(true);
    zapiszIUkryj(wn.formFalsHip(), QStringLiteral("falsyfikacja-hipotezy"));
    wn.formRealizWnios()->hide();

    wn.kontrolaSpojnosci();
    wn.formKontrSpojn()->przyciskStart()->click();
    zapisz(wn.formKontrSpojn(), QStringLiteral("kontrola-spojnosci"));
    return 0;
}
