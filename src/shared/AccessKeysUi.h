#pragma once
// Gives every captioned push button under a window an access key. Buttons on
// different pages of a tab widget are never seen together and may share a key;
// buttons outside the pages keep theirs apart from every page's.

class QWidget;

namespace haz {

void giveAccessKeys(QWidget *window);

} // namespace haz
