#pragma once

class QCoreApplication;

// Loads Qt's own Arabic texts (standard buttons, the font, colour and file dialogs)
// from the translations Qt installs. False when they are not installed: the dialogs
// then speak English.
bool installQtArabicTranslations(QCoreApplication &application);
