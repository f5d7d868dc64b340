#pragma once
// Qt's own dialogs (files, fonts, colours, printing, the buttons of message boxes) in
// Brazilian Portuguese, from the translations the system installs.
class QCoreApplication;

namespace korvane::platform {

// Loads Qt's Brazilian Portuguese translation into `application`; false, and nothing
// changed, when the system has none.
bool InstallQtTranslation(QCoreApplication& application);

} // namespace korvane::platform
