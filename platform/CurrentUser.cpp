#include "platform/CurrentUser.h"

#include <unistd.h>

namespace orv {

unsigned CurrentUserId() { return static_cast<unsigned>(::geteuid()); }

} // namespace orv
