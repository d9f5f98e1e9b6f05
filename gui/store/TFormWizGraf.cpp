#include "TFormWizGraf.h"

#include "DekoderJpeg.h"
#include "app/Kolory.h"
#include "app/Komunikat.h"
#include "app/KontekstAplikacji.h"

#include <QFileInfo>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tremida::gui {

namespace {
QRect naQRect(const Prostokat &p) { return QRect(p.lewo, p.gora, p.szerokosc, p.wysokosc); }
} // namespace

QImage wczytajObraz(const QString &sciezka, QString *blad)
{
    static const QStringList jpeg = {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe"),
                                     QStringLiteral("jfif")};
    if (jpeg.contains(QFileInfo(sciezka).suffix().toLower()))
        return wczytajJpeg(sciezka, blad);
    QImageReader czytnik(sciezka);
    czytnik.setAllocationLimit(400); // megabytes; a larger picture is refused, not allocated
    QImage obraz = czytnik.read();
    if (obraz.isNull() && blad)
        *blad = czytnik.errorString();
    return obraz;
}

TFormWizGraf::TFormWizGraf(KontekstAplikacji &k, QWidget *rodzic) : QDialog(rodzic), m_kontekst(k)
{
    setObjectName(QStringLiteral("TFormWizGraf"));
    setWindowTitle(QStringLiteral("WIZUALIZACJA OBRAZU GRAFICZNEGO/ZDJĘCIA FOTOGRAFICZNEGO"));
    setFixedSize(977, 656);

    m_tloRamki = new QFrame(this);
    m_tloRamki->setFrameShape(QFrame::StyledPanel);
    m_tloRamki->setFrameShadow(QFrame::Sunken);
    m_tloRamki->setGeometry(24, 24, 929, 521);

    m_obraz = new QLabel(this);
    m_obraz->setObjectName(QStringLiteral("obraz"));
    m_obraz->setScaledContents(true);
    m_obraz->setGeometry(24, 24, 929, 521);
    m_obraz->setVisible(false);
    // The frame of the fitting rule is the image control as laid out here.
    const QRect g = m_obraz->geometry();
    m_ramka = {g.x(), g.y(), g.width(), g.height()};

    m_podpis = new QPlainTextEdit(this);
    m_podpis->setObjectName(QStringLiteral("podpis"));
    m_podpis->setReadOnly(true);
    m_podpis->setGeometry(24, 552, 929, 49);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setGeometry(392, 612, 90, 30);
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"), this);
    m_pomoc->setGeometry(495, 612, 90, 30);
    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);
    m_kontekst.polaczPomoc(m_pomoc, QStringLiteral("10.1"));
    ZmiaKolFormWizGraf(k.konfig);
}

bool TFormWizGraf::pokaz(const QString &sciezka, const QString &nazwa, double stosunek, const QString &podpis)
{
    // The file is decoded first, so that a picture that cannot be shown leaves the viewer's
    // caption and picture as they were.
    QString blad;
    const QImage obraz = wczytajObraz(sciezka, &blad);
    if (obraz.isNull()) {
        pokazKomunikat(QStringLiteral("Pliku ") + nazwa
                           + QStringLiteral(" nie można wyświetlić jako obrazu graficznego/zdjęcia (") + blad
                           + QStringLiteral(").\n\rOpcja nie zostanie zrealizowana."),
                       this);
        return false;
    }
    m_podpis->setPlainText(podpis);
    m_obraz->setGeometry(naQRect(dopasujDoRamki(m_ramka, stosunek)));
    m_obraz->setPixmap(QPixmap::fromImage(obraz));
    m_obraz->setVisible(true);
    show();
    raise();
    activateWindow();
    return true;
}

void TFormWizGraf::ZmiaKolFormWizGraf(const TParKonfig &konfig)
{
    zastosujKolory(konfig, Rola::Bierne, {m_podpis});
    zastosujKolory(konfig, Rola::Pomocnicze, {m_ok, m_pomoc});
}

} // namespace tremida::gui
