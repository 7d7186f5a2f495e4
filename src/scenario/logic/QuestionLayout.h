#pragma once
// The question column's arithmetic, in twips: label heights from the line counts,
// the alternatives stacked directly under each other below the hint, the buttons
// under the last alternative, and a scroll range that always reaches the buttons.

#include <QList>

namespace scenario {

struct QuestionLayoutInput {
    qint32 questionTop = 0;        // lblFragaNamn's top on the panel
    qint16 fragaLines = 0;         // Fraga_Lines
    qint16 ledtextLines = 0;       // FragaLedtext_Lines
    qint32 templateHeight = 0;     // height of element 0 of the alternatives
    QList<qint16> lineMarks;       // "\n" count of each alternative, display order
    qint32 buttonHeight = 0;       // cmdSvara
    qint32 paneInnerHeight = 0;    // visible height of the scroll panel
};

struct AlternativeSpan {
    qint32 top = 0;
    qint32 height = 0;
};

struct QuestionLayout {
    qint32 questionHeight = 0;
    qint32 hintTop = 0;
    qint32 hintHeight = 0;
    qint32 templateTop = 0;        // element 0; the first alternative sits here
    QList<AlternativeSpan> alternatives;
    qint32 buttonTop = 0;          // cmdSvara and cmdInfolank
    qint16 scrollMax = 0;
};

inline constexpr qint32 QuestionLineHeight = 240;
inline constexpr qint32 HintLineHeight = 195;
inline constexpr qint32 AlternativeLineHeight = 255;
inline constexpr qint32 GapAboveAlternatives = 200;
inline constexpr qint32 GapAboveButtons = 300;
inline constexpr qint32 ScrollExtra = 1200;

// RuntimeError 6 when the column reaches beyond what a 16-bit position holds.
QuestionLayout layoutQuestion(const QuestionLayoutInput &input);

} // namespace scenario
