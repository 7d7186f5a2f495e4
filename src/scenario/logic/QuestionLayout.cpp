#include "QuestionLayout.h"

#include "Conversions.h"
#include "Twips.h"

#include <algorithm>

namespace scenario {

QuestionLayout layoutQuestion(const QuestionLayoutInput &input)
{
    using haz::conv::narrowToInt16;
    QuestionLayout out;
    out.questionHeight = input.fragaLines < 2 ? QuestionLineHeight : input.fragaLines * QuestionLineHeight;
    out.hintHeight = input.ledtextLines < 2 ? HintLineHeight : input.ledtextLines * HintLineHeight;
    out.hintTop = input.questionTop + out.questionHeight;
    out.templateTop = out.questionHeight + out.hintHeight + GapAboveAlternatives;

    qint32 sum = 0;
    qint32 bottom = 0;
    for (qint16 marks : input.lineMarks) {
        const qint32 height = marks > 0 ? (qint32(marks) + 1) * AlternativeLineHeight : input.templateHeight;
        sum += height;
        const qint32 top = narrowToInt16(out.templateTop + sum - height);
        bottom = narrowToInt16(top + height);
        out.alternatives.append({top, height});
    }
    out.buttonTop = narrowToInt16(bottom + GapAboveButtons);

    // The usual range, widened when the buttons lie further down than it reaches.
    const qint32 usual = (input.buttonHeight + out.buttonTop) / haz::TwipsPerPixel + ScrollExtra;
    const qint32 needed = out.buttonTop + input.buttonHeight + GapAboveButtons - input.paneInnerHeight;
    out.scrollMax = narrowToInt16(std::max(usual, needed));
    return out;
}

} // namespace scenario
