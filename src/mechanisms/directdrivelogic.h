#pragma once

#include "flow/form.h"
#include "flow/outcome.h"
#include "sizing/record.h"

struct DirectDriveEntries {
    QString DDInertia = "0";
    QString TConst = "0";
};
DirectDriveEntries directDriveEntries(const Form& form);

// NEXT of the direct drive screen: checks the entries, stores the reflected
// inertia, thrust torque and ratio; its report lines come with the outcome.
Outcome directDriveNext(SizingRecord& record, const DirectDriveEntries& entries);
