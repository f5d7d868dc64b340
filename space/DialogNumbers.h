#pragma once
// Numbers typed into the fields of the space window's dialogs: any expression, refused
// with its evaluation code, or with "fora dos limites" when infinite or out of range.
#include "plane/TEditExmpDlg.h"
#include "platform/Dialog.h"

namespace korvane {

int ReadDialogReal(const EquationEnvironment& env, const platform::Dialog& dialog, int id, long double& value);
// Rounded to the nearest integer within [low, high].
int ReadDialogInteger(const EquationEnvironment& env, const platform::Dialog& dialog, int id, int low, int high,
                      int& value);

} // namespace korvane
