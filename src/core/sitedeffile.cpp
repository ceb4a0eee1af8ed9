#include "sitedeffile.h"

#include "defines.h"

std::string SiteDefFile() { return cFileDir + "SiteDef.DAT"; }
