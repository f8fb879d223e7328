#pragma once
// Windows-1253, the single-byte Greek code page in which the program's text
// files keep their titles. Conversion is table driven so that it behaves the
// same on every platform, whatever codecs the system offers.

#include <QByteArray>
#include <QString>

namespace aeriton {

// Encodes text in Windows-1253; characters the code page cannot hold become '?'.
QByteArray toCp1253(const QString& text);

// Decodes Windows-1253 bytes; the five unassigned bytes become U+FFFD.
QString fromCp1253(const QByteArray& bytes);

}  // namespace aeriton
