#pragma once

namespace velmora {

// Installs Qt's own Italian texts (qtbase_it.qm, from the system's Qt
// translations) whatever the system's locale, since the program speaks only
// Italian: the context menus of the fields and the stock buttons then read
// "Copia", "Incolla", "Seleziona tutto". False when the translations are not
// installed; Qt's English texts stay then. Call once the application exists.
bool LoadQtItalianTranslations();

}  // namespace velmora
