// The user the program runs as.
#pragma once

namespace orv {

// The user id of the program's process: the owner of the files and folders
// it makes (as QFileInfo::ownerId gives an owner).
unsigned CurrentUserId();

} // namespace orv
