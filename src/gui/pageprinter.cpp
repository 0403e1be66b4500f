#include "pageprinter.h"

Host::PrintResult PagePrinter::print(const PrintPage&)
{
    Host::PrintResult result;
    result.outcome = Host::PrintResult::Outcome::Failed;
    result.detail = QStringLiteral("not yet");
    return result;
}
