#pragma once
// Stepping through the pictures (or the films) that illustrate one fact or rule: the
// position of the file shown last and the state of the "next" and "previous" buttons of
// the window that steps. The facts window, the rules window and the conclusions display
// keep one stepper for pictures and one for films.

#include <QString>

namespace tremida {

class TKrokIlustracji {
public:
    // `film` selects the button captions of films instead of pictures.
    explicit TKrokIlustracji(bool film = false) : m_film(film) {}

    // A new element with `liczba` files of this kind: position 0, the previous button hidden,
    // the next button shown as "Pokaż obraz/zdjęcie" for one file, "Pokaż pierwszy
    // obraz/zdjęcie" for several and hidden for none (likewise for films).
    void ustawLiczbe(int liczba);

    // The next (or previous) button was pressed: moves the position and returns the 1-based
    // position of the file to show. The position keeps its new value even when the file
    // cannot be shown.
    int naprzod() { return ++m_pozycja; }
    int wstecz() { return --m_pozycja; }

    // The file at the current position was shown: the next button is captioned "Pokaż
    // następny ..." and visible while files remain, the previous button visible from the
    // second file on; with exactly one file the position goes back to 0 and the next button
    // keeps its first caption, so the file can be shown again.
    void poPokazaniu();

    int liczba() const { return m_liczba; }
    int pozycja() const { return m_pozycja; }
    bool nastepnyWidoczny() const { return m_nastepnyWidoczny; }
    bool poprzedniWidoczny() const { return m_poprzedniWidoczny; }
    QString podpisNastepnego() const { return m_podpisNastepnego; }
    QString podpisPoprzedniego() const;

private:
    QString podpis(const char *slowo) const;

    bool m_film;
    int m_liczba = 0;
    int m_pozycja = 0;
    bool m_nastepnyWidoczny = false;
    bool m_poprzedniWidoczny = false;
    QString m_podpisNastepnego;
};

} // namespace tremida
