#include "TWnioskowanie.h"

#include "TFormCzytFakt.h"
#include "TFormCzytFaktWnios.h"
#include "TFormMetodyWnios.h"
#include "TFormRealizWnios.h"
#include "TFormWizKonkl.h"
#include "TFormWybSyst.h"
#include "app/Komunikat.h"
#include "app/KontekstAplikacji.h"
#include "verify/TFormKontrSpojn.h"
#include "verify/TFormWeryf.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QWidget>

namespace tremida::gui {

namespace {

void pokazOkno(QWidget *w)
{
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

TWnioskowanie::TWnioskowanie(KontekstAplikacji &kontekst, TPozycjeWnioskowania menu, QWidget *oknoGlowne)
    : QObject(oknoGlowne), m_kontekst(kontekst), m_menu(menu), m_oknoGlowne(oknoGlowne),
      m_wPrzod(kontekst.baza, kontekst.konfig, sesja, *this)
{
    m_wybSyst = new TFormWybSyst(kontekst, oknoGlowne);
    m_realiz = new TFormRealizWnios(kontekst, oknoGlowne);
    m_formWPrzod = new TFormWniosWPrzod(kontekst, oknoGlowne);
    m_formWstecz = new TFormWniosWstecz(kontekst, oknoGlowne);
    m_formMiesz = new TFormWniosMiesz(kontekst, oknoGlowne);
    m_czytFaktWnios = new TFormCzytFaktWnios(kontekst, oknoGlowne);
    m_wizKonkl = new TFormWizKonkl(kontekst, oknoGlowne);
    m_czytFakt = new TFormCzytFakt(kontekst, sesja, oknoGlowne);
    m_weryf = new TFormWeryf(kontekst, oknoGlowne);
    m_kontrSpojn = new TFormKontrSpojn(kontekst, oknoGlowne);

    m_wybSyst->poWyborze = [this](int kod) { wybrano(kod); };
    m_weryf->poZweryfikowaniu = [this] { m_menu.realiz->setEnabled(true); };
    m_realiz->organizujWPrzod = [this] { organizujWPrzod(); };
    m_realiz->organizujWstecz = [this] { organizujWstecz(); };
    m_realiz->organizujMiesz = [this] { organizujMiesz(); };

    m_formWPrzod->start = [this] { startWPrzod(); };
    m_formWPrzod->przerwij = [this] { m_formWPrzod->hide(); };
    m_formWPrzod->ok = [this] { m_formWPrzod->hide(); };
    // "Anulowanie opcji ..." has no action of its own on the forward and mixed forms.

    auto opuscWstecz = [this] {
        m_formWstecz->pokazStartIOk(true);
        m_formWstecz->hide();
        pokazOkno(m_realiz);
    };
    m_formWstecz->przerwij = opuscWstecz;
    m_formWstecz->anuluj = opuscWstecz;
    m_formWstecz->ok = opuscWstecz;
    m_formWstecz->start = [this] { komunikat(QStringLiteral("W wersji 4.0 programu opcja jeszcze nie oprogramowana.")); };

    m_formMiesz->przerwij = [this] { m_formMiesz->hide(); };
    m_formMiesz->ok = [this] { m_formMiesz->hide(); };
    m_formMiesz->start = [this] { komunikat(QStringLiteral("W wersji 4.0 programu opcja jeszcze nie oprogramowana.")); };

    m_wizKonkl->kontynuuj = [this] { kontynuuj(); };
    m_wizKonkl->zamknij = [this] { zamknijProces(); };
}

TWnioskowanie::~TWnioskowanie() = default;

QWidget *TWnioskowanie::rodzicKomunikatu() const
{
    QWidget *aktywne = QApplication::activeWindow();
    return aktywne ? aktywne : m_oknoGlowne;
}

void TWnioskowanie::ustawPozycje(bool czytFakt, bool weryf, bool realiz)
{
    m_menu.czytFakt->setEnabled(czytFakt);
    m_menu.weryf->setEnabled(weryf);
    m_menu.realiz->setEnabled(realiz);
}

bool TWnioskowanie::wstrzymany() const { return m_wPrzod.stan.wstrzymany; }

// ---- Main-menu commands ----

void TWnioskowanie::wyborSystemu() { m_wybSyst->otworz(); }

void TWnioskowanie::wybrano(int kodSyst)
{
    // A run paused on another choice is abandoned: what it wrote stays, nothing continues it.
    porzucWstrzymany();
    const auto tekst = WybierzSystem(m_kontekst.baza, kodSyst, sesja);
    if (!tekst)
        return;
    sesja.wyczyscTryby();
    m_metoda = Metoda::Brak;
    // A newly chosen knowledge base must be verified before inference.
    ustawPozycje(true, true, false);
    m_wybSyst->hide();
    komunikat(*tekst);
}

void TWnioskowanie::czytanieFaktow()
{
    if (sesja.czyWybrany())
        m_czytFakt->otworz();
}

void TWnioskowanie::weryfikacja()
{
    if (sesja.czyWybrany())
        m_weryf->przygotuj(sesja.KodSyst, sesja.NazSyst, m_kontekst.konfig.CzyPelnaWeryf);
}

void TWnioskowanie::realizacja()
{
    if (!sesja.czyWybrany())
        return;
    m_realiz->wypelnij(sesja.KodSyst, sesja.NazSyst, sesja.LinieOpisu);
    pokazOkno(m_realiz);
}

void TWnioskowanie::kontrolaSpojnosci() { m_kontrSpojn->otworz(); }

void TWnioskowanie::odwiedzonoBazeDanych() { ustawPozycje(false, false, false); }

void TWnioskowanie::porzucWstrzymany()
{
    m_wizKonkl->hide();
    m_wPrzod.stan.wstrzymany = false;
    sesja.KontynuacjaZadana = false;
    for (TFormMetodyWnios *f : {static_cast<TFormMetodyWnios *>(m_formWPrzod),
                                static_cast<TFormMetodyWnios *>(m_formWstecz),
                                static_cast<TFormMetodyWnios *>(m_formMiesz)})
        f->pokazUwage(-1);
}

// ---- The launcher ----

void TWnioskowanie::organizujWPrzod()
{
    porzucWstrzymany();
    m_formWPrzod->pokazStartIOk(true);
    QStringList konkluzje;
    if (!m_wPrzod.Przygotuj(konkluzje))
        return;
    pokazFormeMetody(Metoda::WPrzod, m_formWPrzod, konkluzje);
}

WynikPrzygotowania TWnioskowanie::przygotujListe(Kierunek kierunek, TListaReg &lista, QStringList *konkluzje)
{
    const PokazKomunikat pokaz = [this](const QString &t) { komunikat(t); };
    const WynikPrzygotowania w =
        PrzygotujListeReg(m_kontekst.baza, m_kontekst.konfig, sesja.KodSyst, kierunek, lista, konkluzje, pokaz);
    if (w == WynikPrzygotowania::Puste)
        lista.clear();
    return w;
}

void TWnioskowanie::pokazFormeMetody(Metoda metoda, TFormMetodyWnios *forma, const QStringList &konkluzje)
{
    sesja.KontynuacjaZadana = false;
    m_metoda = metoda;
    forma->ustawKonkluzje(sesja.KodSyst, sesja.NazSyst, konkluzje);
    m_realiz->hide();
    forma->pokazUwage(-1);
    pokazOkno(forma);
}

void TWnioskowanie::organizujWstecz()
{
    porzucWstrzymany();
    sesja.wyczyscTryby();
    sesja.WsteczSam = true;
    sesja.HipZdefiniowana = false;
    m_formWstecz->pokazStartIOk(true);
    QStringList konkluzje;
    const WynikPrzygotowania w = przygotujListe(Kierunek::Wstecz, m_listaWstecz, &konkluzje);
    if (w == WynikPrzygotowania::Puste)
        komunikat(QStringLiteral("Brak reguł zadekretowanych do wnioskowania wstecz. Nastąpi wyjście z opcji."));
    if (w != WynikPrzygotowania::Gotowe)
        return;
    pokazFormeMetody(Metoda::Wstecz, m_formWstecz, konkluzje);
}

void TWnioskowanie::organizujMiesz()
{
    porzucWstrzymany();
    sesja.wyczyscTryby();
    sesja.Mieszane = true;
    sesja.HipZdefiniowana = false;
    const WynikPrzygotowania wstecz = przygotujListe(Kierunek::Wstecz, m_listaWstecz, nullptr);
    if (wstecz == WynikPrzygotowania::PoziomZaWysoki)
        return;
    if (wstecz == WynikPrzygotowania::Puste)
        komunikat(QStringLiteral("Brak reguł zadekretowanych do wnioskowania wstecz. Wnioskowanie mieszane ograniczy "
                                 "się tylko do fazy wnioskowania w przód."));
    m_formWPrzod->lista()->clear();
    m_formWPrzod->pokazStartIOk(true);
    const WynikPrzygotowania wPrzod = przygotujListe(Kierunek::WPrzod, m_wPrzod.stan.listaReg, nullptr);
    if (wPrzod == WynikPrzygotowania::PoziomZaWysoki)
        return;
    if (wPrzod == WynikPrzygotowania::Puste) {
        if (wstecz == WynikPrzygotowania::Puste) {
            komunikat(QStringLiteral("Brak reguł zadekretowanych zarówno do wnioskowania wstecz jak i w przód. "
                                     "Nastąpi wyjście z opcji."));
            return;
        }
        komunikat(QStringLiteral("Brak reguł zadekretowanych do wnioskowania w przód. Wnioskowanie mieszane ograniczy "
                                 "się tylko do fazy wnioskowania wstecz."));
    }
    m_formMiesz->pokazStartIOk(true);
    QStringList konkluzje;
    const WynikPrzygotowania wszystkie = przygotujListe(Kierunek::Wszystkie, m_listaWszystkie, &konkluzje);
    if (wszystkie == WynikPrzygotowania::Puste)
        komunikat(QStringLiteral("Brak reguł wybranego systemu eksperckiego. Nastąpi wyjście z opcji."));
    if (wszystkie != WynikPrzygotowania::Gotowe)
        return;
    pokazFormeMetody(Metoda::Miesz, m_formMiesz, konkluzje);
}

// ---- Forward chaining ----

void TWnioskowanie::startWPrzod()
{
    // Start continues a run only after a continuation; otherwise a new run replaces the
    // paused one. Either way the display shown now is no longer current.
    m_wizKonkl->hide();
    m_metoda = Metoda::WPrzod;
    poPrzebieguWPrzod(m_wPrzod.Start(m_formWPrzod->hipoteza()));
}

void TWnioskowanie::poPrzebieguWPrzod(WynikPrzebiegu w)
{
    const bool mieszane = sesja.Mieszane;
    switch (w) {
    case WynikPrzebiegu::Wstrzymany:
        break;
    case WynikPrzebiegu::Zakonczony:
        m_formWPrzod->pokazUwage(-1);
        if (!mieszane) {
            m_formWPrzod->hide();
        } else if (m_wPrzod.stan.udowodniona) {
            m_formWPrzod->hide();
            m_formMiesz->pokazUwage(-1);
            m_formMiesz->hide();
        }
        break;
    case WynikPrzebiegu::Przerwany:
        m_formWPrzod->pokazUwage(-1);
        break;
    }
}

// ---- The conclusions display ----

void TWnioskowanie::kontynuuj()
{
    sesja.KontynuacjaZadana = true;
    if (m_metoda == Metoda::WPrzod || (sesja.Mieszane && sesja.FazaWPrzod) || m_wPrzod.stan.wstrzymany) {
        m_oknoGlowne->repaint();
        if (!sesja.Mieszane)
            m_formWPrzod->pokazUwage(0);
        poPrzebieguWPrzod(m_wPrzod.Start(m_formWPrzod->hipoteza()));
    }
}

void TWnioskowanie::zamknijProces()
{
    if (sesja.Mieszane) {
        // In mixed inference the display and the paused run stay; only the launcher is shown.
        m_wizKonkl->show();
        pokazOkno(m_realiz);
        return;
    }
    if (m_wPrzod.stan.wstrzymany) {
        m_formWPrzod->pokazUwage(-1);
        m_wPrzod.Zamknij();
        return;
    }
    ustawPozycje(false, false, false);
    pokazOkno(m_realiz);
}

// ---- TUzytkownikWnios ----

void TWnioskowanie::komunikat(const QString &tekst) { pokazKomunikat(tekst, rodzicKomunikatu()); }

void TWnioskowanie::czytajFakt(TKontekstCzytFakt &kontekst) { m_czytFaktWnios->otworz(kontekst); }

void TWnioskowanie::pokazKonkluzje(const TWizKonkl &wiz)
{
    m_wizKonkl->wypelnij(wiz);
    pokazOkno(m_wizKonkl);
}

TFormMetodyWnios *TWnioskowanie::formMetody() const
{
    switch (m_metoda) {
    case Metoda::Wstecz: return m_formWstecz;
    case Metoda::Miesz: return m_formMiesz;
    default: return m_formWPrzod;
    }
}

void TWnioskowanie::uwagaWToku(bool widoczna)
{
    if (sesja.Mieszane)
        return; // the mixed form shows the notice of its phase itself
    formMetody()->pokazUwage(widoczna ? 0 : -1);
}

void TWnioskowanie::wymagajNowegoWyboru()
{
    ustawPozycje(false, false, false);
    m_realiz->wypelnij(sesja.KodSyst, sesja.NazSyst, sesja.LinieOpisu);
    pokazOkno(m_realiz);
}

} // namespace tremida::gui
