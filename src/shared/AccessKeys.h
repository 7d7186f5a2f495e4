#pragma once
// Access keys (Alt + a letter) for captioned buttons whose caption texts come from
// data without an "&". Keys are given so that buttons which can be seen at the same
// time never share one.

#include <QSet>
#include <QString>

namespace haz {

// The letter after the caption's access-key "&" ("&&" is a plain "&"); a null QChar
// when it has none. Letters are compared in lower case.
QChar accessKeyOf(const QString &caption);

// `caption` with an access key: unchanged when it has one; otherwise "&" goes before
// the first letter or digit that is not `taken`, preferring the start of a word. The
// key chosen (or found) is added to `taken`. A caption without a free letter stays.
QString withAccessKey(const QString &caption, QSet<QChar> &taken);

} // namespace haz
