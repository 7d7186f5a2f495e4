#pragma once
// The main window's layout on resize, as arithmetic on twips. Only the Hazard tab's
// controls and the tab strip are computed; every other tab copies the Hazard tab's
// positions (hazCopyTable).

#include "Twips.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <array>

namespace training {

using haz::TwipRect;

// The controls the layout computes, in their containers' coordinates.
struct HazTemplate {
    TwipRect tabMain;
    TwipRect hazFormFact;
    TwipRect hazFactWeb;
    TwipRect infoWeb;
    TwipRect hazQuizFrm;
    TwipRect hazQuizText;
    TwipRect hazQuizPic;
    TwipRect hazQuizWeb;
    TwipRect hazQuizbtnInfoLink;
    TwipRect answerButton; // QuizAnswBtn(3)
    std::array<TwipRect, 15> answers{};
    friend bool operator==(const HazTemplate &, const HazTemplate &) = default;
};

// Measured once from the design layout.
struct BaseGeometry {
    qint32 factWebMarginH = 0, factWebMarginW = 0;   // fact frame - fact browser
    qint32 factFrameMarginH = 0, factFrameMarginW = 0; // tab strip - fact frame
    qint32 quizFrameH0 = 0, quizFrameW0 = 0;
    qint32 quizFrameMarginH = 0, quizFrameMarginW = 0; // tab strip - quiz frame
    qint32 answerSpare = 0, answerSpareHalf = 0;
    qint32 columnRatio = 1;
    qint32 tabH0 = 0, tabW0 = 0;
    qint32 formMarginH = 0, formMarginW = 0;
    qint32 answerH0 = 0;
    qint32 rowPitch = 0; // per mille of the quiz frame height
    qint32 infoMarginH = 0, infoMarginW = 0;
    qint32 picGap = 0;
    qint32 infoLinkOffset = 0;
    // The window size the layout was last computed for.
    qint32 lastWidth = 0, lastHeight = 0;
};

BaseGeometry measureBaseGeometry(const HazTemplate &design, qint32 windowWidth, qint32 windowHeight);

// Lays the template out for a window of `width` x `height`. A width more than 200
// above the last computed one, or below it, recomputes the widths; the same for the
// heights. Parts that would get smaller than designed keep their size.
void resizeObjs(HazTemplate &layout, BaseGeometry &base, qint32 width, qint32 height);

// Every template control and the controls that copy its position and size.
const QList<QPair<QString, QStringList>> &hazCopyTable();

} // namespace training
