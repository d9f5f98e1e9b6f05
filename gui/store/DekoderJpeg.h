#pragma once
// Decoding JPEG pictures with libjpeg, for the picture viewer.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tremida::gui {

// Decodes a JPEG held in memory. Grey, RGB/YCbCr and CMYK/YCCK pictures are supported
// (CMYK converted to RGB, inverted as written by common editors when an Adobe marker is
// present). On failure returns a null image and puts libjpeg's message into *blad; the
// library never writes to standard error. Pictures of more than 100 million pixels are
// refused.
QImage dekodujJpeg(const QByteArray &dane, QString *blad = nullptr);

// Reads and decodes a JPEG file; a file that cannot be read is reported like a bad picture.
QImage wczytajJpeg(const QString &sciezka, QString *blad = nullptr);

} // namespace tremida::gui
