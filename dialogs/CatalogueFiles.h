// Where the catalogue files live: the user's own copies in the user's data
// folder; a copy in the program's folder serves until the user has one.
#pragma once

#include <QString>

#include "core/MasonryCatalogue.h"
#include "core/ZELBET_PN99.h"

namespace orv {

// Folders of the catalogue files; an empty folder restores the default (the
// user's data folder, the program's folder).
void SetCatalogueFolders(const QString& userFolder, const QString& programFolder);
QString UserCatalogueFolder();
QString ProgramCatalogueFolder();

// The file a catalogue is read from: the user's when it exists, else the program's.
QString CatalogueReadPath(const char* fileName);
// The file a catalogue is written to: the user's (its folder is created).
QString CatalogueWritePath(const char* fileName);

// The catalogues as the files hold them now. A file read only in part is
// told once, through the message service, until it changes.
TMasonryCatalogue LoadMasonryCatalogue();
void LoadSteelCatalogue(TSteelCatalogue& catalogue);

// Write a catalogue's rows. When that catalogue was last read only in part,
// they ask first, and a No writes nothing (TFileStatus::Declined).
TFileResult SaveMasonryCatalogueFile(const std::string& fileName, const std::vector<TMasonryUnitRow>& rows);
TFileResult SaveSteelCatalogueFile(const std::string& fileName, const std::vector<TSteelRow>& rows);

} // namespace orv
