#pragma once
// The film viewer "WIZUALIZACJA FILMU": one film fitted into the display frame by its
// height-to-width ratio, the player's buttons, a progress bar fed every second while the
// viewer is shown, and the caption.

#include "app/ParKonfig.h"
#include "store/Dopasowanie.h"

#include <QDialog>

#include "widgets/WidzetyQt.h"

namespace tremida::gui {

class KontekstAplikacji;

class TFormWizFilm : public QDialog {
    Q_OBJECT
public:
    explicit TFormWizFilm(KontekstAplikacji &k, QWidget *rodzic = nullptr);
    ~TFormWizFilm() override;

    // Puts the caption under the frame, fits the display by `stosunek`, opens the film at
    // `sciezka` and waits until the player knows whether it can play it. On success the
    // progress bar starts at 0 with the film's length as maximum, the progress timer runs and
    // the viewer is shown (the film waits for the Play button). A film that cannot be
    // opened shows a message naming `nazwa`, hides the viewer and returns false.
    bool pokaz(const QString &sciezka, const QString &nazwa, double stosunek, const QString &podpis);

    void ZmiaKolFormWizFilm(const TParKonfig &konfig);

    // How long pokaz() waits for the player to open a film, in milliseconds.
    static constexpr int CzasOtwarcia = 15000;

    Prostokat ramka() const { return m_ramka; }
    QMediaPlayer *odtwarzacz() const { return m_odtwarzacz; }
    QVideoWidget *ekran() const { return m_ekran; }
    QProgressBar *pasekPostepu() const { return m_postep; }
    QTimer *zegarPostepu() const { return m_zegar; }
    QPlainTextEdit *polePodpisu() const { return m_podpis; }
    QPushButton *przyciskOdtworz() const { return m_odtworz; }
    QPushButton *przyciskPauza() const { return m_pauza; }
    QPushButton *przyciskStop() const { return m_stop; }
    QPushButton *przyciskOK() const { return m_ok; }
    QPushButton *przyciskPomoc() const { return m_pomoc; }

protected:
    void hideEvent(QHideEvent *e) override;

private:
    // Waits for the outcome of opening the current source; the reason in *blad on failure.
    bool czekajNaOtwarcie(QString *blad);
    void odtworz();

    KontekstAplikacji &m_kontekst;
    Prostokat m_ramka;
    QMediaPlayer *m_odtwarzacz;
    QAudioOutput *m_dzwiek = nullptr;
    QVideoWidget *m_ekran;
    QProgressBar *m_postep;
    QTimer *m_zegar;
    QPlainTextEdit *m_podpis;
    QPushButton *m_odtworz;
    QPushButton *m_pauza;
    QPushButton *m_stop;
    QPushButton *m_ok;
    QPushButton *m_pomoc;
};

} // namespace tremida::gui
