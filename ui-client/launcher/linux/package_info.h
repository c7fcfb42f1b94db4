#ifndef ORVANTA_PACKAGE_INFO_H
#define ORVANTA_PACKAGE_INFO_H

#include "ustring/ustring.h"

/// The fixed system-wide locations of a package installed under
/// "/opt/Harvane/Orvanta". The service does not read them: it derives every
/// path from the executable's location (Service's getters), which gives the
/// same places for a launcher installed there.
class PackageInfo
{
public:
    static PackageInfo &GetInstance();

    ustring GetImageFolder() const;
    /// The user's home folder followed by "/.Orvanta" (not the per-user installation).
    ustring GetLogFolder() const;
    ustring GetLogLevelPath() const;
    ustring GetPackagePath() const;
    ustring GetConfigFolder() const;

private:
    PackageInfo();

    ustring ImageFolder;
    ustring LogFolder;
    ustring LogLevelPath;
    ustring PackagePath;
    ustring ConfigFolder;
};

#endif
