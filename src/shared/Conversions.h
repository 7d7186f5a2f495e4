#pragma once
// The one place where texts become numbers or Booleans and back. Failures are
// RuntimeError 13 (not a number / not a Boolean) or 6 (outside the range).

#include <QString>
#include <QStringView>

namespace haz::conv {

qint16 toInt16(QStringView text);
qint32 toInt32(QStringView text);
bool toBool(QStringView text);

// A wider value narrowed to 16 bits; error 6 when it does not fit.
qint16 narrowToInt16(qint64 value);

// Rounds halves to the even neighbour (2.5 -> 2, 3.5 -> 4); error 6 outside 32 bits.
qint32 roundHalfEven(double value);

// Text forms as stored in table files: "-12", "True", "False".
QString toText(qint64 value);
QString toText(bool value);

// Removes leading and trailing blanks (spaces only; tabs and other characters stay).
QStringView trimBlanks(QStringView text);

// A caption or data text's two characters "\n" become a real line break.
QString expandLineBreaks(const QString &text);

} // namespace haz::conv
