#pragma once
// The seven fact lists (five subjects, tactics, reference) are one family: a list
// box, a page browser, a print button and a progress label each.

#include <QList>
#include <QString>

namespace training {

struct FactMember {
    QString prefix;        // "haz", "ide", ..., "tak", "ref"
    int tab = 0;           // the member's own tab of tabMain
    QString list;          // list box of titles ("ideLstFact" is the odd one out)
    QString browser;       // page browser ("hazFactWeb")
    int printIndex = 0;    // element of FactCmdPrint
    QString progressLabel; // "curLblHazFactPos"

    QString printButton() const;
};

// Ident, Phys, Prot, Hazard, NBC, tactics and reference, in tab order.
const QList<FactMember> &factMembers();
const FactMember *factMember(const QString &prefix);
// The member whose page browser has this name; nullptr for others.
const FactMember *factMemberByBrowser(const QString &browser);

// The list index to select for a saved position: the position when it is inside
// the list, otherwise -1 (nothing selected; a course file may have been shortened).
int factSelectionIndex(qint32 savedPosition, qint32 count);

} // namespace training
