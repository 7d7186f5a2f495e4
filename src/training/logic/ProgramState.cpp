#include "ProgramState.h"

#include "MessageService.h"
#include "clsDataFile.h"

namespace training {

const SubjectNames &subjectNames(int subject)
{
    static const std::array<SubjectNames, SubjectCount> names{{
        {QStringLiteral("ide"), QStringLiteral("Ident"), QStringLiteral("ideOpt"),
         QStringLiteral("ideLstFact"), QStringLiteral("ideFrmOpt"), QStringLiteral("Ide"), TabIde},
        {QStringLiteral("phys"), QStringLiteral("Phys"), QStringLiteral("physOpt"),
         QStringLiteral("physFactLst"), QStringLiteral("physFrmOpt"), QStringLiteral("Phys"), TabPhys},
        {QStringLiteral("prot"), QStringLiteral("Prot"), QStringLiteral("protOpt"),
         QStringLiteral("protFactLst"), QStringLiteral("protFrmOpt"), QStringLiteral("Prot"), TabProt},
        {QStringLiteral("haz"), QStringLiteral("Hazard"), QStringLiteral("HazOpt"),
         QStringLiteral("hazFactLst"), QStringLiteral("hazFrmOpt"), QStringLiteral("Haz"), TabHaz},
        {QStringLiteral("NBC"), QStringLiteral("NBC"), QStringLiteral("NBCOpt"),
         QStringLiteral("NBCFactLst"), QStringLiteral("NBCfrmOpt"), QStringLiteral("NBC"), TabNBC},
    }};
    return names.at(subject);
}

ProgramState::ProgramState(haz::MessageService &messageService) : messages(messageService) {}

ProgramState::~ProgramState() = default;

} // namespace training
