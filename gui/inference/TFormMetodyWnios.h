#pragma once
// The form of one inference method: the knowledge base, the main hypothesis chosen from the
// list of rule conclusions, the buttons that start, interrupt or leave the method, and the
// notices shown while a run works. TFormWniosWPrzod, TFormWniosWstecz and TFormWniosMiesz
// differ only in their texts and in what their buttons do.

#include "PolaSystemu.h"

#include <QStringList>
#include "widgets/OknoKontekstu.h"
#include <functional>

class QFrame;
class QListWidget;

namespace tremida::gui {


struct TTekstyMetody {
    QString nazwaObiektu;
    QString tytulOkna;
    QString naglowekSystemu;
    QString naglowekHipotezy;
    QString instrukcja;
    QString przyciskStart;
    QString przyciskPrzerwij;
    QList<QStringList> uwagi; // each notice: its lines
    const char *stronaPomocy;
    // Several items may be selected (the list then does not fill the hypothesis edit), with
    // a hint below the list.
    bool wieleZaznaczen = false;
    QString uwagaListy = {};
};

class TFormMetodyWnios : public OknoKontekstu {
    Q_OBJECT
public:
    TFormMetodyWnios(KontekstAplikacji &kontekst, const TTekstyMetody &teksty, QWidget *rodzic = nullptr);

    // The conclusions of the list box; nothing selected, the hypothesis edit emptied.
    void ustawKonkluzje(int kodSyst, const QString &nazSyst, const QStringList &konkluzje);
    QString hipoteza() const;
    // Shows notice `nr` (0-based) and hides the others; -1 hides all.
    void pokazUwage(int nr);
    int widocznaUwaga() const;
    // Start and OK together.
    void pokazStartIOk(bool widoczne);

    std::function<void()> start, przerwij, anuluj, ok;
    // The window's close box; empty: the form is only hidden.
    std::function<void()> zamknieto;

    QListWidget *lista() const { return m_lista; }
    QLineEdit *poleHipotezy() const { return m_hipoteza; }
    QPushButton *przyciskStart() const { return m_start; }
    QPushButton *przyciskPrzerwij() const { return m_przerwij; }
    QPushButton *przyciskAnuluj() const { return m_anuluj; }
    QPushButton *przyciskOk() const { return m_ok; }

    void ZmiaKolFormMetodyWnios();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    TPolaSystemu m_pola;
    QLabel *m_naglSyst, *m_naglHip, *m_etHip, *m_instrukcja, *m_uwagaListy = nullptr;
    QLineEdit *m_hipoteza;
    QListWidget *m_lista;
    QPushButton *m_anuluj, *m_przerwij, *m_start, *m_pomoc, *m_ok;
    QList<QFrame *> m_uwagi;
};

// "WNIOSKOWANIE W PRZÓD".
class TFormWniosWPrzod : public TFormMetodyWnios {
    Q_OBJECT
public:
    explicit TFormWniosWPrzod(KontekstAplikacji &kontekst, QWidget *rodzic = nullptr);
};

// "WNIOSKOWANIE WSTECZ".
class TFormWniosWstecz : public TFormMetodyWnios {
    Q_OBJECT
public:
    explicit TFormWniosWstecz(KontekstAplikacji &kontekst, QWidget *rodzic = nullptr);
};

// "WNIOSKOWANIE MIESZANE", with one notice per phase.
class TFormWniosMiesz : public TFormMetodyWnios {
    Q_OBJECT
public:
    explicit TFormWniosMiesz(KontekstAplikacji &kontekst, QWidget *rodzic = nullptr);
};

} // namespace tremida::gui
