#pragma once
// Showing the pictures and films that illustrate facts and rules: the checks of a chosen
// multimedia record and the two viewers. The facts window, the rules window, the
// multimedia window and the conclusions display all show their files through these.

#include "store/Rekordy.h"

#include "store/KrokIlustracji.h"

#include <QObject>
#include <QString>
#include <optional>

class QLineEdit;
class QPushButton;
class QWidget;

namespace tremida::gui {

class KontekstAplikacji;
class TFormWizFilm;
class TFormWizGraf;

// The picture and film viewers of a context, created on first use, hidden, and kept (with
// their last fitted size) until the context ends. They follow the context's colours.
TFormWizGraf &formWizGraf(KontekstAplikacji &k);
TFormWizFilm &formWizFilm(KontekstAplikacji &k);

// PokazObraz: shows one picture (bitmap or JPEG by its extension) fitted by its
// height-to-width ratio in the picture viewer, with the caption. A missing file shows
// "Stwierdzono brak na dysku pliku <name> do wizualizacji.\n\rOpcja nie zostanie
// zrealizowana." and nothing else. Returns true when the viewer was shown.
bool PokazObraz(KontekstAplikacji &k, const QString &nazwaPliku, double stosunek, const QString &podpis);

// PokazFilm: the same for a film in the film viewer (missing file: "Stwierdzono brak na
// dysku pliku filmu <name> do odtworzenia.\n\rOpcja nie zostanie zrealizowana."). A file
// that exists but cannot be decoded or played is reported and nothing is shown.
bool PokazFilm(KontekstAplikacji &k, const QString &nazwaPliku, double stosunek, const QString &podpis);

// Runs the checks of one record of plikimultimedialne of the given kind ("obraz
// graficzny/zdjecie fotograficzne" or "film") in their order (empty name, empty ratio,
// missing file; the first failing one shows its message) and then shows the file.
// Returns true when the file was shown.
bool pokazPlikIlustracji(KontekstAplikacji &k, const QString &nazwaPliku, std::optional<double> stosunek,
                         const QString &podpis, const QString &rodzajPliku);

// Stepping: shows the file at 1-based position `pozycja` among the files of one kind that
// illustrate an element (`coIlustr` "fakt" or "regula" and its code), in table order,
// through the checks above. Returns false (nothing shown, no message) when there is no
// file at that position.
bool pokazPlikElementu(KontekstAplikacji &k, int kodElem, const QString &coIlustr, const QString &rodzajPliku,
                       int pozycja);

// The "next" and "previous" buttons of one kind of file (pictures or films) in a window that
// steps through the files illustrating its current fact or rule, with the read-only count
// field. The buttons' captions and visibility follow TKrokIlustracji; a click shows the file
// through pokazPlikElementu.
class TPrzyciskiIlustracji : public QObject {
    Q_OBJECT
public:
    // `liczba` may be null when the window shows no count.
    TPrzyciskiIlustracji(KontekstAplikacji &k, const QString &rodzajPliku, QPushButton *nastepny,
                         QPushButton *poprzedni, QLineEdit *liczba, QObject *rodzic = nullptr);

    // A new current element: counts its files, resets the position and the buttons.
    void ustawElement(int kodElem, const QString &coIlustr);
    // No element (e.g. a record being inserted): count 0, both buttons hidden.
    void wyczysc();

    const TKrokIlustracji &krok() const { return m_krok; }

private:
    void pokaz(int pozycja);
    void odswiez();

    KontekstAplikacji &m_kontekst;
    QString m_rodzaj;
    QPushButton *m_nastepny;
    QPushButton *m_poprzedni;
    QLineEdit *m_liczba;
    TKrokIlustracji m_krok;
    int m_kodElem = 0;
    QString m_coIlustr;
};

} // namespace tremida::gui
