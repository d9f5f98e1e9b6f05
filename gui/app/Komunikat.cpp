#include "Komunikat.h"

#include "KontekstAplikacji.h"
#include "store/Konwersje.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tremida::gui {

QDialog *utworzOknoKomunikatu(const QString &tekst, QWidget *rodzic)
{
    auto *okno = new QDialog(rodzic ? rodzic : QApplication::activeWindow());
    okno->setWindowTitle(QStringLiteral("TREMIDA"));
    okno->setObjectName(QStringLiteral("komunikat"));
    auto *etykieta = new QLabel(tekstDoWyswietlenia(tekst), okno);
    etykieta->setObjectName(QStringLiteral("tekst"));
    etykieta->setTextFormat(Qt::PlainText);
    etykieta->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The message's lines are its own: it is not wrapped again, unless a line is wider than
    // the screen.
    const QScreen *ekran = okno->screen() ? okno->screen() : QGuiApplication::primaryScreen();
    const int najszerszy = ekran ? ekran->availableGeometry().width() - 80 : 1200;
    if (etykieta->sizeHint().width() > najszerszy) {
        etykieta->setWordWrap(true);
        etykieta->setFixedWidth(najszerszy);
    }
    auto *przyciski = new QDialogButtonBox(okno);
    QPushButton *ok = przyciski->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    QObject::connect(przyciski, &QDialogButtonBox::accepted, okno, &QDialog::accept);
    auto *uklad = new QVBoxLayout(okno);
    uklad->addWidget(etykieta);
    uklad->addWidget(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);
    return okno;
}

void pokazKomunikat(const QString &tekst, QWidget *rodzic)
{
    KontekstAplikacji::dialogiAplikacji().komunikat(tekst, rodzic);
}

} // namespace tremida::gui
