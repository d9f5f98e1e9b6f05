#pragma once
// The built-in manual: its pages in book order with their titles, the navigation buttons of
// each page and the text of each page, kept as one resource file per page
// (":/instrukcja/strony/<numer>.txt"). Qt Core only, so that tremida-cli can print the pages.
//
// A page is named by its number: "0" for the table of contents, "1.1" ... "13.5" for the
// sections. Every window's "Pomoc" button passes one of these numbers to
// KontekstAplikacji::pokazStroneInstrukcji. The pages of the working windows:
//
// | Window                                                       | Page  |
// |--------------------------------------------------------------|-------|
// | systems table (TFormTabSyst)                                 | 4.1   |
// | facts table (TFormTabFakt)                                   | 5.1   |
// | facts printout: choice of system                             | 5.6   |
// | enumerated values table (TFormTabWartFaktWylicz)             | 6.1   |
// | view of the enumerated values of a fact (facts table,        | 6.1   |
// |   input-fact dialog)                                         |       |
// | rules table (TFormTabReg)                                    | 7.1   |
// | rule editor                                                  | 7.6   |
// | rules printout: choice of system                             | 7.8   |
// | constants table (TFormTabStale)                              | 8.1   |
// | trajectory viewer                                            | 9.1   |
// | multimedia files table, picture viewer, film viewer          | 10.1  |
// | consistency check of the whole database                      | 3.4   |
// | choice of the knowledge base for inference                   | 11.2  |
// | inference launcher (kinds of inference)                      | 11.1  |
// | verification of the knowledge base                           | 11.3  |
// | reading input-fact values from a text file                   | 11.4  |
// | forward chaining, input-fact dialog in a forward run         | 11.5  |
// | backward chaining, input-fact dialog in a backward run       | 11.6  |
// | falsification of the main hypothesis                         | 11.7  |
// | mixed inference                                              | 11.8  |
// | conclusions display                                          | 11.9  |
// | configuration dialog                                         | 13.1  |

#include <QString>
#include <QStringList>
#include <vector>

namespace tremida {

// The page numbers of the windows' "Pomoc" buttons (see the table above).
namespace pomoc {
inline constexpr const char *SpisTresci = "0";
inline constexpr const char *TabSyst = "4.1";
inline constexpr const char *TabFakt = "5.1";
inline constexpr const char *DrukTabFakt = "5.6";
inline constexpr const char *TabWartFaktWylicz = "6.1";
inline constexpr const char *TabReg = "7.1";
inline constexpr const char *EdytorReg = "7.6";
inline constexpr const char *DrukTabReg = "7.8";
inline constexpr const char *TabStale = "8.1";
inline constexpr const char *TabTraj = "9.1";
inline constexpr const char *TabPlikMult = "10.1";
inline constexpr const char *KontrSpojnBazy = "3.4";
inline constexpr const char *WyborSyst = "11.2";
inline constexpr const char *RodzajeWnios = "11.1";
inline constexpr const char *WeryfBazy = "11.3";
inline constexpr const char *CzytFaktPlik = "11.4";
inline constexpr const char *WniosWPrzod = "11.5";
inline constexpr const char *WniosWstecz = "11.6";
inline constexpr const char *FalsHip = "11.7";
inline constexpr const char *WniosMiesz = "11.8";
inline constexpr const char *WizKonkl = "11.9";
inline constexpr const char *Konfiguracja = "13.1";
// Pages beside the book, on the explanations.
inline constexpr const char *Wyjasnienia = "9.1.1";
inline constexpr const char *RaportKonsultacji = "9.1.2";
inline constexpr const char *KartaReg = "7.1.1";
} // namespace pomoc

struct StronaInstrukcji {
    QString numer;          // "0", "1.1", "3.6", "13.5"
    int rozdzial = 0;       // 0 for the table of contents
    int podrozdzial = 0;    // 0 for the table of contents
    QString tytul;          // the caption of the menu item
    QString tytulNaStronie; // the section label of the page (differs from the menu only for 6.7)
};

struct RozdzialInstrukcji {
    int numer = 0;
    QString tytul; // the caption of the chapter's submenu
};

enum class KierunekStrony { NastPodrozdz, PoprzPodrozdz, NastRozdz, PoprzRozdz };

struct PrzyciskNawigacji {
    KierunekStrony kierunek;
    QString napis; // "Do podrozdz.1.2.", "Do rozdz.0."
    QString cel;   // number of the page opened
};

// Every page, in book order (page 0 first).
const std::vector<StronaInstrukcji> &stronyInstrukcji();

// The pages beside the book, on the explanations of a run: "9.1.1" (the tree of fired rules
// and "why not"), "9.1.2" (the consultation report), "7.1.1" (the rule card). They are not
// in the menu, the table of contents or the book's navigation; each is reached from its
// parent page ("9.1", "7.1"), whose window links to it, and from the "Pomoc" button of its
// view.
const std::vector<StronaInstrukcji> &stronyDodatkowe();

// The pages a page links to beside its navigation: for a book page the pages beside the book
// under it, for a page beside the book its parent page and its sisters; empty for others.
QStringList odnosnikiStrony(const QString &numer);

// The chapters 1 to 13 with their titles.
const std::vector<RozdzialInstrukcji> &rozdzialyInstrukcji();

// The page of a number ("5.1"; a trailing point is accepted: "5.1."), in the book or beside
// it; nullptr when there is none.
const StronaInstrukcji *stronaInstrukcji(const QString &numer);

// The title of a chapter (0: the table of contents); empty for an unknown chapter.
QString tytulRozdzialu(int rozdzial);

// The navigation buttons of a page in the order next section, previous section, next
// chapter, previous chapter (those that exist); empty for an unknown page.
std::vector<PrzyciskNawigacji> nawigacjaStrony(const QString &numer);

// The table of contents: page 0, then each chapter's title followed by its sections' titles.
QStringList spisTresci();

// The text of a page read from the resources (page 0 ends with the table of contents);
// empty for an unknown page.
QString tekstStrony(const QString &numer);

// Numbers of the pages whose title or text contains `fraza` (case-insensitive), in book order,
// then the pages beside the book.
QStringList znajdzWInstrukcji(const QString &fraza);

} // namespace tremida
