#pragma once
// One page of the built-in manual, the window "INSTRUKCJA PROGRAMU": the chapter and section
// labels, the read-only text with a find field (Ctrl+F), the navigation buttons and OK.
// Page 0 also shows the gallery of the control kinds used by the program.

#include "app/ParKonfig.h"
#include "manual/Instrukcja.h"

#include <QWidget>
#include <vector>

#include "widgets/WidzetyQt.h"

namespace tremida::gui {

class TFormInstrukcja : public QWidget {
    Q_OBJECT
public:
    // Builds the window of page `numer` (which must exist) with the colours of `konfig`.
    TFormInstrukcja(const QString &numer, const TParKonfig &konfig, QWidget *rodzic = nullptr);

    QString numer() const { return m_numer; }
    QString tytulRozdzialu() const;
    QString tytulPodrozdzialu() const;
    QString tekst() const;
    QPlainTextEdit *poleTekstu() const { return m_tekst; }
    QLineEdit *poleSzukania() const { return m_szukaj; }
    QPushButton *przyciskOK() const { return m_ok; }
    // The navigation button of a direction; nullptr when the page has none.
    QPushButton *przycisk(KierunekStrony k) const;
    // Every navigation button, in the order next section, previous section, next chapter,
    // previous chapter.
    const std::vector<QPushButton *> &przyciskiNawigacji() const { return m_nawigacja; }
    // The buttons of the pages beside the book this page links to ("Zobacz: ..."), in order.
    const std::vector<QPushButton *> &odnosniki() const { return m_odnosniki; }

    // Selects the next occurrence of the find field's text after the cursor, from the top
    // again at the end; false (with a note beside the field) when the text does not occur.
    bool znajdzDalej();

    void ZmiaKolFormInstrukcja(const TParKonfig &konfig);

signals:
    // A navigation button was pressed: the page `cel` is to be opened instead of this one.
    void przejdzDo(const QString &cel);

private:
    QWidget *budujGalerie();

    QString m_numer;
    QLabel *m_rozdzial;
    QLabel *m_podrozdzial;
    QLabel *m_naglowekGalerii = nullptr;
    QPlainTextEdit *m_tekst;
    QLabel *m_etykietaSzukaj;
    QLineEdit *m_szukaj;
    QPushButton *m_znajdz;
    QLabel *m_wynikSzukania;
    QPushButton *m_ok;
    std::vector<QPushButton *> m_nawigacja;
    std::vector<QPushButton *> m_odnosniki;
    std::vector<KierunekStrony> m_kierunki;
};

} // namespace tremida::gui
