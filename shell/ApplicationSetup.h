#pragma once

// What the program sets on its application object before anything else:
// its name, the title plain messages carry, and Qt's own texts in Slovene.
void SetUpApplication();

// Qt's own texts (the buttons and labels of the file, print and page-setup
// dialogs) in Slovene, from Qt's translations of the system. True when they
// were found and installed; the dialogs stay English otherwise.
bool InstallQtTranslation();
