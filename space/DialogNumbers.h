#pragma once
// Numbers typed into the fields of the space window's dialogs: any expression, refused
// with its evaluation code, or with "fora dos limites" when infinite or out of range.
#include "plane/TEditExmpDlg.h"
#include "platform/Dialog.h"
#include "space/SpacePoint.h"

namespace korvane {

int ReadDialogReal(const EquationEnvironment& env, const platform::Dialog& dialog, int id, long double& value);
// Rounded to the nearest integer within [low, high].
int ReadDialogInteger(const EquationEnvironment& env, const platform::Dialog& dialog, int id, int low, int high,
                      int& value);

// Six fields from `first` on: xmin, xmax, ymin, ymax, zmin, zmax, each maximum above its
// minimum ("dados inconsistentes" otherwise).
int ReadDialogBox(const EquationEnvironment& env, const platform::Dialog& dialog, int first, SpacePoint& low,
                  SpacePoint& high);

} // namespace korvane
