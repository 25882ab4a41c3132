#include "resources/HelpPages.h"

#include <QtCore/qglobal.h>

// The resource initialiser is declared at global scope; from inside a
// namespace it would name another function.
static void InitHelpResource()
{
    Q_INIT_RESOURCE(help);
}

namespace orv {

void InitHelpPages()
{
    static const bool done = (InitHelpResource(), true);
    (void)done;
}

} // namespace orv
