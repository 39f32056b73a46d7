#pragma once

#include "flow/outcome.h"
#include "flow/sizingrecord.h"

struct DirectDriveEntries {
    QString DDInertia;
    QString TConst;
};

inline constexpr const char* directDriveTag = "Direct Drive";

// NEXT of the direct drive screen: checks the entries, stores the reflected
// inertia, thrust torque and ratio, and writes RDirectDrive.
Outcome directDriveNext(SizingRecord& record, const DirectDriveEntries& entries);
