#include "platform/version.h"

namespace sw {

QString GetVersionString()
{
    // Kept in one place: CMake's project() version feeds this definition.
    return QStringLiteral(SW_VERSION_STRING);
}

} // namespace sw
