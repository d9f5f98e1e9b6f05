#include "TFormGlowne.h"

#include "widgets/Ekran.h"

#include "Komunikat.h"
#include "TFormKonfig.h"
#include "TFormOProgramie.h"
#include "TFormOstrzTab.h"
#include "TloTytulowe.h"
#include "app/PlikKonfig.h"
#include "report/DrukTabel.h"
#include "report/TFormWybSystDruk.h"
#include "manual/TInstrukcja.h"
#include "rules/TFormTabReg.h"
#include "rules/TFormTabStale.h"
#include "store/TFormTabFakt.h"
#include "store/TFormTabPlikMult.h"
#include "store/TFormTabSyst.h"
#include "store/TFormTabTraj.h"
#include "store/TFormTabWartFaktWylicz.h"
#include "inference/TWnioskowanie.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include <functional>
#include <map>

namespace tremida::gui {

TFormGlowne::TFormGlowne(KontekstAplikacji &kontekst, QWidget *rodzic) : QMainWindow(rodzic), m_kontekst(kontekst)
{
    setObjectName(QStringLiteral("TFormGlowne"));
    setWindowTitle(QStringLiteral("SZKIELETOWY SYSTEM EKSPERCKI \"TREMIDA\""));
    // Every window opens entirely on the screen, centred over the one it is opened from.
    wlaczUmieszczanieOkien();

    const QString &folder = m_kontekst.folder;
    QString blad;
    if (!m_kontekst.baza.otworz(folder, &blad))
        pokazKomunikat(blad);
    for (const QString &problem : m_kontekst.baza.synchronizuj())
        pokazKomunikat(problem);
    // The configuration comes first, so that every window finds its colours when created.
    wczytajKonfiguracjePrzyStarcie(m_kontekst.konfig,
                                   m_kontekst.baza.folder().isEmpty() ? folder : m_kontekst.baza.folder(),
                                   [](const QString &t) { pokazKomunikat(t); });

    auto *tlo = new TloTytulowe(this);
    setCentralWidget(tlo);
    m_napis = new QLabel(QStringLiteral("TREMIDA"), tlo);
    m_napis->setObjectName(QStringLiteral("napisTytulowy"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(187);
    f.setBold(true);
    m_napis->setFont(f);
    m_napis->setAttribute(Qt::WA_TranslucentBackground);
    m_napis->setStyleSheet(QStringLiteral("color: red; background: transparent;"));
    m_napis->setAlignment(Qt::AlignCenter);

    budujMenu();
    m_oProgramie = new TFormOProgramie(m_kontekst.konfig, this);
    connect(&m_kontekst, &KontekstAplikacji::koloryZmienione, this,
            [this] { m_oProgramie->ZmiaKolFormOProgramie(m_kontekst.konfig); });
    // Created once, after the configuration is loaded; its own values persist between uses.
    new TFormKonfig(m_kontekst, this);
    utworzOknaTabel();
    m_wnioskowanie = new TWnioskowanie(m_kontekst,
                                       {m_akcje.at(Akcja::CzytFaktPlik), m_akcje.at(Akcja::WeryfBazy),
                                        m_akcje.at(Akcja::RealizWnios)},
                                       this);

    resize(1000, 640);
    if (const QScreen *ekran = QGuiApplication::primaryScreen()) {
        const QRect r = ekran->availableGeometry();
        move(r.center() - rect().center());
    }
}

TFormGlowne::~TFormGlowne()
{
    // The manual goes with this window; the context stays.
    m_kontekst.pokazStroneInstrukcji = {};
}

void TFormGlowne::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    if (m_napis && centralWidget())
        m_napis->setGeometry(centralWidget()->rect());
}

QAction *TFormGlowne::dodaj(QMenu *menu, Akcja a, const QString &tytul)
{
    QAction *act = menu->addAction(tytul);
    m_akcje[a] = act;
    return act;
}

void TFormGlowne::budujMenu()
{
    QMenuBar *pasek = menuBar();
    m_menuBazaDanych = pasek->addMenu(QStringLiteral("Baza danych"));
    // Any visit to the database menu requires a new choice of knowledge base before inference.
    connect(m_menuBazaDanych, &QMenu::aboutToShow, this, [this] { m_wnioskowanie->odwiedzonoBazeDanych(); });

    struct PodmenuTabeli {
        const char *tytul;
        Tabela tabela;
        Akcja zal, otw, druk;
    };
    const PodmenuTabeli tabele[] = {
        {"Tabela systemów eksperckich (baz wiedzy)", Tabela::Systemy, Akcja::ZalTabSyst, Akcja::OtwTabSyst,
         Akcja::DrukTabSyst},
        {"Tabela faktów", Tabela::Fakty, Akcja::ZalTabFakt, Akcja::OtwTabFakt, Akcja::DrukTabFakt},
        {"Tabela wartości faktów wyliczeniowych", Tabela::WartFaktWylicz, Akcja::ZalTabWartFaktWylicz,
         Akcja::OtwTabWartFaktWylicz, Akcja::DrukTabWartFaktWylicz},
        {"Tabela stałych", Tabela::Stale, Akcja::ZalTabStale, Akcja::OtwTabStale, Akcja::DrukTabStale},
        {"Tabela reguł", Tabela::Reguly, Akcja::ZalTabReg, Akcja::OtwTabReg, Akcja::DrukTabReg},
        {"Tabela trajektorii wnioskowania", Tabela::Trajektoria, Akcja::ZalTabTraj, Akcja::OtwTabTraj,
         Akcja::DrukTabTraj},
        {"Tabela plików multimedialnych", Tabela::PlikiMult, Akcja::ZalTabPlikMult, Akcja::OtwTabPlikMult,
         Akcja::DrukTabPlikMult},
    };
    for (const auto &t : tabele) {
        if (t.tabela == Tabela::PlikiMult)
            m_menuBazaDanych->addSeparator();
        QMenu *pod = m_menuBazaDanych->addMenu(QString::fromUtf8(t.tytul));
        const Tabela tabela = t.tabela;
        connect(dodaj(pod, t.zal, QStringLiteral("Założenie tabeli")), &QAction::triggered, this,
                [this, tabela] { zalozTabele(tabela); });
        const Akcja otw = t.otw, druk = t.druk;
        connect(dodaj(pod, otw, QStringLiteral("Otwarcie tabeli")), &QAction::triggered, this,
                [this, otw] { otworzTabele(otw); });
        connect(dodaj(pod, druk, QStringLiteral("Druk tabeli")), &QAction::triggered, this,
                [this, druk] { otworzTabele(druk); });
    }
    m_menuBazaDanych->addSeparator();
    connect(dodaj(m_menuBazaDanych, Akcja::KontrSpojnBazy, QStringLiteral("Kontrola spójności bazy")),
            &QAction::triggered, this, [this] {
                if (warunkiSpelnione(Polecenie::KontrSpojnBazy))
                    m_wnioskowanie->kontrolaSpojnosci();
            });
    m_menuBazaDanych->addSeparator();
    connect(dodaj(m_menuBazaDanych, Akcja::KoniecPrzebiegu, QStringLiteral("Koniec przebiegu")), &QAction::triggered,
            this, &QWidget::close);

    QMenu *wnioskowanie = pasek->addMenu(QStringLiteral("Wnioskowanie"));
    connect(dodaj(wnioskowanie, Akcja::WyborSyst, QStringLiteral("Wybór systemu eksperckiego (bazy wiedzy)")),
            &QAction::triggered, this, [this] {
                if (warunkiSpelnione(Polecenie::WyborSyst))
                    m_wnioskowanie->wyborSystemu();
            });
    wnioskowanie->addSeparator();
    connect(dodaj(wnioskowanie, Akcja::CzytFaktPlik, QStringLiteral("Wczytanie z pliku wartości faktów wprowadzanych")),
            &QAction::triggered, this, [this] { m_wnioskowanie->czytanieFaktow(); });
    connect(dodaj(wnioskowanie, Akcja::WeryfBazy, QStringLiteral("Weryfikacja bazy wiedzy")), &QAction::triggered,
            this, [this] { m_wnioskowanie->weryfikacja(); });
    wnioskowanie->addSeparator();
    connect(dodaj(wnioskowanie, Akcja::RealizWnios, QStringLiteral("Realizacja procesu wnioskowania")),
            &QAction::triggered, this, [this] { m_wnioskowanie->realizacja(); });
    QAction *zapis = dodaj(wnioskowanie, Akcja::ZapisFaktPlik, QStringLiteral("Zapis do pliku wartości faktów wprowadzanych"));
    zapis->setVisible(false);
    connect(zapis, &QAction::triggered, this, &TFormGlowne::nieOprogramowana);
    ustawPozycjeWnioskowania(false);

    // "Konfiguracja" is a command of the menu bar itself.
    QAction *konfiguracja = pasek->addAction(QStringLiteral("Konfiguracja"));
    m_akcje[Akcja::Konfiguracja] = konfiguracja;
    connect(konfiguracja, &QAction::triggered, this, [this] { findChild<TFormKonfig *>()->exec(); });

    QMenu *pomoc = pasek->addMenu(QStringLiteral("Pomoc"));
    m_menuInstrukcja = pomoc->addMenu(QStringLiteral("Instrukcja programu"));
    // The manual: its menu of chapters and sections, and the page every "Pomoc" button opens.
    m_instrukcja = new TInstrukcja(m_kontekst, this);
    m_instrukcja->wypelnijMenu(m_menuInstrukcja);
    m_kontekst.pokazStroneInstrukcji = [this](const QString &numer) { m_instrukcja->pokaz(numer); };
    pomoc->addSeparator();
    connect(dodaj(pomoc, Akcja::OProgramie, QStringLiteral("O programie")), &QAction::triggered, this,
            [this] { m_oProgramie->exec(); });
}

void TFormGlowne::ustawPozycjeWnioskowania(bool dostepne)
{
    for (Akcja a : {Akcja::CzytFaktPlik, Akcja::WeryfBazy, Akcja::RealizWnios})
        m_akcje.at(a)->setEnabled(dostepne);
}

bool TFormGlowne::warunkiSpelnione(Polecenie p)
{
    if (const auto komunikat = sprawdzWarunki(p, m_kontekst.baza)) {
        pokazKomunikat(*komunikat, this);
        return false;
    }
    return true;
}

void TFormGlowne::otworzTabele(Akcja a)
{
    switch (a) {
    case Akcja::DrukTabWartFaktWylicz:
        pokazKomunikat(QStringLiteral("Wydruku tabeli wartości faktów wyliczeniowych dokonuje się wraz z wydrukiem\n\r"
                                      "tabeli faktów. Wejdź w opcję: Baza danych - Tabela faktów - Druk tabeli."),
                       this);
        return;
    case Akcja::DrukTabStale:
    case Akcja::DrukTabTraj:
    case Akcja::DrukTabPlikMult: nieOprogramowana(); return;
    default: break;
    }
    // The commands that open or print a table, each carried out once its conditions hold.
    const std::map<Akcja, std::pair<Polecenie, std::function<void()>>> polecenia = {
        {Akcja::OtwTabSyst, {Polecenie::OtwTabSyst, [this] { formTabSyst()->otworz(); }}},
        {Akcja::DrukTabSyst,
         {Polecenie::DrukTabSyst, [this] { drukujTabele(m_kontekst, RodzajWydruku::Systemy, 0, this); }}},
        {Akcja::OtwTabFakt, {Polecenie::OtwTabFakt, [this] { formTabFakt()->otworz(); }}},
        {Akcja::DrukTabFakt, {Polecenie::DrukTabFakt, [this] { oknoWyboruDoDruku(RodzajWydruku::Fakty)->otworz(); }}},
        {Akcja::OtwTabWartFaktWylicz,
         {Polecenie::OtwTabWartFaktWylicz, [this] { formTabWartFaktWylicz()->otworz(); }}},
        {Akcja::OtwTabStale, {Polecenie::OtwTabStale, [this] { formTabStale()->otworz(); }}},
        {Akcja::OtwTabReg, {Polecenie::OtwTabReg, [this] { formTabReg()->otworz(); }}},
        {Akcja::DrukTabReg, {Polecenie::DrukTabReg, [this] { oknoWyboruDoDruku(RodzajWydruku::Reguly)->otworz(); }}},
        {Akcja::OtwTabTraj, {Polecenie::OtwTabTraj, [this] {
                                 // Once the trajectory has been opened its file is not created again in this run.
                                 m_akcje.at(Akcja::ZalTabTraj)->setEnabled(false);
                                 formTabTraj()->otworz();
                             }}},
        {Akcja::OtwTabPlikMult, {Polecenie::OtwTabPlikMult, [this] {
                                     m_akcje.at(Akcja::ZalTabPlikMult)->setEnabled(false);
                                     formTabPlikMult()->otworz();
                                 }}},
    };
    const auto p = polecenia.find(a);
    if (p != polecenia.end() && warunkiSpelnione(p->second.first))
        p->second.second();
}

TFormWybSystDruk *TFormGlowne::oknoWyboruDoDruku(RodzajWydruku r)
{
    auto &okno = r == RodzajWydruku::Fakty ? m_wybSystDrukFakt : m_wybSystDrukReg;
    if (!okno)
        okno = new TFormWybSystDruk(m_kontekst, r, this);
    return okno;
}

void TFormGlowne::utworzOknaTabel()
{
    new TFormTabSyst(m_kontekst, this);
    new TFormTabFakt(m_kontekst, this);
    new TFormTabWartFaktWylicz(m_kontekst, this);
    new TFormTabStale(m_kontekst, this);
    new TFormTabPlikMult(m_kontekst, this);
    new TFormTabReg(m_kontekst, this);
    new TFormTabTraj(m_kontekst, this);
}

namespace {

// The one table window of its class among the children of the main window.
template <typename Okno>
Okno *oknoTabeli(const TFormGlowne *glowne)
{
    return glowne->findChild<Okno *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

TFormTabSyst *TFormGlowne::formTabSyst() const { return oknoTabeli<TFormTabSyst>(this); }
TFormTabFakt *TFormGlowne::formTabFakt() const { return oknoTabeli<TFormTabFakt>(this); }
TFormTabWartFaktWylicz *TFormGlowne::formTabWartFaktWylicz() const { return oknoTabeli<TFormTabWartFaktWylicz>(this); }
TFormTabStale *TFormGlowne::formTabStale() const { return oknoTabeli<TFormTabStale>(this); }
TFormTabPlikMult *TFormGlowne::formTabPlikMult() const { return oknoTabeli<TFormTabPlikMult>(this); }
TFormTabReg *TFormGlowne::formTabReg() const { return oknoTabeli<TFormTabReg>(this); }
TFormTabTraj *TFormGlowne::formTabTraj() const { return oknoTabeli<TFormTabTraj>(this); }

void TFormGlowne::nieOprogramowana()
{
    pokazKomunikat(QStringLiteral("W wersji 4.0 programu opcja jeszcze nie oprogramowana."), this);
}

void TFormGlowne::oknoNiedostepne()
{
    statusBar()->showMessage(QStringLiteral("Okno tej opcji nie jest dostępne w tym wydaniu programu."), 5000);
}

void TFormGlowne::zalozTabele(Tabela t)
{
    Baza &baza = m_kontekst.baza;
    baza.synchronizuj();
    const bool istnieje = baza.plikIstnieje(t);
    if (istnieje) {
        TFormOstrzTab ostrzezenie(t, m_kontekst.konfig, this);
        if (!ostrzezenie.zapytaj())
            return;
    }
    QString blad;
    if (!baza.zalozTabele(t, istnieje, &blad)) {
        pokazKomunikat(blad, this);
        return;
    }
    const OpisTabeli &o = opisTabeli(t);
    pokazKomunikat(istnieje ? o.potwierdzenieNadpisanej : o.potwierdzenieNowej, this);
}

} // namespace tremida::gui
