#include "cli/cli.h"

namespace sw::cli {

int RunRenderTv(const QStringList&, QTextStream&, QTextStream& err)
{
    err << "signwright: --render-tv is not available in this build\n";
    return 1;
}

} // namespace sw::cli
