#include "TWnioskowanie.h"

#include "KursorPracy.h"

#include "TFormCzytFakt.h"
#include "TFormCzytFaktWnios.h"
#include "TFormFalsHip.h"
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
#include <QElapsedTimer>
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
      m_wPrzod(kontekst.baza, kontekst.konfig, sesja, *this), m_wstecz(kontekst.baza, kontekst.konfig, sesja, *this),
      m_fals(m_wstecz), m_miesz(kontekst.baza, kontekst.konfig, sesja, *this, m_wstecz, m_wPrzod)
{
    m_wybSyst = new TFormWybSyst(kontekst, oknoGlowne);
    m_realiz = new TFormRealizWnios(kontekst, oknoGlowne);
    m_formWPrzod = new TFormWniosWPrzod(kontekst, oknoGlowne);
    m_formWstecz = new TFormWniosWstecz(kontekst, oknoGlowne);
    m_formMiesz = new TFormWniosMiesz(kontekst, oknoGlowne);
    m_formFals = new TFormFalsHip(kontekst, oknoGlowne);
    m_czytFaktWnios = new TFormCzytFaktWnios(kontekst, oknoGlowne);
    m_wizKonkl = new TFormWizKonkl(kontekst, oknoGlowne);
    m_czytFakt = new TFormCzytFakt(kontekst, sesja, oknoGlowne);
    m_weryf = new TFormWeryf(kontekst, oknoGlowne);
    m_kontrSpojn = new TFormKontrSpojn(kontekst, oknoGlowne);

    m_wybSyst->poWyborze = [this](int kod) { wybrano(kod); };
    m_weryf->poZweryfikowaniu = [this](int kod) {
        // Only the verification of the knowledge base chosen now makes inference available.
        if (kod != sesja.KodSyst)
            return;
        m_zweryfikowana = true;
        m_menu.realiz->setEnabled(true);
    };
    m_weryf->poNieudanej = [this](int kod) {
        if (kod == sesja.KodSyst)
            wylaczWnioskowanie();
    };
    m_realiz->organizujWPrzod = [this] { organizujWPrzod(); };
    m_realiz->organizujWstecz = [this] { organizujWstecz(); };
    m_realiz->organizujMiesz = [this] { organizujMiesz(); };

    m_formWPrzod->start = [this] { startWPrzod(); };
    m_formWPrzod->przerwij = [this] { m_formWPrzod->hide(); };
    m_formWPrzod->ok = [this] { m_formWPrzod->hide(); };
    // "Anulowanie opcji ..." has no action of its own on the forward and mixed forms.

    auto opuscWstecz = [this] {
        // A standalone run paused at its display is left with the form.
        if (m_wstecz.czyWstrzymany() && !sesja.czyMieszane())
            porzucWstrzymany();
        m_formWstecz->pokazStartIOk(true);
        m_formWstecz->hide();
        pokazOkno(m_realiz);
    };
    m_formWstecz->przerwij = opuscWstecz;
    m_formWstecz->anuluj = opuscWstecz;
    m_formWstecz->ok = opuscWstecz;
    m_formWstecz->start = [this] { startWstecz(); };

    m_formMiesz->przerwij = [this] { m_formMiesz->hide(); };
    m_formMiesz->ok = [this] { m_formMiesz->hide(); };
    m_formMiesz->start = [this] { startMiesz(); };

    m_formFals->start = [this] { startFals(); };
    m_formFals->przerwij = [this] { opuscFals(); };
    m_formFals->anuluj = [this] { opuscFals(); };
    m_formFals->ok = [this] { opuscFals(); };
    // The close box leaves the form as its three closing buttons do.
    m_formFals->zamknieto = [this] { opuscFals(); };

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

bool TWnioskowanie::wstrzymany() const
{
    return m_wPrzod.czyWstrzymany() || m_wstecz.czyWstrzymany() || m_fals.czyWstrzymany();
}

// ---- Main-menu commands ----

void TWnioskowanie::wyborSystemu() { m_wybSyst->otworz(); }

void TWnioskowanie::wybrano(int kodSyst)
{
    QString blad;
    const auto tekst = WybierzSystem(m_kontekst.baza, kodSyst, sesja, &blad);
    if (!tekst) {
        if (!blad.isEmpty())
            komunikat(blad);
        return;
    }
    // Whatever belonged to the previous choice ends: a paused run is abandoned (what it wrote
    // stays, nothing continues it) and no window of that knowledge base stays on screen.
    zamknijOknaWnioskowania();
    m_czytFakt->hide();
    m_weryf->hide();
    sesja.Tryb = TrybSesji::Brak;
    m_metoda = Metoda::Brak;
    // A newly chosen knowledge base must be verified before inference.
    m_zweryfikowana = false;
    ustawPozycje(true, true, false);
    m_wybSyst->hide();
    komunikat(*tekst);
}

void TWnioskowanie::zamknijOknaWnioskowania()
{
    porzucWstrzymany();
    m_wyrzutniaPoPrzebiegu = false;
    m_realiz->hide();
    for (TFormMetodyWnios *f : {static_cast<TFormMetodyWnios *>(m_formWPrzod),
                                static_cast<TFormMetodyWnios *>(m_formWstecz),
                                static_cast<TFormMetodyWnios *>(m_formMiesz),
                                static_cast<TFormMetodyWnios *>(m_formFals)}) {
        f->pokazStartIOk(true);
        f->hide();
    }
}

void TWnioskowanie::wylaczWnioskowanie()
{
    // Inference waits for a clean verification again; the launcher and the method forms of
    // the earlier verification end with it.
    m_zweryfikowana = false;
    m_menu.realiz->setEnabled(false);
    zamknijOknaWnioskowania();
    sesja.Tryb = TrybSesji::Brak;
    m_metoda = Metoda::Brak;
}

void TWnioskowanie::pokazWyrzutniePoPrzebiegu()
{
    if (!m_wyrzutniaPoPrzebiegu)
        return;
    m_wyrzutniaPoPrzebiegu = false;
    pokazOkno(m_realiz);
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
    if (!sesja.czyWybrany() || !m_zweryfikowana)
        return;
    m_realiz->wypelnij(sesja.KodSyst, sesja.NazSyst, sesja.LinieOpisu);
    pokazOkno(m_realiz);
}

void TWnioskowanie::kontrolaSpojnosci() { m_kontrSpojn->otworz(); }

void TWnioskowanie::odwiedzonoBazeDanych() { ustawPozycje(false, false, false); }

void TWnioskowanie::porzucWstrzymany()
{
    m_wizKonkl->hide();
    m_wPrzod.Porzuc();
    m_wstecz.Porzuc();
    // A falsification offered or paused is obsolete as well.
    if (m_fals.czyPrzygotowana() || m_fals.czyWstrzymany())
        m_fals.Przerwij();
    m_formFals->hide();
    sesja.KontynuacjaZadana = false;
    for (TFormMetodyWnios *f : {static_cast<TFormMetodyWnios *>(m_formWPrzod),
                                static_cast<TFormMetodyWnios *>(m_formWstecz),
                                static_cast<TFormMetodyWnios *>(m_formMiesz),
                                static_cast<TFormMetodyWnios *>(m_formFals)})
        f->pokazUwage(-1);
}

// ---- The launcher ----

void TWnioskowanie::organizujMetode(Metoda metoda, TFormMetodyWnios *forma,
                                    std::initializer_list<TFormMetodyWnios *> zPrzyciskami,
                                    const std::function<bool(QStringList &)> &przygotuj)
{
    if (!m_zweryfikowana)
        return;
    porzucWstrzymany();
    for (TFormMetodyWnios *f : zPrzyciskami)
        f->pokazStartIOk(true);
    QStringList konkluzje;
    if (!przygotuj(konkluzje))
        return;
    sesja.KontynuacjaZadana = false;
    m_metoda = metoda;
    forma->ustawKonkluzje(sesja.KodSyst, sesja.NazSyst, konkluzje);
    m_realiz->hide();
    forma->pokazUwage(-1);
    pokazOkno(forma);
}

void TWnioskowanie::organizujWPrzod()
{
    organizujMetode(Metoda::WPrzod, m_formWPrzod, {m_formWPrzod},
                    [this](QStringList &konkluzje) { return m_wPrzod.Przygotuj(konkluzje); });
}

void TWnioskowanie::organizujWstecz()
{
    organizujMetode(Metoda::Wstecz, m_formWstecz, {m_formWstecz},
                    [this](QStringList &konkluzje) { return m_wstecz.Przygotuj(konkluzje); });
}

void TWnioskowanie::organizujMiesz()
{
    // A mixed run is prepared with the forward form's list emptied.
    organizujMetode(Metoda::Miesz, m_formMiesz, {m_formWPrzod, m_formWstecz, m_formMiesz},
                    [this](QStringList &konkluzje) {
                        m_formWPrzod->lista()->clear();
                        return m_miesz.Przygotuj(konkluzje);
                    });
}

// ---- Forward chaining ----

void TWnioskowanie::startWPrzod()
{
    const KursorPracy praca;
    if (!m_zweryfikowana)
        return;
    // Start continues a run only after a continuation; otherwise a new run replaces the
    // paused one. Either way the display shown now is no longer current.
    m_wizKonkl->hide();
    m_metoda = Metoda::WPrzod;
    poPrzebieguWPrzod(m_wPrzod.Start(m_formWPrzod->hipoteza()));
    pokazWyrzutniePoPrzebiegu();
}

void TWnioskowanie::poPrzebieguWPrzod(WynikPrzebiegu w)
{
    const bool mieszane = sesja.czyMieszane();
    switch (w) {
    case WynikPrzebiegu::Wstrzymany:
        break;
    case WynikPrzebiegu::Zakonczony:
        m_formWPrzod->pokazUwage(-1);
        if (!mieszane) {
            m_formWPrzod->hide();
        } else if (m_wPrzod.czyUdowodniona()) {
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

// ---- Backward chaining, mixed inference and falsification ----

void TWnioskowanie::startWstecz()
{
    const KursorPracy praca;
    if (!m_zweryfikowana)
        return;
    m_metoda = Metoda::Wstecz;
    const QString hipoteza = m_formWstecz->hipoteza();
    // Start and OK stay hidden while the run lasts, so that no second run can start.
    m_formWstecz->pokazStartIOk(false);
    const WynikPrzebiegu w = m_wstecz.Start(hipoteza);
    if (w == WynikPrzebiegu::Przerwany && hipoteza.isEmpty())
        m_formWstecz->pokazStartIOk(true);
    poPrzebieguWstecz(w);
    pokazWyrzutniePoPrzebiegu();
}

void TWnioskowanie::poPrzebieguWstecz(WynikPrzebiegu w)
{
    if (w == WynikPrzebiegu::Wstrzymany)
        return;
    m_formWstecz->pokazUwage(-1);
    if (w == WynikPrzebiegu::Przerwany) {
        // After an error the form stays; the user leaves it with its closing buttons.
        m_formMiesz->pokazUwage(-1);
        return;
    }
    if (!m_fals.czyPrzygotowana())
        m_formWstecz->pokazStartIOk(true);
    m_formWstecz->hide();
    if (sesja.czyMieszane())
        m_formMiesz->hide();
    poKoncuWstecz();
}

void TWnioskowanie::poKoncuWstecz()
{
    if (m_fals.czyPrzygotowana())
        pokazOkno(m_formFals);
    else
        pokazOkno(m_realiz);
}

void TWnioskowanie::startMiesz()
{
    const KursorPracy praca;
    if (!m_zweryfikowana)
        return;
    // Start on a paused phase continues it, as the display's continue button would: the
    // backward passes continue a paused pass, and the phases after it follow only as the
    // run itself leads to them.
    if (m_miesz.czyWstrzymany()) {
        m_wizKonkl->hide();
        kontynuuj();
        return;
    }
    if (wstrzymany())
        porzucWstrzymany();
    m_metoda = Metoda::Miesz;
    m_fazaMieszanaRuszyla = false;
    const WynikPrzebiegu w = m_miesz.Start(m_formMiesz->hipoteza());
    // Paused: the proving phase goes on from the display. Nothing ran: the message about
    // the hypothesis was shown and the form stays.
    if (w == WynikPrzebiegu::Wstrzymany || !m_fazaMieszanaRuszyla) {
        pokazWyrzutniePoPrzebiegu();
        return;
    }
    m_formMiesz->pokazUwage(-1);
    m_formMiesz->hide();
    m_wyrzutniaPoPrzebiegu = false;
    poKoncuWstecz();
}

void TWnioskowanie::startFals()
{
    const KursorPracy praca;
    if (!m_zweryfikowana || !m_fals.czyPrzygotowana() || m_fals.czyWstrzymany())
        return;
    const QList<int> zaznaczone = m_formFals->zaznaczone();
    if (!zaznaczone.isEmpty())
        m_formFals->pokazStartIOk(false);
    poPrzebieguFals(m_fals.Start(zaznaczone));
    pokazWyrzutniePoPrzebiegu();
}

void TWnioskowanie::poPrzebieguFals(WynikPrzebiegu w)
{
    if (w == WynikPrzebiegu::Wstrzymany)
        return;
    m_formFals->pokazUwage(-1);
    if (w == WynikPrzebiegu::Przerwany)
        return; // no candidate selected, or an error: the form stays
    m_formFals->pokazStartIOk(true);
    m_formFals->hide();
    m_formWstecz->pokazStartIOk(true);
    m_formWstecz->hide();
    m_formMiesz->hide();
    pokazOkno(m_realiz);
}

void TWnioskowanie::opuscFals()
{
    if (m_fals.czyWstrzymany())
        m_wizKonkl->hide();
    m_fals.Przerwij();
    m_formFals->pokazUwage(-1);
    m_formWstecz->pokazStartIOk(true);
    m_formFals->hide();
    pokazOkno(m_realiz);
}

// ---- The conclusions display ----

void TWnioskowanie::kontynuuj()
{
    const KursorPracy praca;
    sesja.KontynuacjaZadana = true;
    if (m_fals.czyWstrzymany()) {
        m_formFals->pokazUwage(0);
        poPrzebieguFals(m_fals.Dalej());
    } else if (m_wstecz.czyWstrzymany()) {
        if (!sesja.czyMieszane())
            m_formWstecz->pokazUwage(0);
        poPrzebieguWstecz(m_wstecz.Dalej());
    } else if (m_wPrzod.czyWstrzymany()) {
        m_oknoGlowne->repaint();
        if (!sesja.czyMieszane())
            m_formWPrzod->pokazUwage(0);
        poPrzebieguWPrzod(m_wPrzod.Start(m_formWPrzod->hipoteza()));
    }
    pokazWyrzutniePoPrzebiegu();
}

void TWnioskowanie::zamknijProces()
{
    const KursorPracy praca;
    // Backward chaining and falsification go on to their next display or their end; the
    // three inference commands are disabled on the way (wymagajNowegoWyboru). The launcher
    // comes last: after the final message and after the run's forms are hidden.
    if (m_fals.czyWstrzymany()) {
        poPrzebieguFals(m_fals.Zamknij());
    } else if (sesja.czyMieszane() && m_miesz.czyWstrzymany()) {
        // In mixed inference the display and the paused run stay; only the launcher is shown.
        m_wizKonkl->show();
    } else if (m_wstecz.czyWstrzymany()) {
        poPrzebieguWstecz(m_wstecz.Zamknij());
    } else if (m_wPrzod.czyWstrzymany()) {
        m_formWPrzod->pokazUwage(-1);
        m_wPrzod.Zamknij();
    } else {
        // No run waits at the display any more (it ended or was abandoned): nothing to close.
        m_wyrzutniaPoPrzebiegu = false;
        return;
    }
    m_wyrzutniaPoPrzebiegu = false;
    pokazOkno(m_realiz);
}

// ---- TUzytkownikWnios ----

void TWnioskowanie::komunikat(const QString &tekst)
{
    const PrzerwaPracy pytanie;
    pokazKomunikat(tekst, rodzicKomunikatu());
}

void TWnioskowanie::czytajFakt(TKontekstCzytFakt &kontekst)
{
    const PrzerwaPracy pytanie;
    m_czytFaktWnios->otworz(kontekst);
}

void TWnioskowanie::wToku()
{
    // The visible windows are painted again about ten times a second (a notice shown or a
    // window changed by the run). No event is taken from the queue: nothing the user does can
    // start, close or change anything in the middle of the run.
    if (m_zegarOdmalowania.isValid() && m_zegarOdmalowania.elapsed() < 100)
        return;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            w->repaint();
    m_zegarOdmalowania.start();
}

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
    if (sesja.Tryb == TrybSesji::Falsyfikacja) {
        m_formFals->pokazUwage(widoczna ? 0 : -1);
        return;
    }
    if (sesja.czyMieszane())
        return; // the mixed form shows the notice of its phase itself
    formMetody()->pokazUwage(widoczna ? 0 : -1);
}

void TWnioskowanie::wymagajNowegoWyboru()
{
    ustawPozycje(false, false, false);
    m_realiz->wypelnij(sesja.KodSyst, sesja.NazSyst, sesja.LinieOpisu);
    // The launcher is shown once the engine has returned and the run's forms are hidden.
    m_wyrzutniaPoPrzebiegu = true;
}

void TWnioskowanie::pokazFalsyfikacje(const QString &hipGlowna, const QStringList &kandydaci)
{
    m_formFals->przygotuj(sesja.KodSyst, sesja.NazSyst, hipGlowna, kandydaci);
    if (!sesja.czyMieszane()) {
        m_formWstecz->pokazUwage(-1);
        m_formWstecz->hide();
    }
    pokazOkno(m_formFals);
}

void TWnioskowanie::uwagaFazyMieszanej(int faza)
{
    if (faza > 0)
        m_fazaMieszanaRuszyla = true;
    m_formMiesz->pokazUwage(faza - 1);
}

} // namespace tremida::gui
