#include "TFormWizFilm.h"

#include "app/Kolory.h"
#include "app/Komunikat.h"
#include "app/KontekstAplikacji.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QFrame>
#include <QLibraryInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>

#include <limits>

namespace tremida::gui {

namespace {

// The GStreamer back end plays AVI films without a display or a sound device; it is
// chosen unless the user asked for another back end.
void wybierzZaplecze()
{
    if (qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        return;
    const QDir wtyczki(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/multimedia"));
    if (!wtyczki.entryList({QStringLiteral("*gstreamer*")}, QDir::Files).isEmpty())
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
}

} // namespace

TFormWizFilm::TFormWizFilm(KontekstAplikacji &k, QWidget *rodzic) : QDialog(rodzic), m_kontekst(k)
{
    wybierzZaplecze();
    setObjectName(QStringLiteral("TFormWizFilm"));
    setWindowTitle(QStringLiteral("WIZUALIZACJA FILMU"));
    setFixedSize(977, 656);

    // The screen's frame stays dark around a film narrower or lower than the frame.
    auto *tloEkranu = new QFrame(this);
    tloEkranu->setGeometry(24, 24, 929, 497);
    tloEkranu->setFrameShape(QFrame::StyledPanel);
    tloEkranu->setAutoFillBackground(true);
    QPalette czarne = tloEkranu->palette();
    czarne.setColor(QPalette::Window, Qt::black);
    tloEkranu->setPalette(czarne);

    m_ekran = new QVideoWidget(this);
    m_ekran->setObjectName(QStringLiteral("ekran"));
    m_ekran->setGeometry(24, 24, 929, 497);
    m_ekran->setAspectRatioMode(Qt::IgnoreAspectRatio);
    const QRect g = m_ekran->geometry();
    m_ramka = {g.x(), g.y(), g.width(), g.height()};

    m_postep = new QProgressBar(this);
    m_postep->setObjectName(QStringLiteral("postep"));
    m_postep->setGeometry(24, 528, 929, 17);
    m_postep->setTextVisible(false);
    m_postep->setRange(0, 0);
    m_postep->setValue(0);

    m_podpis = new QPlainTextEdit(this);
    m_podpis->setObjectName(QStringLiteral("podpis"));
    m_podpis->setReadOnly(true);
    m_podpis->setGeometry(24, 552, 929, 49);

    auto przycisk = [this](QStyle::StandardPixmap ikona, const QString &opis, int x) {
        auto *b = new QPushButton(this);
        b->setIcon(style()->standardIcon(ikona));
        b->setToolTip(opis);
        b->setAccessibleName(opis);
        b->setGeometry(x, 612, 44, 30);
        return b;
    };
    m_odtworz = przycisk(QStyle::SP_MediaPlay, QStringLiteral("Odtwarzaj"), 24);
    m_pauza = przycisk(QStyle::SP_MediaPause, QStringLiteral("Pauza"), 72);
    m_stop = przycisk(QStyle::SP_MediaStop, QStringLiteral("Stop"), 120);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setGeometry(392, 612, 90, 30);
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"), this);
    m_pomoc->setGeometry(495, 612, 90, 30);

    m_odtwarzacz = new QMediaPlayer(this);
    m_odtwarzacz->setVideoOutput(m_ekran);
    // Without a sound device the film plays silently instead of failing.
    if (!QMediaDevices::audioOutputs().isEmpty()) {
        m_dzwiek = new QAudioOutput(this);
        m_odtwarzacz->setAudioOutput(m_dzwiek);
    }

    m_zegar = new QTimer(this);
    m_zegar->setInterval(1000);
    connect(m_zegar, &QTimer::timeout, this,
            [this] { m_postep->setValue(static_cast<int>(qMin<qint64>(m_odtwarzacz->position(), m_postep->maximum()))); });

    connect(m_odtworz, &QPushButton::clicked, this, &TFormWizFilm::odtworz);
    connect(m_pauza, &QPushButton::clicked, m_odtwarzacz, &QMediaPlayer::pause);
    connect(m_stop, &QPushButton::clicked, this, [this] {
        m_odtwarzacz->stop();
        m_postep->setValue(0);
    });
    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);
    m_kontekst.polaczPomoc(m_pomoc, QStringLiteral("10.1"));
    ZmiaKolFormWizFilm(k.konfig);
}

TFormWizFilm::~TFormWizFilm()
{
    m_zegar->stop();
    m_odtwarzacz->stop();
}

void TFormWizFilm::odtworz()
{
    m_odtwarzacz->play();
    m_zegar->start();
}

void TFormWizFilm::hideEvent(QHideEvent *e)
{
    // Leaving the viewer in any way stops the progress timer and the film with its sound.
    m_zegar->stop();
    m_odtwarzacz->stop();
    QDialog::hideEvent(e);
}

bool TFormWizFilm::czekajNaOtwarcie(QString *blad)
{
    auto rozstrzygniety = [this] {
        if (m_odtwarzacz->error() != QMediaPlayer::NoError)
            return true;
        switch (m_odtwarzacz->mediaStatus()) {
        case QMediaPlayer::LoadedMedia:
        case QMediaPlayer::BufferingMedia:
        case QMediaPlayer::BufferedMedia:
        case QMediaPlayer::EndOfMedia:
        case QMediaPlayer::InvalidMedia: return true;
        default: return false;
        }
    };
    if (!rozstrzygniety()) {
        QEventLoop petla;
        QTimer limit;
        limit.setSingleShot(true);
        connect(&limit, &QTimer::timeout, &petla, &QEventLoop::quit);
        auto sprawdz = [&] {
            if (rozstrzygniety())
                petla.quit();
        };
        const auto p1 = connect(m_odtwarzacz, &QMediaPlayer::mediaStatusChanged, &petla, sprawdz);
        const auto p2 = connect(m_odtwarzacz, &QMediaPlayer::errorOccurred, &petla, sprawdz);
        limit.start(CzasOtwarcia);
        petla.exec();
        disconnect(p1);
        disconnect(p2);
    }
    // The player may report the media as loaded before it knows the length; the length
    // decides, so give it a moment to arrive.
    if (m_odtwarzacz->error() == QMediaPlayer::NoError && m_odtwarzacz->mediaStatus() != QMediaPlayer::InvalidMedia
        && m_odtwarzacz->duration() <= 0 && rozstrzygniety()) {
        QEventLoop petla;
        QTimer::singleShot(2000, &petla, &QEventLoop::quit);
        const auto p = connect(m_odtwarzacz, &QMediaPlayer::durationChanged, &petla, [&](qint64 d) {
            if (d > 0)
                petla.quit();
        });
        petla.exec();
        disconnect(p);
    }
    if (m_odtwarzacz->error() != QMediaPlayer::NoError) {
        *blad = m_odtwarzacz->errorString();
        return false;
    }
    if (m_odtwarzacz->mediaStatus() == QMediaPlayer::InvalidMedia) {
        *blad = QStringLiteral("nieznany format pliku");
        return false;
    }
    if (!rozstrzygniety()) {
        *blad = QStringLiteral("odtwarzacz nie otworzył pliku w wyznaczonym czasie");
        return false;
    }
    if (m_odtwarzacz->duration() <= 0) {
        *blad = QStringLiteral("nie można ustalić długości filmu");
        return false;
    }
    return true;
}

bool TFormWizFilm::pokaz(const QString &sciezka, const QString &nazwa, double stosunek, const QString &podpis)
{
    m_zegar->stop();
    m_odtwarzacz->stop();
    m_podpis->setPlainText(podpis);
    const Prostokat p = dopasujDoRamki(m_ramka, stosunek);
    m_ekran->setGeometry(p.lewo, p.gora, p.szerokosc, p.wysokosc);
    m_odtwarzacz->setSource(QUrl::fromLocalFile(QFileInfo(sciezka).absoluteFilePath()));
    QString blad;
    if (!czekajNaOtwarcie(&blad)) {
        m_odtwarzacz->setSource(QUrl());
        hide(); // an earlier film is not left on the screen under the new caption
        pokazKomunikat(QStringLiteral("Pliku filmu ") + nazwa + QStringLiteral(" nie można odtworzyć (") + blad
                           + QStringLiteral(").\n\rOpcja nie zostanie zrealizowana."),
                       this);
        return false;
    }
    const qint64 dlugosc = m_odtwarzacz->duration();
    m_postep->setRange(0, static_cast<int>(qMin<qint64>(dlugosc, std::numeric_limits<int>::max())));
    m_postep->setValue(0);
    m_zegar->start();
    show();
    raise();
    activateWindow();
    return true;
}

void TFormWizFilm::ZmiaKolFormWizFilm(const TParKonfig &konfig)
{
    zastosujKolory(konfig, Rola::Bierne, {m_podpis, m_postep});
    zastosujKolory(konfig, Rola::Pomocnicze, {m_odtworz, m_pauza, m_stop, m_ok, m_pomoc});
}

} // namespace tremida::gui
