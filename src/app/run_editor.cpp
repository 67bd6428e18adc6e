#include "app/run_editor.h"

#include <QTextStream>
#include <cstdio>

int RunEditor(int, char**)
{
    QTextStream(stderr) << "signwright: the editor window is not available in this build; see --help\n";
    return 1;
}
