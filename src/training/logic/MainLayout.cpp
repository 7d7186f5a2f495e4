#include "MainLayout.h"

#include "Conversions.h"

namespace training {

namespace {
qint32 rounded(double value)
{
    return haz::conv::roundHalfEven(value);
}
} // namespace

BaseGeometry measureBaseGeometry(const HazTemplate &d, qint32 windowWidth, qint32 windowHeight)
{
    BaseGeometry b;
    b.factWebMarginH = d.hazFormFact.height - d.hazFactWeb.height;
    b.factWebMarginW = d.hazFormFact.width - d.hazFactWeb.width;
    b.factFrameMarginH = d.tabMain.height - d.hazFormFact.height;
    b.factFrameMarginW = d.tabMain.width - d.hazFormFact.width;
    b.quizFrameH0 = d.hazQuizFrm.height;
    b.quizFrameW0 = d.hazQuizFrm.width;
    b.quizFrameMarginH = d.tabMain.height - d.hazQuizFrm.height;
    b.quizFrameMarginW = d.tabMain.width - d.hazQuizFrm.width;
    b.answerSpare = d.hazQuizFrm.width - (d.answers[8].width + d.answers[1].width);
    b.answerSpareHalf = rounded(b.answerSpare / 2.0);
    // A right column at the frame's left edge would divide by zero.
    b.columnRatio = d.answers[8].left > 0
        ? rounded(double(d.hazQuizFrm.width - d.answers[1].width) / d.answers[8].left) : 1;
    if (b.columnRatio == 0)
        b.columnRatio = 1;
    b.tabH0 = d.tabMain.height;
    b.tabW0 = d.tabMain.width;
    b.formMarginH = windowHeight - d.tabMain.height;
    b.formMarginW = windowWidth - d.tabMain.width;
    b.lastWidth = windowWidth;
    b.lastHeight = windowHeight;
    b.answerH0 = d.answers[0].height;
    b.rowPitch = d.hazQuizFrm.height > 0
        ? rounded(double(d.answers[7].top - d.answers[0].top) * 1000.0 / d.hazQuizFrm.height) : 0;
    b.infoMarginH = d.tabMain.height - d.infoWeb.height;
    b.infoMarginW = d.tabMain.width - d.infoWeb.width;
    b.picGap = d.answerButton.top - d.hazQuizPic.height;
    b.infoLinkOffset = d.hazQuizbtnInfoLink.left - d.answerButton.left;
    return b;
}

void resizeObjs(HazTemplate &t, BaseGeometry &b, qint32 width, qint32 height)
{
    if (width > b.lastWidth + 200 || width < b.lastWidth) {
        if (width >= b.tabW0 + b.formMarginW) {
            t.tabMain.width = width - b.formMarginW;
            t.hazFormFact.width = t.tabMain.width - b.factFrameMarginW;
            t.hazFactWeb.width = t.hazFormFact.width - b.factWebMarginW;
            t.infoWeb.width = t.tabMain.width - b.infoMarginW;
        }
        if (t.tabMain.width >= b.quizFrameW0 + b.quizFrameMarginW) {
            t.hazQuizFrm.width = t.tabMain.width - b.quizFrameMarginW;
            const qint32 column = rounded((t.hazQuizFrm.width - b.answerSpare) / 2.0 - 300);
            for (TwipRect &answer : t.answers)
                answer.width = column;
            t.hazQuizText.width = column - 200;
            t.hazQuizPic.width = column;
            t.hazQuizWeb.width = column;
            const qint32 right =
                rounded(double(t.hazQuizFrm.width - t.answers[1].width) / b.columnRatio) - b.answerSpareHalf;
            for (int k = 8; k < 15; ++k)
                t.answers[k].left = right;
            t.answerButton.left = right;
            t.hazQuizPic.left = right - 750;
            t.hazQuizWeb.left = right - 750;
        }
        b.lastWidth = width;
    }

    if (height > b.lastHeight + 200 || height < b.lastHeight) {
        if (height >= b.tabH0 + b.formMarginH) {
            t.tabMain.height = height - b.formMarginH;
            t.hazFormFact.height = t.tabMain.height - b.factFrameMarginH;
            t.hazFactWeb.height = t.hazFormFact.height - b.factWebMarginH;
            t.infoWeb.height = t.tabMain.height - b.infoMarginH;
        }
        if (t.tabMain.height >= b.quizFrameH0 + b.quizFrameMarginH) {
            t.hazQuizFrm.height = t.tabMain.height - b.quizFrameMarginH;
            const qint32 s = rounded(b.rowPitch / 7.0);
            const qint32 g = t.tabMain.height - b.tabH0;
            const qint32 step = rounded(s / 1000.0 * t.hazQuizFrm.height + g * 0.05);
            const qint32 top0 = t.answers[0].top;
            for (int k = 1; k <= 7; ++k)
                t.answers[k].top = top0 + k * step;
            for (int k = 9; k < 15; ++k)
                t.answers[k].top = top0 + (k - 8) * step;
            t.answerButton.top = top0 + 7 * step;
            const qint32 answerHeight = rounded(g * 0.1 + b.answerH0);
            for (TwipRect &answer : t.answers)
                answer.height = answerHeight;
        }
        b.lastHeight = height;
    }

    t.hazQuizPic.height = t.answerButton.top - b.picGap;
    t.hazQuizWeb.height = t.answerButton.top - b.picGap;
    t.hazQuizbtnInfoLink.left = t.answerButton.left - b.infoLinkOffset;
    t.hazQuizbtnInfoLink.top = t.answerButton.top;
}

const QList<QPair<QString, QStringList>> &hazCopyTable()
{
    static const QList<QPair<QString, QStringList>> table = [] {
        QList<QPair<QString, QStringList>> rows;
        const auto add = [&](const QString &from, const QStringList &to) { rows.append({from, to}); };
        const QStringList quizPrefixes{QStringLiteral("ide"), QStringLiteral("prot"), QStringLiteral("phys"),
                                       QStringLiteral("NBC"), QStringLiteral("exam"), QStringLiteral("excer")};
        const auto each = [&](const QString &role) {
            QStringList names;
            for (const QString &prefix : quizPrefixes)
                names << prefix + role;
            return names;
        };
        add(QStringLiteral("hazFormFact"),
            {QStringLiteral("ideFormFact"), QStringLiteral("protFormFact"), QStringLiteral("physFormFact"),
             QStringLiteral("NBCFormFact"), QStringLiteral("refFormFact"), QStringLiteral("takFormFact")});
        add(QStringLiteral("hazQuizFrm"), each(QStringLiteral("QuizFrm")));
        add(QStringLiteral("hazFrmOpt"),
            {QStringLiteral("ideFrmOpt"), QStringLiteral("protFrmOpt"), QStringLiteral("physFrmOpt"),
             QStringLiteral("NBCfrmOpt"), QStringLiteral("takFormOpt")});
        add(QStringLiteral("hazFactWeb"),
            {QStringLiteral("ideFactWeb"), QStringLiteral("protFactWeb"), QStringLiteral("physFactWeb"),
             QStringLiteral("NBCFactWeb"), QStringLiteral("refFactWeb"), QStringLiteral("takFactWeb")});
        add(QStringLiteral("hazQuizWeb"), each(QStringLiteral("QuizWeb")));
        add(QStringLiteral("hazLbl"),
            {QStringLiteral("ideLbl"), QStringLiteral("protLbl"), QStringLiteral("physLbl"),
             QStringLiteral("NBCLbl"), QStringLiteral("takLbl")});
        for (const QString &role : {QStringLiteral("QuizLbl"), QStringLiteral("QuizText"),
                                   QStringLiteral("QuizLblTot"), QStringLiteral("QuizLblDone"),
                                   QStringLiteral("QuizLblCorr")})
            add(QStringLiteral("haz") + role, each(role));
        for (int k = 0; k < 2; ++k) {
            const QString index = QStringLiteral("(%1)").arg(k);
            add(QStringLiteral("HazOpt") + index,
                {QStringLiteral("ideOpt") + index, QStringLiteral("protOpt") + index,
                 QStringLiteral("physOpt") + index, QStringLiteral("NBCOpt") + index});
        }
        for (int k = 0; k < 15; ++k) {
            const QString role = QStringLiteral("QuizAnsw(%1)").arg(k);
            add(QStringLiteral("haz") + role, each(role));
        }
        add(QStringLiteral("hazFactLst"),
            {QStringLiteral("ideLstFact"), QStringLiteral("protFactLst"), QStringLiteral("physFactLst"),
             QStringLiteral("NBCFactLst")});
        add(QStringLiteral("FactCmdPrint(3)"),
            {QStringLiteral("FactCmdPrint(0)"), QStringLiteral("FactCmdPrint(2)"),
             QStringLiteral("FactCmdPrint(1)"), QStringLiteral("FactCmdPrint(4)")});
        add(QStringLiteral("QuizRestartBtn(3)"),
            {QStringLiteral("QuizRestartBtn(0)"), QStringLiteral("QuizRestartBtn(2)"),
             QStringLiteral("QuizRestartBtn(1)"), QStringLiteral("QuizRestartBtn(4)"),
             QStringLiteral("excerQuizRestartBtn")});
        add(QStringLiteral("QuizAnswBtn(3)"),
            {QStringLiteral("QuizAnswBtn(0)"), QStringLiteral("QuizAnswBtn(2)"), QStringLiteral("QuizAnswBtn(1)"),
             QStringLiteral("QuizAnswBtn(4)"), QStringLiteral("examQuizAnswBtn"), QStringLiteral("QuizAnswBtn(7)")});
        add(QStringLiteral("hazQuizbtnInfoLink"), each(QStringLiteral("QuizbtnInfoLink")));
        add(QStringLiteral("hazQuizPic"), each(QStringLiteral("QuizPic")));
        return rows;
    }();
    return table;
}

} // namespace training
