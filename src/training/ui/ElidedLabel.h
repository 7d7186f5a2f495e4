#pragma once
// A one-line label for texts from the data that may be longer than its room: its
// text stays whole (others read it) and the part that does not fit is drawn as "...".

#include <QLabel>

namespace training {

class ElidedLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace training
