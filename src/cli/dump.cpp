#include "cli/cli.h"

namespace sw::cli {

int RunDump(const QStringList&, QTextStream&, QTextStream& err)
{
    err << "signwright: --dump is not available in this build\n";
    return 1;
}

} // namespace sw::cli
