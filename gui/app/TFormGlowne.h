#pragma once
// The main window: the title picture and the main menu, the only way into every function.

#include "KontekstAplikacji.h"
#include "report/Wydruki.h"
#include "store/Warunki.h"

#include <QMainWindow>
#include <map>

class QAction;
class QLabel;
class QMenu;

namespace tremida::gui {

class TFormOProgramie;
class TFormWybSystDruk;
class TInstrukcja;
class TFormTabSyst;
class TFormTabFakt;
class TFormTabWartFaktWylicz;
class TFormTabStale;
class TFormTabPlikMult;
class TWnioskowanie;
class TFormTabReg;
class TFormTabTraj;

// The menu commands, for enabling them and for tests.
enum class Akcja {
    ZalTabSyst, OtwTabSyst, DrukTabSyst,
    ZalTabFakt, OtwTabFakt, DrukTabFakt,
    ZalTabWartFaktWylicz, OtwTabWartFaktWylicz, DrukTabWartFaktWylicz,
    ZalTabStale, OtwTabStale, DrukTabStale,
    ZalTabReg, OtwTabReg, DrukTabReg,
    ZalTabTraj, OtwTabTraj, DrukTabTraj,
    ZalTabPlikMult, OtwTabPlikMult, DrukTabPlikMult,
    KontrSpojnBazy, KoniecPrzebiegu,
    WyborSyst, CzytFaktPlik, WeryfBazy, RealizWnios, ZapisFaktPlik,
    Konfiguracja, OProgramie,
};

class TFormGlowne : public QMainWindow {
    Q_OBJECT
public:
    // Opens the database of the context's folder and loads its configuration (their messages
    // shown), then builds the menu and the windows. Every window holds a reference to
    // `kontekst`, so the context must outlive the main window: whoever creates the window
    // creates the context first and ends it after the window.
    explicit TFormGlowne(KontekstAplikacji &kontekst, QWidget *rodzic = nullptr);
    ~TFormGlowne() override;

    KontekstAplikacji &kontekst() { return m_kontekst; }
    QAction *akcja(Akcja a) const { return m_akcje.at(a); }
    QMenu *menuBazaDanych() const { return m_menuBazaDanych; }
    QMenu *menuInstrukcja() const { return m_menuInstrukcja; }
    TInstrukcja &instrukcja() const { return *m_instrukcja; }
    // The inference windows and the road of an inference.
    TWnioskowanie &wnioskowanie() const { return *m_wnioskowanie; }

    // Enables or disables "Wczytanie z pliku wartości faktów wprowadzanych", "Weryfikacja bazy
    // wiedzy" and "Realizacja procesu wnioskowania" together.
    void ustawPozycjeWnioskowania(bool dostepne);

    // "Założenie tabeli" of a table: the overwrite warning when the file exists, then the
    // creation and its confirmation.
    void zalozTabele(Tabela t);

    // The window choosing the system whose facts or rules are printed (created on first use).
    TFormWybSystDruk *oknoWyboruDoDruku(RodzajWydruku r);

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    void budujMenu();
    QAction *dodaj(QMenu *menu, Akcja a, const QString &tytul);
    // Runs a command's file-existence preconditions; false (message shown) when one fails.
    bool warunkiSpelnione(Polecenie p);
    void otworzTabele(Akcja a);
    void nieOprogramowana();
    void oknoNiedostepne();

    KontekstAplikacji &m_kontekst;
    std::map<Akcja, QAction *> m_akcje;
    QMenu *m_menuBazaDanych = nullptr;
    QMenu *m_menuInstrukcja = nullptr;
    QLabel *m_napis = nullptr;
    TFormOProgramie *m_oProgramie = nullptr;
    TFormWybSystDruk *m_wybSystDrukFakt = nullptr;
    TFormWybSystDruk *m_wybSystDrukReg = nullptr;
    TInstrukcja *m_instrukcja = nullptr;

public:
    // The table windows, created once at start and hidden (children of this window).
    TFormTabSyst *formTabSyst() const;
    TFormTabFakt *formTabFakt() const;
    TFormTabWartFaktWylicz *formTabWartFaktWylicz() const;
    TFormTabStale *formTabStale() const;
    TFormTabPlikMult *formTabPlikMult() const;
    TFormTabReg *formTabReg() const;
    TFormTabTraj *formTabTraj() const;

private:
    void utworzOknaTabel();
    TWnioskowanie *m_wnioskowanie = nullptr;
};

} // namespace tremida::gui
